#pragma once
// Settling operand values that name a variable or a label, once label addresses are estimated.

#include "assembler/context.h"

namespace tarvok {

// Operands that are a variable's name (possibly behind "<" or ">") get its value or selected byte.
void fix_variable_values(AssemblyContext& ctx);

// Operands that name a label get its address, or its low or high byte, and their size.
void fix_label_values(AssemblyContext& ctx);

}  // namespace tarvok
