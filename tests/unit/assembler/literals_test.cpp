#include <string>

#include "assembler/literals.h"
#include "runtime/window/script.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

using LiteralTest = AssemblyFixture;

struct LiteralRow {
    const char* text;
    const char* decimal;
};

TEST_F(LiteralTest, EveryNotationGivesItsDecimalValue) {
    const LiteralRow rows[] = {
        {"$ff", "255"}, {"$FF", "255"}, {"$00ff", "255"}, {"$1000", "4096"}, {"$", "0"},
        {"$12345", "4660"},        // four digits after "$" only
        {"$g000", "290816"},       // a stray character adds its code times its weight
        {"$1 0", "16"},            // blanks go first
        {"#$1234", "18"},          // two digits after "#$" only
        {"#$f", "15"}, {"#10", "10"}, {"#%00001111", "15"}, {"#\"a\"", "65"},
        {"%10000001", "129"}, {"%0000000100000000", "256"}, {"%2222222x", "0"},
        {"%1111111111111111", "65535"},
        {"65536", "65536"}, {"123456", "12345"}, {"4096;start", "4096"},
        {"-5", "0"}, {"+5", "0"}, {"name", "0"}, {"", "0"},
        {"\" \"", "32"}, {"\"\"", "32"}, {"` `", "32"},
        {"\"a\"", "65"}, {"\"A\"", "65"}, {"\"a", "65"},  // the closing quote is not needed
        {"\"\xA3\"", "92"},        // pound sign
        {"\"1\"", "49"},
        {"`@`", "0"}, {"`a`", "1"}, {"`A`", "1"}, {"`[`", "27"}, {"`\xA3`", "28"}, {"`]`", "29"},
        {"`^`", "30"}, {"`1`", "49"}, {"`?`", "63"}, {"```", "39"}, {"`z`", "26"},
    };
    for (const auto& row : rows) {
        clear_logs();
        ctx.error = 0;
        EXPECT_EQ(literal_to_decimal(ctx, row.text), row.decimal) << "literal: " << row.text;
        EXPECT_EQ(ctx.error, 0) << row.text;
        EXPECT_TRUE(message_log().empty()) << row.text;
    }
}

struct RefusedRow {
    const char* text;
    const char* message;
};

TEST_F(LiteralTest, BadBinaryAndScreenCodesAreReportedAtTheCurrentLine) {
    const RefusedRow rows[] = {
        {"%101", "Binary Number Error,Must Be 8 or 16 Digits."},
        {"%000000001", "Binary Number Error,Must Be 8 or 16 Digits."},
        {"%", "Binary Number Error,Must Be 8 or 16 Digits."},
        {"`\\`", "Invaild Screen Char,I only do @-?,0-63"},
        {"`_`", "Invaild Screen Char,I only do @-?,0-63"},
        {"`{`", "Invaild Screen Char,I only do @-?,0-63"},
    };
    set_control_text(MainEditorId, "line 0\nline 1\nline 2\nline 3");
    for (const auto& row : rows) {
        clear_logs();
        ctx.error = 0;
        ctx.current_line = 2;
        EXPECT_EQ(literal_to_decimal(ctx, row.text), "0") << row.text;
        EXPECT_EQ(ctx.error, 1) << row.text;
        ASSERT_EQ(message_log().size(), 1u) << row.text;
        EXPECT_EQ(message_log()[0].title, "Error.");
        EXPECT_EQ(message_log()[0].text, row.message);
        EXPECT_EQ(message_log()[0].selected_line, 2) << row.text;
    }
}

TEST(HexDigits, ShortTextsArePaddedAndAnyCharacterCounts) {
    EXPECT_EQ(hex_to_decimal(""), "0");
    EXPECT_EQ(hex_to_decimal("f"), "15");
    EXPECT_EQ(hex_to_decimal("1f"), "31");
    EXPECT_EQ(hex_to_decimal("abc"), "2748");
    EXPECT_EQ(hex_to_decimal("FFFF"), "65535");
    EXPECT_EQ(hex_to_decimal("g"), "71");  // "G" after upper-casing, weight 1
}

}  // namespace
}  // namespace tarvok::testing
