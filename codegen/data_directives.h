#pragma once
// The data directives "byte", "word", "dbyte" and "text": one "data" record per program byte.

#include <string_view>

#include "assembler/context.h"

namespace tarvok {

// Turns the operand field of a data directive into its data records, in byte order. A plain field
// of "byte", "word" or "dbyte" takes the short way (add_plain_data_field), every other field the
// full one; both give the same records.
void handle_data_directive(AssemblyContext& ctx, std::string_view word, std::string_view operand);

// Most fields of "byte", "word" and "dbyte" (the text between two commas) are plain: a name, a
// decimal number, a "$" number, an 8- or 16-digit "%" number or a double-quoted character, perhaps
// with "<" or ">" in front of it, blanks only around it. Such a field holds nothing the full way
// takes out of it, so it is looked up and read where it stands, with the same records and operand
// text. False (and nothing changed) for every other field, and for a field the full way refuses
// with its message.
bool add_plain_data_field(AssemblyContext& ctx, std::string_view word, std::string_view field);

// handle_data_directive with every field taken the full way: the operand's blanks removed, each
// field's "<" or ">" (and "#") taken out, a variable's value read back from its decimal text.
void handle_data_directive_in_full(AssemblyContext& ctx, std::string_view word, std::string_view operand);

}  // namespace tarvok
