// New, Load, Save and Save Selected Source, driven through the main window's events with the
// requesters answered from the script.
#include <filesystem>
#include <string>
#include <vector>

#include "assembler/display_ids.h"
#include "assembler/source_files.h"
#include "shell/control_ids.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

const std::string TooMuchText = "Too Much Text,The Editor Holds At Most 1000000 Characters.";

// "TITLE|TEXT" of every box shown since the logs were last cleared.
std::vector<std::string> boxes() {
    std::vector<std::string> rows;
    for (const MessageRecord& message : message_log()) {
        rows.push_back(message.title + "|" + message.text);
    }
    return rows;
}

// A text of exactly n editor characters in lines of 60, each line break one character.
std::string text_of_length(std::size_t n, const std::string& line_break) {
    std::string text;
    std::size_t chars = 0;
    while (chars + 61 <= n) {
        text += ";" + std::string(59, 'x') + line_break;
        chars += 61;
    }
    return text + std::string(n - chars, ';');
}

// ---- Saving -------------------------------------------------------------------------------------

struct SaveRow {
    const char* name;
    int32_t kind;          // the event: a menu item or a toolbar button
    int32_t id;
    std::string editor;    // the editor's text
    std::string answer;    // the name chosen in the requester
    int32_t filter;        // the filter left selected
    std::string file;      // the file that must be written
    std::string bytes;     // its bytes
};

void PrintTo(const SaveRow& row, std::ostream* out) { *out << row.name; }

class SaveTest : public ShellTest, public ::testing::WithParamInterface<SaveRow> {};

TEST_P(SaveTest, WritesLineRecordsAndAZeroByte) {
    const SaveRow& row = GetParam();
    start();
    ASSERT_TRUE(set_control_text(SourceEditor, row.editor));
    write_file(row.file, "an older and much longer file that the save replaces whole");
    const std::string text = editor_text();
    script_file_answer(path_of(row.answer), row.filter);
    post_and_run(row.kind, MainWindow, row.id);

    EXPECT_EQ(read_file(row.file), row.bytes);
    EXPECT_EQ(state.source_path, path_of(row.file));
    EXPECT_EQ(get_control_text(CurrentSourceField), path_of(row.file));
    EXPECT_EQ(requester_log().at(0).title, "Save Source");
    EXPECT_EQ(requester_log().at(0).prompt_or_default, "c:");
    EXPECT_EQ(requester_log().at(0).filter, state.file_pattern);
    EXPECT_EQ(requester_log().at(0).filter_index, 0);
    EXPECT_TRUE(message_log().empty());
    EXPECT_EQ(editor_text(), text);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path_of("")),
                            std::filesystem::directory_iterator()),
              1);  // no temporary file left beside it
}

const std::string Z(1, '\0');

INSTANTIATE_TEST_SUITE_P(
    Rows, SaveTest,
    ::testing::Values(
        SaveRow{"EmptyEditor", EventMenuCommand, MenuSaveSource, "", "empty.txt", 0, "empty.txt",
                "\r\n" + Z},
        SaveRow{"OneLineGetsOneMoreLineBreak", EventControl, SaveSourceButton, "abc", "abc.txt", 0,
                "abc.txt", "abc\r\n\r\n" + Z},
        SaveRow{"EveryLineBreakBecomesCrLf", EventMenuCommand, MenuSaveSource,
                "*=$1000\n lda #1\r\n\n", "p.asm", 1, "p.asm", "*=$1000\r\n lda #1\r\n\r\n\r\n\r\n" + Z},
        SaveRow{"EightBitBytesUnchanged", EventMenuCommand, MenuSaveSource,
                " text \"\xC3\xA9t\xE9\" ;\x80\xFF", "b.txt", 0, "b.txt",
                " text \"\xC3\xA9t\xE9\" ;\x80\xFF\r\n\r\n" + Z},
        SaveRow{"TxtFilterAppendsTxt", EventMenuCommand, MenuSaveSource, "x", "prog", 0, "prog.txt",
                "x\r\n\r\n" + Z},
        SaveRow{"TxtFilterLooksCaseSensitively", EventMenuCommand, MenuSaveSource, "x", "PROG.TXT",
                0, "PROG.TXT.txt", "x\r\n\r\n" + Z},
        SaveRow{"TxtAnywhereInTheNameIsEnough", EventMenuCommand, MenuSaveSource, "x",
                "prog.txt.bak", 0, "prog.txt.bak", "x\r\n\r\n" + Z},
        SaveRow{"AsmFilterAppendsAsm", EventMenuCommand, MenuSaveSource, "x", "prog.txt", 1,
                "prog.txt.asm", "x\r\n\r\n" + Z},
        SaveRow{"AllFilesKeepsTheName", EventMenuCommand, MenuSaveSource, "x", "PROG", 2, "PROG",
                "x\r\n\r\n" + Z}),
    [](const ::testing::TestParamInfo<SaveRow>& info) { return std::string(info.param.name); });

struct SelectionRow {
    const char* name;
    int32_t item;
    std::string answer;
    int32_t filter;
    std::string file;
};

