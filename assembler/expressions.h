#pragma once
// Operands of two terms joined by one operator: "+", "-", "*" or "/".

#include "assembler/context.h"

namespace tarvok {

// Applies the operator and the right term to every statement whose operand holds one; the left
// term's value is already in the statement. Refuses more than one operator character, and a
// division by zero.
void evaluate_expressions(AssemblyContext& ctx);

}  // namespace tarvok
