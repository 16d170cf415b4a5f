#include "assembler/table_words.h"

namespace tarvok {

namespace {

constexpr std::array<std::string_view, MnemonicCount> Words = {
        "byte", "word",
        "adc", "and", "asl", "bcc", "bcs", "beq", "bit", "bmi", "bne", "bpl", "brk", "bvc",
        "bvs", "clc", "cld", "cli", "clv", "cmp", "cpx", "cpy", "dec", "dex", "dey", "eor",
        "inc", "inx", "iny", "jmp", "jsr", "lda", "ldx", "ldy", "lsr", "nop", "ora", "pha",
        "php", "pla", "plp", "rol", "ror", "rti", "rts", "sbc", "sec", "sed", "sei", "sta",
        "stx", "sty", "tax", "tay", "tsx", "txa", "txs", "tya",
        "dbyte", "text",
};

constexpr int32_t Letters = 26;

// Place of a three-letter word among all words of three letters a-z; -1 for any other word.
constexpr int32_t three_letter_key(std::string_view word) {
    if (word.size() != 3) {
        return -1;
    }
    int32_t key = 0;
    for (char c : word) {
        if (c < 'a' || c > 'z') {
            return -1;
        }
        key = key * Letters + (c - 'a');
    }
    return key;
}

// The row of every three-letter word a-z (-1 for most), made when the program is compiled.
using ThreeLetterRows = std::array<int8_t, static_cast<std::size_t>(Letters * Letters * Letters)>;
constexpr ThreeLetterRows make_three_letter_rows() {
    ThreeLetterRows table{};
    for (int8_t& row : table) {
        row = -1;
    }
    for (int32_t row = 0; row < MnemonicCount; ++row) {
        const int32_t key = three_letter_key(Words[static_cast<std::size_t>(row)]);
        if (key >= 0) {
            table[static_cast<std::size_t>(key)] = static_cast<int8_t>(row);
        }
    }
    return table;
}
constexpr ThreeLetterRows ThreeLetterRowTable = make_three_letter_rows();

}  // namespace

const std::array<std::string_view, MnemonicCount>& mnemonic_list() { return Words; }

int32_t table_word_row(std::string_view word) {
    // Every mnemonic has three letters: one array lookup finds its row. The four longer words
    // are compared directly.
    if (const int32_t key = three_letter_key(word); key >= 0) {
        return ThreeLetterRowTable[static_cast<std::size_t>(key)];
    }
    if (word.size() == 4) {
        for (int32_t row : {RowByte, RowWord, RowText}) {
            if (word == Words[static_cast<std::size_t>(row)]) {
                return row;
            }
        }
    }
    return word == Words[RowDbyte] ? RowDbyte : -1;
}

}  // namespace tarvok
