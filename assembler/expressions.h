#pragma once
// Operands of two terms joined by one operator: "+", "-", "*" or "/".

#include "assembler/context.h"

namespace tarvok {

// Applies the operator and the right term to every statement whose operand holds one; the left
// term's value is already in the statement. Refuses more than one operator character, and a
// division by zero.
void evaluate_expressions(AssemblyContext& ctx);

// Applies one statement's expression the same way, without a message: an operand the step above
// refuses is left as it is. The layout uses it to measure statements before the step runs.
void evaluate_expression_quietly(AssemblyContext& ctx, StatementEntry& rec);

}  // namespace tarvok
