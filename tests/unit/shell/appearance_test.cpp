// The text colour, background colour and font commands from every menu item, popup item and
// button that reaches them, and the settings file each one leaves behind.
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "runtime/file/file.h"
#include "shell/control_ids.h"
#include "shell/settings_file.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

std::string settings(int32_t size, int32_t style, const std::string& name, int32_t background,
                     int32_t text) {
    return int32_bytes(size) + int32_bytes(style) + name + "\r\n" + int32_bytes(background) +
           int32_bytes(text);
}

enum class Answer { Colour, Font, Cancel };

struct AppearanceRow {
    const char* name;
    int32_t kind;  // EventMenuCommand or EventControl
    int32_t id;
    Answer answer;
    int32_t colour = 0;              // Colour
    std::string face;                // Font
    int32_t size = 0, style = 0;     // Font
    std::string old_file;            // "tarc.bin" before the command; "" for none
    // Afterwards:
    std::string file;                // exact bytes of "tarc.bin"; "" for none written
    std::string editor_font;         // the editor's font, "" for the default one
    int32_t text_colour = 0;
    int32_t background = 0xFFFFFF;
    std::vector<std::string> messages = {};
};

void PrintTo(const AppearanceRow& row, std::ostream* out) { *out << row.name; }

class AppearanceTest : public ShellTest, public ::testing::WithParamInterface<AppearanceRow> {};

TEST_P(AppearanceTest, AppliesAndSavesTheChoice) {
    const AppearanceRow& row = GetParam();
    if (!row.old_file.empty()) {
        write_file("tarc.bin", row.old_file);
    }
    start();
    // Text coloured differently before: the text colour command recolours all of it.
    colour_editor_range(0, 1, 0, 4, 0x00FF00);
    select_editor_range(0, 3, 0, 6);
    if (row.answer == Answer::Colour) script_colour_answer(row.colour);
    if (row.answer == Answer::Font) script_font_answer(row.face, row.size, row.style);
    const std::string text = editor_text();
    post_and_run(row.kind, MainWindow, row.id);

    EXPECT_EQ(message_texts(), row.messages);
    EXPECT_EQ(file_exists(SettingsFileName) ? read_file("tarc.bin") : "", row.file);
    EXPECT_EQ(control_font_name(SourceEditor), row.editor_font);
    EXPECT_EQ(state.text_colour, row.text_colour);
    EXPECT_EQ(state.background_colour, row.background);
    EXPECT_EQ(editor_background(), row.background);
    const int32_t last = static_cast<int32_t>(text.size()) - 1;
    // The text colour command and a font that was taken repaint the whole text.
    const bool recoloured = row.id == MenuTextColour || row.id == PopupTextColour ||
                            row.id == TextColourButton ||
                            (row.answer == Answer::Font && !row.file.empty());
    if (recoloured) {
        EXPECT_EQ(editor_colour_at(0), row.text_colour);
        EXPECT_EQ(editor_colour_at(last), row.text_colour);
    }
    EXPECT_EQ(editor_text(), text);
    ASSERT_FALSE(requester_log().empty());
    if (row.id == MenuSelectFont) {
        EXPECT_EQ(requester_log().back().kind, RequesterKind::Font);
        EXPECT_EQ(requester_log().back().prompt_or_default, "Courier");
    } else {
        EXPECT_EQ(requester_log().back().kind, RequesterKind::Colour);
    }
    // What was saved is what the next start reads.
    if (!row.file.empty()) {
        ShellState next;
        load_settings(next);
        EXPECT_EQ(std::tuple(next.font_name, next.font_size, next.font_style,
                             next.background_colour, next.text_colour),
                  std::tuple(state.font_name, state.font_size, state.font_style,
                             state.background_colour, state.text_colour));
    }
}

AppearanceRow colour_row(const char* name, int32_t kind, int32_t id, int32_t colour, bool text) {
    return {name, kind, id, Answer::Colour, colour, "", 0, 0, "",
            settings(10, 0, "Courier", text ? 0xFFFFFF : colour, text ? colour : 0), "",
            text ? colour : 0, text ? 0xFFFFFF : colour};
}

AppearanceRow font_row(const char* name, std::string face, int32_t size, int32_t style,
                       std::string file, std::string editor_font,
                       std::vector<std::string> messages = {}) {
    return {name, EventMenuCommand, MenuSelectFont, Answer::Font, 0, std::move(face), size, style,
            "", std::move(file), std::move(editor_font), 0, 0xFFFFFF, std::move(messages)};
}

const std::string StoredMono = settings(14, FontItalic, "Mono", 0x00202020, 0x00E0E0E0);

