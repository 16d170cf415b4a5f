// Fields of a separated text and left padding.
#include <gtest/gtest.h>

#include <string>

#include "runtime/text/text.h"

namespace tarvok {
namespace {

TEST(TextFields, FieldText) {
    struct Row { const char* s; int index; const char* separator; const char* result; };
    const Row rows[] = {
        {"10,20,30", 1, ",", "10"},
        {"10,20,30", 2, ",", "20"},
        {"10,20,30", 3, ",", "30"},
        {"10,20,30", 4, ",", ""},     // s ends before the field closes
        {"10,20,30", 0, ",", "10"},   // index < 1 counts as 1
        {"10,20,30", -3, ",", "10"},
        {"a,,b", 2, ",", ""},         // consecutive separators give empty fields
        {"a,,b", 3, ",", "b"},
        {",a", 1, ",", ""},
        {",a", 2, ",", "a"},
        {"a,", 2, ",", ""},           // the end of s closes the last, empty field
        {"a,", 3, ",", ""},
        {"", 1, ",", ""},
        {"10,20", 2, "", "10,20"},    // no separator: s itself
        {"10;20,30", 2, ";,", "20,30"},  // only the separator's first character counts
        {"abc", 1, ",", "abc"},
        {"abc", 2, ",", ""},
        {"a b c", 3, " ", "c"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(field_text(r.s, r.index, r.separator), r.result)
            << "field " << r.index << " of '" << r.s << "' on '" << r.separator << "'";
    }
}

TEST(TextFields, PadLeft) {
    struct Row { const char* s; int n; const char* fill; const char* result; };
    const Row rows[] = {
        {"A", 4, "0", "000A"},
        {"10000", 4, "0", "1000"},    // a longer text keeps its first n characters
        {"FFFF", 4, "0", "FFFF"},
        {"", 3, "0", "000"},
        {"12", 0, "0", ""},
        {"12", -1, "0", ""},
        {"7", 3, "xy", "xx7"},        // only the first character of fill
        {"7", 3, "", "  7"},          // no fill character: blanks
    };
    for (const Row& r : rows) {
        EXPECT_EQ(text_pad_left(r.s, r.n, r.fill), r.result) << "pad '" << r.s << "' to " << r.n;
    }
}

TEST(TextFields, PadLeftWithBlankByDefault) {
    EXPECT_EQ(text_pad_left("42", 5), "   42");
    EXPECT_EQ(text_pad_left("42", 5).size(), 5u);
}

}  // namespace
}  // namespace tarvok