class SaveSelectionTest : public ShellTest, public ::testing::WithParamInterface<SelectionRow> {};

TEST_P(SaveSelectionTest, WritesTheSelectedTextAndAZeroByte) {
    const SelectionRow& row = GetParam();
    start();
    ASSERT_TRUE(set_control_text(SourceEditor, "abc\ndef \xE9\nghi"));
    select_editor_range(0, 3, 1, 6);
    script_file_answer(path_of(row.answer), row.filter);
    post_and_run(EventMenuCommand, MainWindow, row.item);
    EXPECT_EQ(read_file(row.file), "c\r\ndef \xE9" + Z);
    EXPECT_EQ(requester_log().at(0).title, "Select File Name To Save Selected Text.");
    EXPECT_EQ(state.source_path, path_of(row.file));
    EXPECT_EQ(get_control_text(CurrentSourceField), "Current Source");
    EXPECT_TRUE(message_log().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SaveSelectionTest,
    ::testing::Values(SelectionRow{"FileMenu", MenuSaveSelection, "part", 0, "part.txt"},
                      SelectionRow{"PopupMenu", PopupSaveSelection, "part", 1, "part.asm"},
                      SelectionRow{"AllFiles", PopupSaveSelection, "part.inc", 2, "part.inc"}),
    [](const ::testing::TestParamInfo<SelectionRow>& info) { return std::string(info.param.name); });

using SaveFailureTest = ShellTest;

TEST_F(SaveFailureTest, EachFailureHasItsBoxAndWritesNothing) {
    start();
    const std::string missing = path_of("no/such/folder/x.txt");

    script_file_answer(missing, 2);
    post_and_run(EventMenuCommand, MainWindow, MenuSaveSource);
    EXPECT_EQ(boxes(), std::vector<std::string>{"Save Error.|Couldn't open the file!" + missing});
    EXPECT_EQ(ctx.error, 1);
    EXPECT_EQ(get_control_text(CurrentSourceField), "Current Source");

    // A cancelled requester empties the remembered name and says nothing.
    clear_logs();
    ctx.error = 0;
    post_and_run(EventControl, MainWindow, SaveSourceButton);
    EXPECT_TRUE(message_log().empty());
    EXPECT_EQ(state.source_path, "");

    // Nothing on the clipboard: no requester at all.
    clear_logs();
    post_and_run(EventMenuCommand, MainWindow, MenuSaveSelection);
    EXPECT_EQ(boxes(), std::vector<std::string>{"Save Error.|There Is No Text Selected To Save."});
    EXPECT_TRUE(requester_log().empty());

    clear_logs();
    select_editor_range(0, 1, 0, 4);
    script_file_answer(missing, 2);
    post_and_run(EventMenuCommand, MainWindow, PopupSaveSelection);
    EXPECT_EQ(boxes(), std::vector<std::string>{"Save File Error.|Could Not Open/Find File."});
    EXPECT_EQ(ctx.error, 0);
    EXPECT_FALSE(std::filesystem::exists(path_of("no")));
}

// ---- Loading ------------------------------------------------------------------------------------

struct LoadRow {
    const char* name;
    std::string bytes;   // the file
    std::string editor;  // the editor's text afterwards ("\n" line breaks)
    bool warned = false; // text followed the first zero byte: the user is told
};

void PrintTo(const LoadRow& row, std::ostream* out) { *out << row.name; }

class LoadTest : public ShellTest, public ::testing::WithParamInterface<LoadRow> {};

TEST_P(LoadTest, TheFileUpToItsFirstZeroByteBecomesTheText) {
    const LoadRow& row = GetParam();
    start();
    state.text_colour = 0x0000C0;
    state.background_colour = 0x102030;
    state.find_start = 7;
    ctx.progress = 9;
    write_file("prog.asm", row.bytes);
    for (const int32_t button : {0, 1}) {
        SCOPED_TRACE(button == 1 ? "toolbar button" : "menu item");
        set_control_text(SourceEditor, "old");
        clear_logs();
        script_file_answer(path_of("prog.asm"));
        if (button == 1) {
            post_and_run(EventControl, MainWindow, LoadSourceButton);
        } else {
            post_and_run(EventMenuCommand, MainWindow, MenuLoadSource);
        }
        EXPECT_EQ(editor_text(), row.editor);
        EXPECT_EQ(message_texts(), row.warned ? std::vector<std::string>{std::string(TextAfterZeroMessage)}
                                              : std::vector<std::string>{});
        EXPECT_EQ(requester_log().at(0).title, "Load Source");
        EXPECT_EQ(requester_log().at(0).filter, state.file_pattern);
        EXPECT_EQ(state.source_path, path_of("prog.asm"));
        EXPECT_EQ(state.loaded_path, path_of("prog.asm"));
        EXPECT_EQ(get_control_text(CurrentSourceField), path_of("prog.asm"));
        EXPECT_EQ(state.find_start, 0);
        EXPECT_EQ(get_control_state(ProgressBar), 0);
        for (int32_t position = 0; position < static_cast<int32_t>(row.editor.size()); position += 97) {
            EXPECT_EQ(editor_colour_at(position), 0x0000C0) << position;
        }
        EXPECT_EQ(editor_background(), 0x102030);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LoadTest,
    ::testing::Values(
        LoadRow{"CrLf", "*=$1000\r\n lda #1\r\n\r\n", "*=$1000\n lda #1\n\n"},
        LoadRow{"LinuxLineEnds", "*=$1000\n lda #1\n\n", "*=$1000\n lda #1\n\n"},
        LoadRow{"LoneCarriageReturns", "*=$1000\r lda #1\r", "*=$1000\n lda #1\n"},
        LoadRow{"SavedFile", "abc\r\n\r\n" + Z, "abc\n\n"},
        LoadRow{"StopsAtTheFirstZeroByte", "ab\r\ncd" + Z + "ef\r\n" + Z, "ab\ncd", true},
        LoadRow{"EightBitBytesUnchanged", "; \xC3\xA9t\xE9\x80\xFF\r\n", "; \xC3\xA9t\xE9\x80\xFF\n"},
        LoadRow{"EmptyFile", "", ""},
        LoadRow{"TheEditorLimitFits", text_of_length(1'000'000, "\r\n"), text_of_length(1'000'000, "\n")}),
    [](const ::testing::TestParamInfo<LoadRow>& info) { return std::string(info.param.name); });

using LoadFailureTest = ShellTest;

TEST_F(LoadFailureTest, TheEditorKeepsItsTextWhenNothingIsLoaded) {
    start();
    const std::string text = editor_text();
    std::filesystem::create_directory(path_of("folder"));
    write_file("big.asm", text_of_length(1'000'001, "\n"));
    write_file("huge.asm", std::string(3'000'000, ' '));
    const struct {
        std::string answer;
        std::vector<std::string> boxes;
    } rows[] = {
        {"", {}},  // cancelled
        {path_of("missing.asm"), {"Load Error.|Couldn't open the file!"}},
        {path_of("folder"), {"Load Error.|Couldn't open the file!"}},
        {path_of("big.asm"), {"Load Error.|" + TooMuchText}},
        {path_of("huge.asm"), {"Load Error.|" + TooMuchText}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.answer);
        clear_logs();
        ctx.error = 0;
        script_file_answer(row.answer);
        post_and_run(EventMenuCommand, MainWindow, MenuLoadSource);
        EXPECT_EQ(boxes(), row.boxes);
        EXPECT_EQ(ctx.error, row.boxes.empty() ? 0 : 1);
        EXPECT_EQ(editor_text(), text);
        EXPECT_EQ(get_control_text(CurrentSourceField), "Current Source");
        EXPECT_EQ(state.source_path, row.answer);
        EXPECT_EQ(state.loaded_path, row.answer);
    }
}

// ---- New source ---------------------------------------------------------------------------------

using NewSourceTest = ShellTest;

TEST_F(NewSourceTest, YesPutsTheExampleBackAndEmptiesTheFields) {
    start();
    ASSERT_TRUE(set_control_text(SourceEditor, "my program"));
    set_control_text(CurrentSourceField, "prog.asm");
    for (const int32_t field : {CodeStartDecimal, CodeEndDecimal, CodeStartHex, CodeEndHex}) {
        set_control_text(field, "1");
    }
    ctx.labels.push_back(LabelEntry{"old", 0, 4096, 0});
    clear_items(SymbolList);
    add_item(SymbolList, -1, "old");
    state.find_start = 3;

    script_message_answer(AnswerNo);
    post_and_run(EventMenuCommand, MainWindow, MenuNewSource);
    EXPECT_EQ(editor_text(), "my program");
    EXPECT_EQ(state.find_start, 0);
    EXPECT_EQ(ctx.labels.size(), 1u);
    EXPECT_EQ(get_item_text(SymbolList, 0), "old");

    clear_logs();
    state.find_start = 3;
    script_message_answer(AnswerYes);
    post_and_run(EventControl, MainWindow, NewSourceButton);
    ASSERT_FALSE(message_log().empty());
    EXPECT_EQ(message_log()[0].title, "Clear Source ?.");
    EXPECT_EQ(message_log()[0].text, "Do You Want A New Source (Without Saving Current)?.");
    EXPECT_EQ(message_log()[0].buttons, ButtonsYesNo);
    EXPECT_EQ(editor_text(),
              "*=$1000               ;This is An Example Of Setting The Start Address Value\n\n");
    EXPECT_EQ(get_control_text(CurrentSourceField), "");
    for (const int32_t field : {CodeStartDecimal, CodeEndDecimal, CodeStartHex, CodeEndHex}) {
        EXPECT_EQ(get_control_text(field), "");
    }
    EXPECT_TRUE(ctx.labels.empty());
    // The symbol list is refilled from the new text, which defines no symbols.
    ASSERT_EQ(count_items(SymbolList), 1);
    EXPECT_EQ(get_item_text(SymbolList, 0), "No Variables");
    EXPECT_EQ(state.find_start, 0);
}

}  // namespace
}  // namespace tarvok::testing
