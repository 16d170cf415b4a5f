#pragma once
// The 6502 instruction set as the assembler knows it: 60 table words (the data directives "byte",
// "word", "dbyte", "text" and the 56 mnemonics) and, for the first 58 of them, one opcode per
// addressing-mode column. A cell of 0 means the instruction has no opcode there and is emitted as 00.

#include <cstdint>
#include <string_view>

#include "assembler/table_words.h"

namespace tarvok {

inline constexpr int32_t OpcodeRows = 58;
inline constexpr int32_t OpcodeColumns = 8;

// Fills the opcode array from the built-in data; called once at start-up, before any assembly.
// Calling it again does no harm.
void load_opcode_table();

// Row index of a word among rows 0..58 (so "text" is never found); -1 when it is no table word.
int32_t find_row(std::string_view mnemonic);

// The opcode cell of a row (0..57) and column (0..7); 0 outside the table.
int32_t opcode_at(int32_t row, int32_t column);

}  // namespace tarvok
