// The three converters of the side panel: each reads its field, converts it as the same notation
// converts in the source, and writes the result back into the field.
#include <string>

#include "shell/control_ids.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

struct ConverterRow {
    int32_t button;
    std::string input;
    std::string output;  // what the field shows afterwards
    std::string error;   // the text of the "Error." box, "" when none
};

int32_t field_of(int32_t button) {
    return button == NumConvertButton ? NumConvertField
           : button == AsciiValueButton ? AsciiValueField
                                        : ScreenCodeField;
}

void PrintTo(const ConverterRow& row, std::ostream* out) {
    *out << row.button << " '" << row.input << "'";
}

class ConverterTest : public ShellTest, public ::testing::WithParamInterface<ConverterRow> {};

TEST_P(ConverterTest, WritesTheResultIntoItsField) {
    const ConverterRow& row = GetParam();
    start();
    ctx.current_line = 1;  // the line of the last assembly an error box selects
    set_control_text(field_of(row.button), row.input);
    post_and_run(EventControl, MainWindow, row.button);
    EXPECT_EQ(get_control_text(field_of(row.button)), row.output);
    if (row.error.empty()) {
        EXPECT_TRUE(message_log().empty());
        EXPECT_EQ(ctx.error, 0);
        return;
    }
    ASSERT_EQ(message_log().size(), 1u);
    EXPECT_EQ(message_log()[0].title, "Error.");
    EXPECT_EQ(message_log()[0].text, row.error);
    EXPECT_EQ(message_log()[0].selected_line, 1);
    EXPECT_EQ(ctx.error, 1);  // the next assembly clears it
}

const std::string BinaryError = "Binary Number Error,Must Be 8 or 16 Digits.";
const std::string ScreenError = "Invaild Screen Char,I only do @-?,0-63";

INSTANTIATE_TEST_SUITE_P(
    Rows, ConverterTest,
    ::testing::Values(
        // Character codes: the first character that is not a blank, letters as capitals.
        ConverterRow{AsciiValueButton, "A=41", "65", ""},
        ConverterRow{AsciiValueButton, " z ", "90", ""},
        ConverterRow{AsciiValueButton, " ", "32", ""},
        ConverterRow{AsciiValueButton, "   ", "32", ""},
        ConverterRow{AsciiValueButton, "\xA3", "92", ""},  // the pound sign
        ConverterRow{AsciiValueButton, "\"", "34", ""},
        ConverterRow{AsciiValueButton, "", "", ""},
        // Screen codes.
        ConverterRow{ScreenCodeButton, "A=1", "1", ""},
        ConverterRow{ScreenCodeButton, "a", "1", ""},
        ConverterRow{ScreenCodeButton, "@", "0", ""},
        ConverterRow{ScreenCodeButton, "?", "63", ""},
        ConverterRow{ScreenCodeButton, "[", "27", ""},
        ConverterRow{ScreenCodeButton, "\xA3", "28", ""},
        ConverterRow{ScreenCodeButton, "  ", "32", ""},
        ConverterRow{ScreenCodeButton, "\\", "\\", ScreenError},
        ConverterRow{ScreenCodeButton, "_x", "_x", ScreenError},
        // Numbers: decimal to hexadecimal, "$" to decimal, "%" to hexadecimal.
        ConverterRow{NumConvertButton, "4096", "$1000", ""},
        ConverterRow{NumConvertButton, "255", "$00FF", ""},
        ConverterRow{NumConvertButton, "$1000", "dec 4096", ""},
        ConverterRow{NumConvertButton, "$ff", "dec 255", ""},
        ConverterRow{NumConvertButton, "$12345", "dec 4660", ""},
        ConverterRow{NumConvertButton, "#$1234", "dec 18", ""},
        ConverterRow{NumConvertButton, "-1", "$FFFFFFFF", ""},
        ConverterRow{NumConvertButton, "65536", "$10000", ""},
        ConverterRow{NumConvertButton, "%00001111", "$000F", ""},
        ConverterRow{NumConvertButton, "%0000000100000000", "$0100", ""},
        ConverterRow{NumConvertButton, "%101", "%101", BinaryError},
        ConverterRow{NumConvertButton, "Hex-Dec-Hex", "$0000", ""},
        ConverterRow{NumConvertButton, "", "", ""}));

}  // namespace
}  // namespace tarvok::testing