INSTANTIATE_TEST_SUITE_P(
    Rows, AppearanceTest,
    ::testing::Values(
        colour_row("TextColourMenu", EventMenuCommand, MenuTextColour, 0x0000FF, true),
        colour_row("TextColourPopup", EventMenuCommand, PopupTextColour, 0x123456, true),
        colour_row("TextColourButton", EventControl, TextColourButton, 0x00FF00, true),
        colour_row("BackgroundMenu", EventMenuCommand, MenuBackgroundColour, 0x332211, false),
        colour_row("BackgroundPopup", EventMenuCommand, PopupBackgroundColour, 0, false),
        colour_row("BackgroundButton", EventControl, BackgroundColourButton, 0xABCDEF, false),
        // A cancelled dialog is -1, applied and stored like a colour.
        AppearanceRow{"CancelledTextColour", EventMenuCommand, MenuTextColour, Answer::Cancel, 0,
                      "", 0, 0, "", settings(10, 0, "Courier", 0xFFFFFF, -1), "", -1, 0xFFFFFF},
        AppearanceRow{"CancelledBackground", EventControl, BackgroundColourButton,
                      Answer::Cancel, 0, "", 0, 0, "", settings(10, 0, "Courier", -1, 0), "", 0,
                      -1},
        // The file is replaced whole: no tail of a longer earlier file is left behind it.
        AppearanceRow{"LongerOldFileLeavesNoTail", EventMenuCommand, MenuTextColour,
                      Answer::Colour, 0x0000FF, "", 0, 0,
                      settings(12, 0, "A Much Longer Font Name", 0x00FFFFFF, 0) + "old tail",
                      settings(12, 0, "A Much Longer Font Name", 0x00FFFFFF, 0x0000FF),
                      "A Much Longer Font Name", 0x0000FF, 0x00FFFFFF},
        // Courier New, 12 points, bold, on white with black text: the file's 29 bytes.
        font_row("CourierNew12Bold", "Courier New", 12, FontBold,
                 std::string("\x0C\0\0\0\0\x01\0\0Courier New\r\n\xFF\xFF\xFF\0\0\0\0\0", 29),
                 "Courier New"),
        font_row("StyleBits", "Mono", 9, FontItalic | FontUnderline | FontStrikeout,
                 settings(9, 0x20C, "Mono", 0xFFFFFF, 0), "Mono"),
        font_row("FontThatCannotBeLoaded", std::string("Bad\x01", 4), 10, 0, "", "",
                 {"Unable To Load Font"}),
        font_row("FontTooLarge", "Mono", MaxFontSize + 1, 0, "", "", {"Unable To Load Font"}),
        font_row("EmptyFaceChangesNothing", "", 11, 0, "", "")),
    [](const ::testing::TestParamInfo<AppearanceRow>& info) { return std::string(info.param.name); });

using FontDialogTest = ShellTest;

TEST_F(FontDialogTest, CancellingKeepsTheFontButTheNextSaveStoresCourier10) {
    write_file("tarc.bin", StoredMono);
    start();
    ASSERT_EQ(control_font_name(SourceEditor), "Mono");
    post_and_run(EventMenuCommand, MainWindow, MenuSelectFont);
    EXPECT_EQ(control_font_name(SourceEditor), "Mono");
    EXPECT_EQ(read_file("tarc.bin"), StoredMono) << "a cancelled dialog saves nothing";
    EXPECT_EQ(std::tuple(state.font_name, state.font_size, state.font_style),
              std::tuple(std::string("Courier"), 10, 0));
    script_colour_answer(0x00FF0000);
    post_and_run(EventMenuCommand, MainWindow, MenuTextColour);
    EXPECT_EQ(read_file("tarc.bin"), settings(10, 0, "Courier", 0x00202020, 0x00FF0000));
    EXPECT_TRUE(message_log().empty());
}

TEST_F(FontDialogTest, ChosenFontPutsTheCaretAtTheStartAndRepaints) {
    start();
    set_control_text(SourceEditor, "*=$1000\n lda #1\n rts");
    state.background_colour = NoColour;  // set on the editor as it is, -1 too
    state.text_colour = 0x000080;
    select_editor_range(1, 2, 2, 3);
    script_font_answer("Mono", 11, FontBold);
    post_and_run(EventMenuCommand, MainWindow, MenuSelectFont);
    EXPECT_EQ(editor_selection().start, 0);
    EXPECT_EQ(editor_selection().end, 0);
    EXPECT_EQ(editor_colour_at(10), 0x000080);
    EXPECT_EQ(editor_background(), NoColour);
    EXPECT_EQ(read_file("tarc.bin"), settings(11, FontBold, "Mono", -1, 0x000080));
}

using SettingsWriteTest = ShellTest;

TEST_F(SettingsWriteTest, FileThatCannotBeWrittenIsSilentAndTheFieldsKeepTheChoice) {
    start();
    std::filesystem::create_directory(path_of("tarc.bin"));  // a folder where the file should be
    script_colour_answer(0x0000FF);
    post_and_run(EventControl, MainWindow, TextColourButton);
    EXPECT_TRUE(message_log().empty());
    EXPECT_EQ(state.text_colour, 0x0000FF);
    EXPECT_EQ(editor_colour_at(0), 0x0000FF);
    EXPECT_TRUE(std::filesystem::is_directory(path_of("tarc.bin")));
}

}  // namespace
}  // namespace tarvok::testing
