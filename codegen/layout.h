#pragma once
// Where every statement lies in memory, and the program's bytes.

#include <vector>

#include "assembler/context.h"
#include "codegen/operand_fixups.h"

namespace tarvok {

// Bytes the statement occupies when emitted.
int32_t statement_length(const StatementEntry& rec);

// Gives every label the start address plus the lengths of the statements before its line, in one
// running sum. An instruction whose operand names a label counts 3 bytes (2 with "<" or ">"),
// whatever the label turns out to be.
void estimate_label_addresses(AssemblyContext& ctx);

// Applies one statement's expression to it, without messages (the expression step's own rule).
using ExpressionMeasure = void (*)(AssemblyContext& ctx, StatementEntry& rec);

// Makes label addresses and statement lengths agree, with label values fixed for the final
// addresses. The estimate counted a label operand as 3 bytes and an expression by its first term,
// so a label below 256 or an expression whose result has another size can leave labels that do
// not match the bytes. The labels are first moved to where the lengths they give put them, for a
// few rounds; a layout that has not settled by then starts again from every operand in its short
// form and lengthens, round by round, each statement that does not fit, never shortening one again. When a statement then ends up longer than its operand needs, no
// layout fits under that rule: the statement's line is selected, a message shown and error set.
// label_uses are the label operands of the statements as find_label_uses finds them.
void settle_layout(AssemblyContext& ctx, const std::vector<LabelUse>& label_uses,
                   ExpressionMeasure measure_expression);

// Fills the object image with the program's bytes, after giving data bytes that name a label the
// byte of its address.
void emit_bytes(AssemblyContext& ctx);

}  // namespace tarvok
