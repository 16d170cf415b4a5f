#include "assembler/table_words.h"

#include <algorithm>

namespace tarvok {

namespace {

constexpr int32_t Letters = 26;

// Place of a letter a-z in the alphabet; -1 for any other byte.
constexpr int32_t letter_index(char c) { return c >= 'a' && c <= 'z' ? c - 'a' : -1; }

// Place of a three-letter word among all words of three letters a-z; -1 for any other word.
constexpr int32_t three_letter_key(std::string_view word) {
    if (word.size() != 3) {
        return -1;
    }
    const int32_t a = letter_index(word[0]);
    const int32_t b = letter_index(word[1]);
    const int32_t c = letter_index(word[2]);
    return (a | b | c) < 0 ? -1 : (a * Letters + b) * Letters + c;
}

// The row of every three-letter word a-z (-1 for most), made when the program is compiled.
using ThreeLetterRows = std::array<int8_t, static_cast<std::size_t>(Letters * Letters * Letters)>;
constexpr ThreeLetterRows make_three_letter_rows() {
    ThreeLetterRows table{};
    for (int8_t& row : table) {
        row = -1;
    }
    for (int32_t row = 0; row < MnemonicCount; ++row) {
        const int32_t key = three_letter_key(MnemonicWords[static_cast<std::size_t>(row)]);
        if (key >= 0) {
            table[static_cast<std::size_t>(key)] = static_cast<int8_t>(row);
        }
    }
    return table;
}
constexpr ThreeLetterRows ThreeLetterRowTable = make_three_letter_rows();

}  // namespace

int32_t table_word_row(std::string_view word) {
    // Every mnemonic has three letters: one array lookup finds its row. A byte below "a" wraps
    // round to a large place, so one comparison tells letters. The four longer words are compared
    // directly.
    if (word.size() == 3) {
        const auto place = [&](std::size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(word[i])) - 'a'; };
        const uint32_t a = place(0);
        const uint32_t b = place(1);
        const uint32_t c = place(2);
        if (std::max(a, std::max(b, c)) >= static_cast<uint32_t>(Letters)) {
            return -1;
        }
        return ThreeLetterRowTable[(a * Letters + b) * Letters + c];
    }
    if (word.size() == 4) {
        for (const int32_t row : {RowByte, RowWord, RowText}) {
            if (word == MnemonicWords[static_cast<std::size_t>(row)]) {
                return row;
            }
        }
        return -1;
    }
    return word == MnemonicWords[RowDbyte] ? RowDbyte : -1;
}

}  // namespace tarvok
