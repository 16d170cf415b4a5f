// Cutting texts: length, comparison, left / right / mid with every out-of-range case.
#include <gtest/gtest.h>

#include <string>

#include "runtime/text/text.h"

namespace tarvok {
namespace {

TEST(TextCuts, LengthCountsBytesIncludingLatin1) {
    EXPECT_EQ(text_length(""), 0);
    EXPECT_EQ(text_length("lda #$10"), 8);
    EXPECT_EQ(text_length("\xC4\xD6\xDC"), 3);
}

TEST(TextCuts, EqualIsExactAndCaseSensitive) {
    struct Row { const char* a; const char* b; bool equal; };
    const Row rows[] = {
        {"", "", true},        {"lda", "lda", true}, {"lda", "LDA", false},
        {"lda", "lda ", false}, {"ld", "lda", false}, {"\xE4", "\xC4", false},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(text_equal(r.a, r.b), r.equal) << '"' << r.a << "\" vs \"" << r.b << '"';
    }
}

TEST(TextCuts, LeftAndRight) {
    struct Row { const char* s; int n; const char* left; const char* right; };
    const Row rows[] = {
        {"ABCDE", 2, "AB", "DE"},
        {"ABCDE", 0, "", ""},
        {"ABCDE", -3, "", ""},
        {"ABCDE", 5, "ABCDE", "ABCDE"},
        {"ABCDE", 6, "ABCDE", "ABCDE"},
        {"ABCDE", 2147483647, "ABCDE", "ABCDE"},
        {"ABCDE", -2147483647 - 1, "", ""},
        {"", 3, "", ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(left_text(r.s, r.n), r.left) << r.s << " n=" << r.n;
        EXPECT_EQ(right_text(r.s, r.n), r.right) << r.s << " n=" << r.n;
    }
}

TEST(TextCuts, MidTakesUpToLenFromOneBasedStart) {
    struct Row { const char* s; int start; int len; const char* result; };
    const Row rows[] = {
        {"ABC", 1, 2, "AB"},
        {"ABC", 0, 2, "AB"},          // start <= 1 counts as 1
        {"ABC", -5, 1, "A"},
        {"ABC", 2, 99, "BC"},         // fewer characters when s ends first
        {"ABC", 3, 1, "C"},
        {"ABC", 4, 1, ""},            // beyond the last character
        {"ABC", 2147483647, 5, ""},
        {"ABC", 2, 0, ""},
        {"ABC", 2, -1, ""},
        {"ABC", 2, 2147483647, "BC"},
        {"", 1, 1, ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(mid_text(r.s, r.start, r.len), r.result) << r.s << " start=" << r.start << " len=" << r.len;
    }
}

}  // namespace
}  // namespace tarvok
