#pragma once
// The one conversion of every number notation of the source to decimal text: decimal, "$"
// hexadecimal, "#$" immediate hexadecimal, "%" binary, a double-quoted character (its character
// code) and a backtick character (its C64 screen code).

#include <string>
#include <string_view>

#include "assembler/context.h"

namespace tarvok {

// Decimal text of the literal. Only two inputs are refused: a binary number whose digit count is
// not 8 or 16, and a character without a screen code; both select ctx.current_line in the editor,
// show their message, set ctx.error and give "0". Every other text gives some number.
std::string literal_to_decimal(AssemblyContext& ctx, std::string_view text);

// The number literal_to_decimal gives as text (what parse_decimal reads back from it).
int32_t literal_value(AssemblyContext& ctx, std::string_view text);

// literal_value of the quoted character c: quote, c, quote.
int32_t quoted_character_value(AssemblyContext& ctx, char quote, char c);

// The number of up to four hexadecimal digit characters, as literal_value reads the digits after a
// "$": fewer are padded on the left with "0" (worth nothing), more are cut to their first four, each
// place is read upper-cased, and any other character counts with its own character code as its
// digit value.
int32_t hex_value(std::string_view digits);

// Decimal text of up to four hexadecimal digit characters; any other character counts with its own
// character code as its digit value.
std::string hex_to_decimal(std::string_view digits);

}  // namespace tarvok
