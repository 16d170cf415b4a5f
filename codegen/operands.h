#pragma once
// Instruction statements: their records, the shape of their operands and their operand values.

#include <string>
#include <string_view>

#include "assembler/context.h"

namespace tarvok {

// Creates the line's instruction record (once per line) for a mnemonic (text that lives for the
// whole program, as the instruction table's words do) of table row `row`, and returns the operand
// field to resolve; "asl a", "lsr a", "rol a" and "ror a" lose their operand.
std::string_view prepare_instruction(AssemblyContext& ctx, std::string_view word, int32_t row,
                                     std::string_view operand);

// The operand stripped of its mode markers; the shape's AddressingMode goes to ctx.current_mode.
// An operator outside quotes marks `rec` (when given) as carrying an expression.
std::string classify_operand_shape(AssemblyContext& ctx, std::string_view operand, StatementEntry* rec);

// Fills the current record's operand fields from a variable, a label or a number; an unknown
// name without a "0" in it is refused.
void resolve_operand(AssemblyContext& ctx, std::string_view operand);

// Most operands are of a few common forms (read_operand_form): a name or number with "#", "$",
// "%", ",x" or ",y", a name plus or minus a term, "<" or ">" before a name, an indirect "(name),y",
// "(name,x)" or "(name)", a quoted character, or none at all. For each of them every search of
// the full resolution has one known answer, so it is resolved in one look at its bytes, with the
// same results. False (and nothing changed) for every other operand, and for a number the full
// resolution refuses.
bool resolve_plain_operand(AssemblyContext& ctx, std::string_view operand);

// resolve_operand by the full, general resolution, which every operand shape goes through; an
// operand of a common form takes a shorter way to the same results (resolve_plain_operand).
void resolve_operand_in_full(AssemblyContext& ctx, std::string_view operand);

// True for a quoted character c: c between two double quotes or between two backticks.
bool holds_quoted(std::string_view text, char c);

}  // namespace tarvok
