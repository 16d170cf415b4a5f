#pragma once
// The 60 words the assembler recognises as the first word of a statement: the data directives
// "byte" and "word", the 56 mnemonics of the 6502 in alphabetical order, then "dbyte" and "text".
// A word's position in this list is its row index in the opcode table.

#include <array>
#include <cstdint>
#include <string_view>

namespace tarvok {

inline constexpr int32_t MnemonicCount = 60;

// Row indexes of the data directives.
inline constexpr int32_t RowByte = 0;
inline constexpr int32_t RowWord = 1;
inline constexpr int32_t RowDbyte = 58;
inline constexpr int32_t RowText = 59;

// The table words in row order.
inline constexpr std::array<std::string_view, MnemonicCount> MnemonicWords = {
        "byte", "word",
        "adc", "and", "asl", "bcc", "bcs", "beq", "bit", "bmi", "bne", "bpl", "brk", "bvc",
        "bvs", "clc", "cld", "cli", "clv", "cmp", "cpx", "cpy", "dec", "dex", "dey", "eor",
        "inc", "inx", "iny", "jmp", "jsr", "lda", "ldx", "ldy", "lsr", "nop", "ora", "pha",
        "php", "pla", "plp", "rol", "ror", "rti", "rts", "sbc", "sec", "sed", "sei", "sta",
        "stx", "sty", "tax", "tay", "tsx", "txa", "txs", "tya",
        "dbyte", "text",
};

inline const std::array<std::string_view, MnemonicCount>& mnemonic_list() { return MnemonicWords; }

// Row index of the word among all 60 words (exact, case-sensitive), -1 when it is none of them.
int32_t table_word_row(std::string_view word);

inline bool is_table_word(std::string_view word) { return table_word_row(word) >= 0; }

inline bool is_data_word_row(int32_t row) {
    return row == RowByte || row == RowWord || row == RowDbyte || row == RowText;
}

}  // namespace tarvok
