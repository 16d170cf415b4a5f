// The scan for include directives finds the word where a plain search finds it, from every place
// of texts full of its pieces, near the ends of the blocks it looks at at once.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "assembler/includes.h"

namespace tarvok {
namespace {

TEST(IncludeScan, FindsTheWordWhereAPlainSearchFindsIt) {
    const std::vector<std::string> pieces = {"include", "inclu", "includ", "clude", "i", "u", "iu", "i   u",
                                             "incl", "x", " ", "\n", "includebinary", "iiiiuuuu"};
    std::vector<std::string> texts = {"", "include", std::string(63, 'x') + "include",
                                      std::string(64, 'x') + "include", std::string(70, 'x') + "include",
                                      std::string(57, 'x') + "include" + std::string(70, 'x')};
    std::mt19937 random(5);
    for (int n = 0; n < 300; ++n) {
        std::string text;
        for (auto count = random() % 40; count > 0; --count) {
            text += pieces[random() % pieces.size()];
            // Mostly filler, so that words fall at every place of a block.
            text += std::string(random() % 16, 'x');
        }
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        for (std::size_t from = 0; from <= text.size() + 1; ++from) {
            ASSERT_EQ(find_include_word(text, from), std::string_view(text).find("include", from))
                << ::testing::PrintToString(text) << " from " << from;
        }
    }
}

}  // namespace
}  // namespace tarvok
