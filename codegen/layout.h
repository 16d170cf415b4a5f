#pragma once
// Where every statement lies in memory, and the program's bytes.

#include "assembler/context.h"

namespace tarvok {

// Bytes the statement occupies when emitted.
int32_t statement_length(const StatementEntry& rec);

// Gives every label the start address plus the lengths of the statements before its line, in one
// running sum. An instruction whose operand names a label counts 3 bytes (2 with "<" or ">"),
// whatever the label turns out to be.
void estimate_label_addresses(AssemblyContext& ctx);

// Stores every statement's address: the start address plus the lengths of all statements before it.
void assign_addresses(AssemblyContext& ctx);

// Fills the object image with the program's bytes, after giving data bytes that name a label the
// byte of its address.
void emit_bytes(AssemblyContext& ctx);

}  // namespace tarvok
