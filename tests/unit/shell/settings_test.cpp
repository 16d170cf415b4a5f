// The settings file read at start-up, and the stored font and colours applied to the editor.
#include <string>

#include "shell/control_ids.h"
#include "shell/settings_file.h"
#include "tests/unit/file/temp_folder.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

struct SettingsRow {
    const char* name;
    std::string file;  // "" with present == false: no file at all
    bool present;
    int32_t font_size, font_style;
    std::string font_name;
    int32_t background, text;
};

void PrintTo(const SettingsRow& row, std::ostream* out) { *out << row.name; }

class LoadSettingsTest : public ShellTest, public ::testing::WithParamInterface<SettingsRow> {};

TEST_P(LoadSettingsTest, ReadsTheFileIntoTheState) {
    const SettingsRow& row = GetParam();
    if (row.present) {
        write_file("tarc.bin", row.file);
    }
    ShellState loaded;
    load_settings(loaded);
    EXPECT_EQ(loaded.settings_loaded, row.present ? 1 : 0);
    EXPECT_EQ(loaded.font_size, row.font_size);
    EXPECT_EQ(loaded.font_style, row.font_style);
    EXPECT_EQ(loaded.font_name, row.font_name);
    EXPECT_EQ(loaded.background_colour, row.background);
    EXPECT_EQ(loaded.text_colour, row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadSettingsTest,
    ::testing::Values(
        SettingsRow{"NoFileKeepsTheDefaults", "", false, 10, 0, "Courier", 0xFFFFFF, 0},
        // Courier New, 12 points, bold, white background, black text: 29 bytes.
        SettingsRow{"CourierNewBold",
                    int32_bytes(12) + int32_bytes(0x100) + "Courier New\r\n" +
                        int32_bytes(0xFFFFFF) + int32_bytes(0),
                    true, 12, 0x100, "Courier New", 0xFFFFFF, 0},
        SettingsRow{"BackgroundComesBeforeText",
                    int32_bytes(9) + int32_bytes(0x200 | 4) + "Mono\r\n" +
                        int32_bytes(0x00332211) + int32_bytes(0x000000FF),
                    true, 9, 0x204, "Mono", 0x00332211, 0x000000FF},
        SettingsRow{"EndsAfterTheNameBlackOnBlack",
                    int32_bytes(11) + int32_bytes(0) + "Fixed\r\n", true, 11, 0, "Fixed", 0, 0},
        SettingsRow{"NameEndedByLineFeedOnly",
                    int32_bytes(10) + int32_bytes(8) + "Serif\n" + int32_bytes(0x00FF0000) +
                        int32_bytes(0x0000FF00),
                    true, 10, 8, "Serif", 0x00FF0000, 0x0000FF00},
        SettingsRow{"NameEndedByZeroByte",
                    int32_bytes(14) + int32_bytes(0) + "Sans" + std::string(1, '\0') +
                        int32_bytes(0x00ABCDEF) + int32_bytes(0x00123456),
                    true, 14, 0, "Sans", 0x00ABCDEF, 0x00123456},
        SettingsRow{"OldTailOfALongerNameIsNeverRead",
                    int32_bytes(10) + int32_bytes(0) + "Mono\r\n" + int32_bytes(0xFFFFFF) +
                        int32_bytes(0x0000FF) + "ier New\r\n" + int32_bytes(0x1234),
                    true, 10, 0, "Mono", 0xFFFFFF, 0x0000FF},
        SettingsRow{"EmptyFileReadsAsZeros", "", true, 0, 0, "", 0, 0},
        SettingsRow{"EndsInsideTheFontSize", "\x0C\x00", true, 0, 0, "", 0, 0},
        SettingsRow{"EndsInsideTheBackground",
                    int32_bytes(12) + int32_bytes(0) + "Mono\r\n" + "\xFF\xFF", true, 12, 0,
                    "Mono", 0, 0},
        SettingsRow{"NameAtTheLengthLimit",
                    int32_bytes(10) + int32_bytes(0) + std::string(MaxFontNameLength, 'F') +
                        "\r\n" + int32_bytes(0x00FF00) + int32_bytes(0x0000FF),
                    true, 10, 0, std::string(MaxFontNameLength, 'F'), 0x00FF00, 0x0000FF},
        // A longer name is no font's: it reads as "", and the colours behind it keep their
        // defaults instead of being read from the middle of the name.
        SettingsRow{"NameOfThousandsOfBytes",
                    int32_bytes(12) + int32_bytes(0x100) + std::string(5000, 'A') + "\r\n" +
                        int32_bytes(0x00FF00) + int32_bytes(0x0000FF),
                    true, 12, 0x100, "", 0xFFFFFF, 0},
        SettingsRow{"MegabytesOfOneByte", std::string(4 << 20, 'x'), true, 0x78787878,
                    0x78787878, "", 0xFFFFFF, 0}),
    [](const ::testing::TestParamInfo<SettingsRow>& info) { return std::string(info.param.name); });

using StoredSettingsTest = ShellTest;

TEST_F(StoredSettingsTest, FontAndColoursAreAppliedAtStartUp) {
    write_file("tarc.bin", int32_bytes(12) + int32_bytes(0x100) + "Courier New\r\n" +
                               int32_bytes(0x00332211) + int32_bytes(0x000000FF));
    start();
    EXPECT_EQ(state.settings_loaded, 1);
    EXPECT_EQ(control_font_name(SourceEditor), "Courier New");
    EXPECT_EQ(editor_background(), 0x00332211);
    EXPECT_EQ(editor_colour_at(0), 0x000000FF);
    EXPECT_EQ(editor_colour_at(20), 0x000000FF);
    EXPECT_TRUE(message_log().empty());
}

// A "tarc.bin" that is a FIFO is no settings file: start-up goes on at once, with the defaults.
TEST_F(StoredSettingsTest, FifoIsNoSettingsFile) {
    testing_files::Fifo fifo("tarc.bin");
    ASSERT_TRUE(fifo.made());
    start();
    EXPECT_EQ(state.settings_loaded, 0);
    EXPECT_EQ(state.font_name, "Courier");
    EXPECT_FALSE(fifo.released_a_reader()) << "start-up waited for a writer";
}

struct BadFontRow {
    const char* name;
    std::string file;
    int32_t background = 0x00445566;
};

void PrintTo(const BadFontRow& row, std::ostream* out) { *out << row.name; }

class FontErrorTest : public ShellTest, public ::testing::WithParamInterface<BadFontRow> {};

TEST_P(FontErrorTest, ReportsOnceAndKeepsTheDefaultFontAndTheStoredValues) {
    write_file("tarc.bin", GetParam().file);
    start();
    ASSERT_EQ(message_log().size(), 1u);
    EXPECT_EQ(message_log()[0].title, "Font Error");
    EXPECT_EQ(message_log()[0].text, "Unable To Load Font");
    EXPECT_EQ(message_log()[0].buttons, ButtonsOk);
    EXPECT_EQ(control_font_name(SourceEditor), "");
    EXPECT_EQ(state.settings_loaded, 1);
    // The colours of the file still apply; the window was built before the message.
    EXPECT_EQ(editor_background(), GetParam().background);
    EXPECT_EQ(get_item_text(SourceEditor, 0).substr(0, 7), "*=$1000");
}

INSTANTIATE_TEST_SUITE_P(
    Files, FontErrorTest,
    ::testing::Values(
        BadFontRow{"SizeZero", int32_bytes(0) + int32_bytes(0) + "Courier New\r\n" +
                                   int32_bytes(0x00445566) + int32_bytes(0)},
        BadFontRow{"EmptyName", int32_bytes(10) + int32_bytes(0) + "\r\n" +
                                    int32_bytes(0x00445566) + int32_bytes(0)},
        // Sizes no font dialog gives (from a damaged file) would leave no line visible.
        BadFontRow{"HugeSize", int32_bytes(0x7FFFFFFF) + int32_bytes(0) + "Courier\r\n" +
                                   int32_bytes(0x00445566) + int32_bytes(0)},
        BadFontRow{"SizeJustAboveTheLargest", int32_bytes(MaxFontSize + 1) + int32_bytes(0) +
                                                  "Courier\r\n" + int32_bytes(0x00445566) +
                                                  int32_bytes(0)},
        BadFontRow{"NameOfControlBytes", int32_bytes(10) + int32_bytes(0) + "\x01\x02\x7F\x03\r\n" +
                                             int32_bytes(0x00445566) + int32_bytes(0)},
        BadFontRow{"NameOfThousandsOfBytes",
                   int32_bytes(10) + int32_bytes(0) + std::string(5000, 'A') + "\r\n" +
                       int32_bytes(0x00445566) + int32_bytes(0),
                   0xFFFFFF}),
    [](const ::testing::TestParamInfo<BadFontRow>& info) { return std::string(info.param.name); });

TEST_F(StoredSettingsTest, FontErrorIsShownOverTheBuiltWindow) {
    write_file("tarc.bin", int32_bytes(-3) + int32_bytes(0) + "Courier\r\n" +
                               int32_bytes(0xFFFFFF) + int32_bytes(0));
    bool window_was_open = false;
    set_message_observer([&](const MessageRecord&) {
        window_was_open = inspect_window(MainWindow).open &&
                          inspect_control(SymbolTabs).kind == ControlKind::TabStrip;
    });
    start();
    set_message_observer(nullptr);
    EXPECT_TRUE(window_was_open);
    EXPECT_EQ(state.font_size, -3);
}

}  // namespace
}  // namespace tarvok::testing
