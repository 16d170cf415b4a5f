// Character codes, decimal parsing with its wrap-around, decimal and hexadecimal formatting.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "runtime/text/text.h"

namespace tarvok {
namespace {

TEST(TextNumbers, CharCodeAndCharText) {
    EXPECT_EQ(char_code(""), 0);
    EXPECT_EQ(char_code("A"), 65);
    EXPECT_EQ(char_code("AB"), 65);
    EXPECT_EQ(char_code("\xFF"), 255);  // unsigned, not -1
    EXPECT_EQ(char_code("\xC4x"), 0xC4);

    struct Row { int32_t c; std::string text; };
    const Row rows[] = {
        {0, ""},  // a text never holds NUL
        {65, "A"},
        {321, "A"},  // low 8 bits
        {256, ""},
        {255, "\xFF"},
        {-1, "\xFF"},
        {-191, "A"},  // 0xFFFFFF41
    };
    for (const Row& r : rows) EXPECT_EQ(char_text(r.c), r.text) << "char_text(" << r.c << ")";
}

TEST(TextNumbers, ParseDecimal) {
    struct Row { const char* s; int32_t value; };
    const Row rows[] = {
        {"", 0},
        {"-", 0},
        {"+", 0},
        {"0", 0},
        {"42", 42},
        {"  42abc", 42},
        {" 65535", 65535},
        {"-7", -7},
        {"+5", 5},
        {"- 5", 0},           // no blank after the sign
        {"+-5", 0},           // only one sign
        {"--5", 0},
        {"\t5", 0},           // only blanks are skipped
        {"$10", 0},           // no prefixes
        {"%101", 0},
        {"0x10", 0},
        {"007", 7},
        {"12 34", 12},
        {"2147483647", 2147483647},
        {"2147483648", -2147483647 - 1},
        {"-2147483648", -2147483647 - 1},
        {"4294967295", -1},
        {"4294967296", 0},
        {"4294967297", 1},    // wraps in unsigned 32-bit arithmetic
        {"-4294967297", -1},
        {"99999999999999999999", static_cast<int32_t>(UINT32_C(1661992959))},  // 10^20-1 mod 2^32
    };
    for (const Row& r : rows) EXPECT_EQ(parse_decimal(r.s), r.value) << "parse '" << r.s << "'";
}

TEST(TextNumbers, FormatDecimal) {
    struct Row { int32_t v; const char* text; };
    const Row rows[] = {
        {0, "0"}, {7, "7"}, {-1, "-1"}, {65535, "65535"},
        {2147483647, "2147483647"}, {-2147483647 - 1, "-2147483648"},
    };
    for (const Row& r : rows) EXPECT_EQ(format_decimal(r.v), r.text);
}

TEST(TextNumbers, FormatHex) {
    struct Row { int32_t v; const char* text; };
    const Row rows[] = {
        {0, "0"},
        {9, "9"},
        {10, "A"},
        {255, "FF"},
        {4096, "1000"},
        {49152, "C000"},
        {65535, "FFFF"},
        {65536, "10000"},
        {0x7FFFFFFF, "7FFFFFFF"},
        {-1, "FFFFFFFF"},
        {-256, "FFFFFF00"},
        {-2147483647 - 1, "80000000"},
    };
    for (const Row& r : rows) EXPECT_EQ(format_hex(r.v), r.text) << "format_hex(" << r.v << ")";
}

TEST(TextNumbers, DecimalRoundTrip) {
    const int32_t values[] = {0, 1, -1, 255, 256, -32768, 65535, 2147483647, -2147483647 - 1};
    for (int32_t v : values) EXPECT_EQ(parse_decimal(format_decimal(v)), v);
}

TEST(TextNumbers, AddressDisplay) {
    EXPECT_EQ(text_pad_left(format_hex(0x801), 4, "0"), "0801");
    EXPECT_EQ(text_pad_left(format_hex(0x12345), 4, "0"), "1234");
}

}  // namespace
}  // namespace tarvok
