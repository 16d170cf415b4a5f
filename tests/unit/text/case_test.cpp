// Case changes over the Latin-1 table, including the bytes where lowering and raising are not
// mirror images of each other.
#include <gtest/gtest.h>

#include <string>

#include "runtime/text/text.h"

namespace tarvok {
namespace {

std::string byte_text(int b) { return std::string(1, static_cast<char>(b)); }

TEST(TextCase, SingleBytes) {
    struct Row { int byte; int lowered; int raised; };
    const Row rows[] = {
        {0x40, 0x40, 0x40},  // '@'
        {0x41, 0x61, 0x41},  // 'A'
        {0x5A, 0x7A, 0x5A},  // 'Z'
        {0x5B, 0x5B, 0x5B},  // '['
        {0x60, 0x60, 0x60},  // '`'
        {0x61, 0x61, 0x41},  // 'a'
        {0x7A, 0x7A, 0x5A},  // 'z'
        {0x7B, 0x7B, 0x7B},  // '{'
        {0xBF, 0xBF, 0xBF},
        {0xC0, 0xE0, 0xC0},
        {0xC4, 0xE4, 0xC4},
        {0xD7, 0xF7, 0xD7},  // lowered, although it is the multiplication sign
        {0xDE, 0xFE, 0xDE},
        {0xDF, 0xDF, 0xDF},  // neither lowered nor raised
        {0xE0, 0xE0, 0xC0},
        {0xF7, 0xF7, 0xD7},  // raised, although it is the division sign
        {0xFE, 0xFE, 0xDE},
        {0xFF, 0xFF, 0xDF},  // raised
        {0x01, 0x01, 0x01},
        {0x30, 0x30, 0x30},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(lower_text(byte_text(r.byte)), byte_text(r.lowered)) << "lower 0x" << std::hex << r.byte;
        EXPECT_EQ(upper_text(byte_text(r.byte)), byte_text(r.raised)) << "upper 0x" << std::hex << r.byte;
    }
}

TEST(TextCase, WholeTexts) {
    EXPECT_EQ(lower_text("LDA #$FF ;Start Address"), "lda #$ff ;start address");
    EXPECT_EQ(upper_text("lda #$ff ;start"), "LDA #$FF ;START");
    EXPECT_EQ(lower_text(""), "");
    EXPECT_EQ(upper_text(""), "");
}

TEST(TextCase, EveryByteChangesAtMostOnceAndLengthStays) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string lowered = lower_text(all);
    const std::string raised = upper_text(all);
    ASSERT_EQ(lowered.size(), all.size());
    ASSERT_EQ(raised.size(), all.size());
    int lowered_changes = 0;
    int raised_changes = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (lowered[i] != all[i]) ++lowered_changes;
        if (raised[i] != all[i]) ++raised_changes;
        // A long text is lowered many bytes at a time, a single byte on its own: both agree.
        EXPECT_EQ(lowered.substr(i, 1), lower_text(all.substr(i, 1))) << "lower 0x" << std::hex << (i + 1);
    }
    // 26 ASCII letters plus 0xC0-0xDE (31 bytes) and 0xE0-0xFF (32 bytes).
    EXPECT_EQ(lowered_changes, 26 + 31);
    EXPECT_EQ(raised_changes, 26 + 32);
}

// Lowering from one buffer into another gives lower_text, byte for byte as each byte alone is
// lowered, at every length and alignment (sixteen, eight and single bytes at a time), and leaves
// the source as it was.
TEST(TextCase, LoweringIntoAnotherBufferGivesLowerText) {
    std::string all;
    for (int round = 0; round < 2; ++round) {
        for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b * 7 + round));
    }
    for (std::size_t from = 0; from < 4; ++from) {
        for (std::size_t n = 0; n <= 80; ++n) {
            const std::string source = all.substr(from * 61, n);
            std::string expected;
            for (const char c : source) expected += lower_text(std::string(1, c));
            std::string lowered(n + 2, '#');
            lower_bytes(lowered.data() + 1, source.data(), n);
            EXPECT_EQ(lowered, "#" + expected + "#") << from << " " << n;
            EXPECT_EQ(source, all.substr(from * 61, n));
        }
    }
}

}  // namespace
}  // namespace tarvok
