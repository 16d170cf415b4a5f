#pragma once
// Choosing each instruction's opcode from its operand's shape, value and size.

#include "assembler/context.h"

namespace tarvok {

// Stores every instruction's opcode; refuses zero page ,Y outside "ldx"/"stx" and an indirect
// operand above 255.
void select_opcodes(AssemblyContext& ctx);

}  // namespace tarvok
