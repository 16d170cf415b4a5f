// Start-up: what the program shows and holds before the first event.
#include <filesystem>
#include <string>

#include "assembler/display_ids.h"
#include "codegen/instruction_table.h"
#include "shell/control_ids.h"
#include "shell/shell.h"
#include "tests/unit/shell/main_window_table.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

using StartUpTest = ShellTest;

TEST_F(StartUpTest, EditorHoldsTheExampleLineAndTwoEmptyLines) {
    start();
    EXPECT_EQ(count_items(SourceEditor), 3);
    EXPECT_EQ(get_item_text(SourceEditor, 0), expected::ExampleLine);
    EXPECT_EQ(get_item_text(SourceEditor, 1), "");
    EXPECT_EQ(get_item_text(SourceEditor, 2), "");
    EXPECT_EQ(editor_text(), std::string(expected::ExampleLine) + "\n\n");
}

TEST_F(StartUpTest, SidePanelAndProgressStartEmpty) {
    ctx.progress = 7;  // whatever a context held, start-up shows the fresh value
    start();
    ASSERT_EQ(count_items(SymbolList), 1);
    EXPECT_EQ(get_item_text(SymbolList, 0), "No Variables");
    EXPECT_EQ(get_control_state(ProgressBar), 0);
    EXPECT_EQ(get_control_state(SymbolTabs), 0);
    EXPECT_TRUE(message_log().empty());
}

TEST_F(StartUpTest, WithoutSettingsBlackTextOnWhiteInTheDefaultFont) {
    start();
    EXPECT_EQ(state.settings_loaded, 0);
    EXPECT_EQ(state.font_name, "Courier");
    EXPECT_EQ(state.font_size, 10);
    EXPECT_EQ(state.font_style, 0);
    EXPECT_EQ(control_font_name(SourceEditor), "");
    EXPECT_EQ(editor_background(), 0xFFFFFF);
    const int32_t length = static_cast<int32_t>(editor_text().size());
    for (int32_t position = 0; position < length; ++position) {
        EXPECT_EQ(editor_colour_at(position), 0) << "position " << position;
    }
}

TEST_F(StartUpTest, ShellStateStartsFromItsStartValues) {
    state.quit_requested = 1;
    state.source_path = "left over";
    state.find_start = 9;
    state.font_name = "Old";
    start();
    EXPECT_EQ(state.quit_requested, 0);
    EXPECT_EQ(state.event_handled, 0);
    EXPECT_EQ(state.source_path, "");
    EXPECT_EQ(state.loaded_path, "");
    EXPECT_EQ(state.default_path, "c:");
    EXPECT_EQ(state.file_pattern, "Text (*.txt)|*.txt| Asm (*.asm)|*.asm| All Files (*.*)|*.*");
    EXPECT_EQ(state.find_start, 0);
    EXPECT_EQ(state.continue_search, 0);
    EXPECT_EQ(state.text_colour, 0);
    EXPECT_EQ(state.background_colour, 0xFFFFFF);
    EXPECT_EQ(state.font_name, "Courier");
    EXPECT_EQ(state.popup_menu, EditorPopupMenu);
}

TEST_F(StartUpTest, ClipboardIsEmptied) {
    open_window(MainWindow, 0, 0, 100, 100, "before", 0);
    create_editor(SourceEditor, 0, 0, 50, 50);
    set_control_text(SourceEditor, "left on the clipboard");
    select_editor_range(0, 1, -1, -1);
    editor_copy();
    ASSERT_EQ(clipboard_text(), "left on the clipboard");
    start();
    EXPECT_EQ(clipboard_text(), "");
}

TEST_F(StartUpTest, InstructionTableIsLoaded) {
    start();
    const int32_t lda = find_row("lda");
    ASSERT_GE(lda, 0);
    EXPECT_EQ(opcode_at(lda, Immediate), 0xA9);
}

TEST_F(StartUpTest, RunShellEndsWithExitCodeZeroAndClosesItsWindows) {
    post_event(EventCloseRequest, MainWindow);
    script_message_answer(AnswerNo);
    post_event(EventMenuCommand, MainWindow, MenuNewSource);  // after quitting: never handled
    EXPECT_EQ(run_shell(), 0);
    EXPECT_FALSE(inspect_window(MainWindow).open);
    EXPECT_EQ(posted_events_left(), 1u);
    ASSERT_EQ(message_log().size(), 1u);
    EXPECT_EQ(message_log()[0].title, "Quit Assembler?");
}

struct StartFileRow {
    const char* name;
    std::string argument;  // as given on the command line, in the test's working folder
    std::string full;      // the file it names, in the working folder
    bool loads;
};

void PrintTo(const StartFileRow& row, std::ostream* os) { *os << row.name; }

const StartFileRow StartFileRows[] = {
    {"NameInTheWorkingFolder", "prog.asm", "prog.asm", true},
    {"RelativePathIsMadeFull", "./sub/../prog.asm", "prog.asm", true},
    {"MissingFile", "missing.asm", "missing.asm", false},
    {"Folder", "sub", "sub", false},
};

class StartFile : public ShellTest, public ::testing::WithParamInterface<StartFileRow> {};

// A file named on the command line is loaded after start-up as if chosen in the Load Source
// requester: control 2 shows its full path; one that cannot be opened leaves the start-up text.
TEST_P(StartFile, LoadsAsIfChosenInLoadSource) {
    const StartFileRow& row = GetParam();
    std::filesystem::create_directory(path_of("sub"));
    write_file("prog.asm", "*=$c000\r\n rts\r\n");
    start();
    load_start_file(state, ctx, row.argument);
    EXPECT_EQ(state.loaded_path, path_of(row.full));
    if (row.loads) {
        EXPECT_TRUE(message_log().empty());
        EXPECT_EQ(get_control_text(CurrentSourceField), path_of("prog.asm"));
        EXPECT_EQ(state.source_path, path_of("prog.asm"));
        EXPECT_EQ(get_item_text(SourceEditor, 0), "*=$c000");
        EXPECT_EQ(get_item_text(SourceEditor, 1), " rts");
        EXPECT_EQ(ctx.error, 0);
    } else {
        ASSERT_EQ(message_log().size(), 1u);
        EXPECT_EQ(message_log()[0].title, "Load Error.");
        EXPECT_EQ(message_log()[0].text, "Couldn't open the file!");
        EXPECT_EQ(get_control_text(CurrentSourceField), "Current Source");
        EXPECT_EQ(editor_text(), std::string(expected::ExampleLine) + "\n\n");
        EXPECT_EQ(ctx.error, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, StartFile, ::testing::ValuesIn(StartFileRows),
                         [](const ::testing::TestParamInfo<StartFileRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvok::testing
