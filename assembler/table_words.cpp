#include "assembler/table_words.h"

#include <string>
#include <unordered_map>

namespace tarvok {

const std::array<std::string_view, MnemonicCount>& mnemonic_list() {
    static constexpr std::array<std::string_view, MnemonicCount> words = {
        "byte", "word",
        "adc", "and", "asl", "bcc", "bcs", "beq", "bit", "bmi", "bne", "bpl", "brk", "bvc",
        "bvs", "clc", "cld", "cli", "clv", "cmp", "cpx", "cpy", "dec", "dex", "dey", "eor",
        "inc", "inx", "iny", "jmp", "jsr", "lda", "ldx", "ldy", "lsr", "nop", "ora", "pha",
        "php", "pla", "plp", "rol", "ror", "rti", "rts", "sbc", "sec", "sed", "sei", "sta",
        "stx", "sty", "tax", "tay", "tsx", "txa", "txs", "tya",
        "dbyte", "text",
    };
    return words;
}

int32_t table_word_row(std::string_view word) {
    static const std::unordered_map<std::string_view, int32_t> rows = [] {
        std::unordered_map<std::string_view, int32_t> map;
        const auto& words = mnemonic_list();
        for (int32_t row = 0; row < MnemonicCount; ++row) {
            map.emplace(words[row], row);
        }
        return map;
    }();
    auto it = rows.find(word);
    return it == rows.end() ? -1 : it->second;
}

}  // namespace tarvok
