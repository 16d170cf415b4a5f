#pragma once
// Where every statement lies in memory, and the program's bytes.

#include <vector>

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

// Checks the layout against the statements as they will be emitted. Label addresses were estimated
// before label values were known (a label operand counted 3 bytes) and statement lengths were
// measured before expressions were evaluated, so a label below 256 or an expression whose result
// needs another size can leave addresses that do not match the bytes. True when every statement
// lies at the running sum of the emitted lengths before it and every label at its line's first
// statement; otherwise false, with those addresses stored in `addresses` and in the labels.
bool layout_is_settled(AssemblyContext& ctx, std::vector<int32_t>& addresses);

// Fills the object image with the program's bytes, after giving data bytes that name a label the
// byte of its address.
void emit_bytes(AssemblyContext& ctx);

}  // namespace tarvok
