// Searching, counting, removing and replacing: one left-to-right pass, non-overlapping matches.
#include <gtest/gtest.h>

#include "runtime/text/text.h"

namespace tarvok {
namespace {

TEST(TextSearch, FindTextPositions) {
    struct Row { const char* s; const char* pattern; int start; int result; };
    const Row rows[] = {
        {"LDA #$10", "#", 0, 5},
        {"LDA #$10", "#", 1, 5},
        {"LDA #$10", "#", 5, 5},      // a match exactly at start counts
        {"LDA #$10", "#", 6, 0},
        {"LDA #$10", "#", -7, 5},     // start <= 0 counts as 1
        {"abc", "c", 3, 3},
        {"abc", "c", 4, 0},           // start = length + 1 searches the empty rest
        {"abc", "", 2, 2},            // an empty pattern is found at start
        {"abc", "", 4, 4},
        {"abc", "", 5, 0},            // start beyond length + 1
        {"abc", "", 0, 1},
        {"abc", "abcd", 1, 0},        // a comparison that runs into the end fails
        {"abc", "bc", 1, 2},
        {"abcabc", "abc", 2, 4},      // counted from the beginning of s, not from start
        {"LDA", "lda", 1, 0},         // exact comparison
        {"", "a", 1, 0},
        {"", "", 1, 1},
        {"aaab", "aab", 1, 2},        // retries after a partial match
        {"x.asm.txt", ".", 3, 6},
        {"abc", "c", 2147483647, 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(find_text(r.s, r.pattern, r.start), r.result)
            << "find '" << r.pattern << "' in '" << r.s << "' from " << r.start;
    }
}

TEST(TextSearch, FindTextStartsAtOneByDefault) {
    EXPECT_EQ(find_text("*=$1000", "="), 2);
}

TEST(TextSearch, CountTextNonOverlapping) {
    struct Row { const char* s; const char* pattern; int result; };
    const Row rows[] = {
        {"a+b+c", "+", 2},
        {"aaaa", "aa", 2},
        {"aaa", "aa", 1},
        {"abc", "", 0},
        {"", "a", 0},
        {"abc", "abcd", 0},
        {"abab", "ab", 2},
        {"Aa", "a", 1},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(count_text(r.s, r.pattern), r.result) << "count '" << r.pattern << "' in '" << r.s << "'";
    }
}

TEST(TextSearch, RemoveTextSinglePass) {
    struct Row { const char* s; const char* pattern; CaseMode mode; const char* result; };
    const Row rows[] = {
        {"LDX #$10,Y", "y", CaseMode::IgnoreAsciiCase, "LDX #$10,"},
        {"LDX #$10,Y", "y", CaseMode::Exact, "LDX #$10,Y"},
        {"aabb", "ab", CaseMode::Exact, "ab"},          // what comes together stays
        {"lda  ( $10 ) , y", " ", CaseMode::Exact, "lda($10),y"},
        {"aaa", "aa", CaseMode::Exact, "a"},
        {"ABab", "ab", CaseMode::IgnoreAsciiCase, ""},
        {"IncludeBinary x", "includebinary", CaseMode::IgnoreAsciiCase, " x"},
        {"\xC4\xE4", "\xE4", CaseMode::IgnoreAsciiCase, "\xC4"},  // only A-Z / a-z fold
        {"abc", "", CaseMode::Exact, "abc"},
        {"", "x", CaseMode::Exact, ""},
        {"xxx", "x", CaseMode::Exact, ""},
        {"  $f5    ", " ", CaseMode::Exact, "$f5"},  // blanks at both ends only
        {"zp1,zp1,$c8,%11100111,$8d,$ff  ", " ", CaseMode::Exact, "zp1,zp1,$c8,%11100111,$8d,$ff"},
        {"zp1, zp1,$c8,%11100111,$8d,$ff ,x", " ", CaseMode::Exact, "zp1,zp1,$c8,%11100111,$8d,$ff,x"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(remove_text(r.s, r.pattern, r.mode), r.result)
            << "remove '" << r.pattern << "' from '" << r.s << "' mode " << static_cast<int>(r.mode);
    }
}

TEST(TextSearch, RemoveTextDefaultsToExact) {
    EXPECT_EQ(remove_text("Tab\tTAB", "tab"), "Tab\tTAB");
    EXPECT_EQ(remove_text("Tab\tTAB", "\t"), "TabTAB");
}

TEST(TextSearch, ReplaceTextSinglePass) {
    struct Row { const char* s; const char* pattern; const char* replacement; const char* result; };
    const Row rows[] = {
        {"lda $10", "lda", "ldx", "ldx $10"},
        {"aaaa", "aa", "b", "bb"},
        {"aaa", "aa", "b", "ba"},
        {"abc", "", "x", "abc"},        // empty pattern: unchanged
        {"a,b,c", ",", "", "abc"},      // empty replacement removes
        {"ab", "a", "aa", "aab"},       // the replacement is not scanned again
        {"LDA lda", "lda", "sta", "LDA sta"},
        {"x", "x", "yyy", "yyy"},
        {"", "x", "y", ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(replace_text(r.s, r.pattern, r.replacement), r.result)
            << "replace '" << r.pattern << "' by '" << r.replacement << "' in '" << r.s << "'";
    }
}

}  // namespace
}  // namespace tarvok
