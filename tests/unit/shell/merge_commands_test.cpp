// Merging files into the text: binary and PRG files as "byte " lines, source files as text, each
// after the caret's line, driven through the File and popup menus with scripted requesters.
#include <filesystem>
#include <string>
#include <vector>

#include "assembler/display_ids.h"
#include "shell/control_ids.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

const std::string Text = "one\ntwo\nthree";
constexpr int32_t Colour = 0x00A000;
constexpr int32_t Background = 0x203040;

// Bytes 1, 2, ... n.
std::string counting(int n) {
    std::string bytes;
    for (int i = 1; i <= n; ++i) bytes.push_back(static_cast<char>(i));
    return bytes;
}

std::vector<std::string> boxes() {
    std::vector<std::string> rows;
    for (const MessageRecord& message : message_log()) rows.push_back(message.title + "|" + message.text);
    return rows;
}

class MergeTest : public ShellTest {
protected:
    // Starts the program with three lines in the editor and the caret on the given 1-based line.
    void start_with_caret_on(int32_t line) {
        start();
        ASSERT_TRUE(set_control_text(SourceEditor, Text));
        set_editor_caret(2, line);
        state.text_colour = Colour;
        state.background_colour = Background;
        clear_logs();
    }
    // Every character of the editor is in the text colour.
    static void expect_painted() {
        const int32_t length = static_cast<int32_t>(editor_text().size());
        for (int32_t position = 0; position < length; ++position) {
            ASSERT_EQ(editor_colour_at(position), Colour) << position;
        }
    }
};

// ---- Binary and PRG files -----------------------------------------------------------------------

struct BinaryRow {
    const char* name;
    int32_t item;        // menu or popup item
    std::string file;    // path in the working folder
    std::string bytes;
    int32_t caret_line;  // 1-based
    std::string editor;  // the text afterwards
};

void PrintTo(const BinaryRow& row, std::ostream* out) { *out << row.name; }

class BinaryMergeTest : public MergeTest, public ::testing::WithParamInterface<BinaryRow> {};

TEST_P(BinaryMergeTest, InsertsEightValuesPerLineAfterTheCaretsLine) {
    const BinaryRow& row = GetParam();
    std::filesystem::create_directories(std::filesystem::path(path_of(row.file)).parent_path());
    write_file(row.file, row.bytes);
    start_with_caret_on(row.caret_line);
    script_file_answer(path_of(row.file));
    post_and_run(EventMenuCommand, MainWindow, row.item);

    EXPECT_EQ(editor_text(), row.editor);
    const bool prg = row.item == MenuMergePrg || row.item == PopupMergePrg;
    ASSERT_EQ(requester_log().size(), 1u);
    EXPECT_EQ(requester_log()[0].title, prg ? "Select Prg File To Merge." : "Select Binary File To Merge.");
    EXPECT_EQ(requester_log()[0].filter, prg ? "Prg Files (*.Prg)|*.Prg" : "Bin Files (*.bin)|*.bin");
    EXPECT_EQ(requester_log()[0].prompt_or_default, "c:");
    EXPECT_TRUE(message_log().empty());
    EXPECT_EQ(state.source_path, path_of(row.file));
    EXPECT_EQ(get_control_text(CurrentSourceField), "Current Source");
    expect_painted();
    if (row.editor != Text && row.caret_line < 3) {
        // The caret ends at the start of the line below the inserted ones.
        const std::string below = row.caret_line == 1 ? "\ntwo" : "\nthree";
        EXPECT_EQ(editor_selection().start, static_cast<int32_t>(row.editor.find(below)) + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BinaryMergeTest,
    ::testing::Values(
        BinaryRow{"EmptyFileGivesNoLine", MenuMergeBinary, "empty.bin", "", 2, Text},
        BinaryRow{"EightBytesOneLine", MenuMergeBinary, "8.bin", counting(8), 2,
                  "one\ntwo\nbyte 1,2,3,4,5,6,7,8\nthree"},
        BinaryRow{"TenBytesTwoLines", PopupMergeBinary, "10.bin", counting(10), 1,
                  "one\nbyte 1,2,3,4,5,6,7,8\nbyte 9,10\ntwo\nthree"},
        BinaryRow{"TwentyBytesThreeLines", MenuMergeBinary, "20.bin", counting(20), 2,
                  "one\ntwo\nbyte 1,2,3,4,5,6,7,8\nbyte 9,10,11,12,13,14,15,16\nbyte 17,18,19,20\n"
                  "three"},
        BinaryRow{"HighValuesNeverNegative", MenuMergeBinary, "high.bin", std::string("\x80\xC8\xFF\0", 4), 2,
                  "one\ntwo\nbyte 128,200,255,0\nthree"},
        BinaryRow{"OnTheLastLineAppends", MenuMergeBinary, "8.bin", counting(8), 3,
                  "one\ntwo\nthree\nbyte 1,2,3,4,5,6,7,8"},
        BinaryRow{"PrgDropsTheLoadAddress", MenuMergePrg, "game.prg", "\x01\x08" + counting(3), 2,
                  "one\ntwo\nbyte 1,2,3\nthree"},
        BinaryRow{"PrgInCapitalsToo", PopupMergePrg, "GAME.PRG", "\x01\x08" + counting(3), 2,
                  "one\ntwo\nbyte 1,2,3\nthree"},
        BinaryRow{"PrgOfTwoBytesGivesNoLine", MenuMergePrg, "short.prg", "\x01\x08", 2, Text},
        BinaryRow{"BinaryNamedPrgDropsTwoBytes", MenuMergeBinary, "game.prg", "\x01\x08" + counting(3), 2,
                  "one\ntwo\nbyte 1,2,3\nthree"},
        BinaryRow{"BinaryNamedPrgInCapitalsKeepsThem", PopupMergeBinary, "GAME.PRG",
                  "\x01\x08" + counting(3), 2, "one\ntwo\nbyte 1,8,1,2,3\nthree"},
        BinaryRow{"FolderNamedPrgDecidesNothing", MenuMergeBinary, "prg/sprite.bin", counting(3), 2,
                  "one\ntwo\nbyte 1,2,3\nthree"}),
    [](const ::testing::TestParamInfo<BinaryRow>& info) { return std::string(info.param.name); });

// ---- Source files -------------------------------------------------------------------------------

struct SourceRow {
    const char* name;
    std::string bytes;
    int32_t caret_line;
    std::string editor;
};

void PrintTo(const SourceRow& row, std::ostream* out) { *out << row.name; }

class SourceMergeTest : public MergeTest, public ::testing::WithParamInterface<SourceRow> {};

TEST_P(SourceMergeTest, InsertsTheTextAfterTheCaretsLine) {
    const SourceRow& row = GetParam();
    write_file("lib.asm", row.bytes);
    start_with_caret_on(row.caret_line);
    ctx.labels.push_back(LabelEntry{"old", 0, 4096, 0});
    ctx.include_lines.push_back(3);
    state.find_start = 2;
    script_file_answer(path_of("lib.asm"));
    post_and_run(EventMenuCommand, MainWindow, PopupMergeSource);

    EXPECT_EQ(editor_text(), row.editor);
    ASSERT_EQ(requester_log().size(), 1u);
    EXPECT_EQ(requester_log()[0].title, "Merge Source");
    EXPECT_EQ(requester_log()[0].filter, state.file_pattern);
    EXPECT_TRUE(message_log().empty());
    EXPECT_EQ(state.source_path, path_of("lib.asm"));
    EXPECT_EQ(state.find_start, 0);
    EXPECT_TRUE(ctx.labels.empty());
    EXPECT_TRUE(ctx.include_lines.empty());
    EXPECT_EQ(get_control_text(CurrentSourceField), "Current Source");
    expect_painted();
    EXPECT_EQ(editor_background(), Background);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SourceMergeTest,
    ::testing::Values(
        SourceRow{"CrLf", "a\r\nb\r\n", 2, "one\ntwo\na\nb\n\nthree"},
        SourceRow{"LinuxLineEnds", "a\nb\n", 2, "one\ntwo\na\nb\n\nthree"},
        SourceRow{"NoLineBreakAtTheEnd", "a", 1, "one\na\ntwo\nthree"},
        SourceRow{"StopsAtTheFirstZeroByte", std::string("a\r\nb\0c\r\n", 7), 2, "one\ntwo\na\nb\nthree"},
        SourceRow{"EightBitBytesUnchanged", "; \xC3\xA9\xE9\xFF", 2, "one\ntwo\n; \xC3\xA9\xE9\xFF\nthree"},
        SourceRow{"OnTheLastLineAppends", "a\nb", 3, "one\ntwo\nthree\na\nb"}),
    [](const ::testing::TestParamInfo<SourceRow>& info) { return std::string(info.param.name); });

// ---- Failures -----------------------------------------------------------------------------------

TEST_F(MergeTest, NothingIsInsertedWhenTheFileCannotBeTaken) {
    write_file("big.bin", std::string(500'001, '\x01'));
    std::string big_source;
    while (big_source.size() <= 1'000'000) big_source += ";" + std::string(58, 'x') + "\n";
    write_file("big.asm", big_source);
    const std::string too_much = "Too Much Text,The Editor Holds At Most 1000000 Characters.";
    const struct {
        int32_t item;
        std::string answer;
        std::vector<std::string> boxes;
        uint8_t error;
    } rows[] = {
        {MenuMergeBinary, "", {}, 0},
        {MenuMergeBinary, path_of("missing.bin"), {"Merge File Error.|Could Not Open/Find File."}, 0},
        {PopupMergePrg, path_of("missing.prg"), {"Merge File Error.|Could Not Open/Find File."}, 0},
        {MenuMergeBinary, path_of("big.bin"), {"Merge File Error.|" + too_much}, 0},
        {PopupMergeSource, "", {}, 0},
        {PopupMergeSource, path_of("missing.asm"), {"Merge Error.|Couldn't open the file!."}, 1},
        {PopupMergeSource, path_of("big.asm"), {"Merge Error.|" + too_much}, 1},
    };
    start_with_caret_on(2);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.answer);
        clear_logs();
        ctx.error = 0;
        script_file_answer(row.answer);
        post_and_run(EventMenuCommand, MainWindow, row.item);
        EXPECT_EQ(boxes(), row.boxes);
        EXPECT_EQ(ctx.error, row.error);
        EXPECT_EQ(editor_text(), Text);
        EXPECT_EQ(state.source_path, row.answer);
    }
}

TEST_F(MergeTest, AfterAnIncludeAssemblyASourceGoesWhereTheLastIncludeWent) {
    write_file("lib.asm", "a\r\n");
    start_with_caret_on(1);
    ctx.includes_expanded = 1;
    ctx.insert_line = 2;
    script_file_answer(path_of("lib.asm"));
    script_file_answer(path_of("missing.asm"));
    post_and_run(EventMenuCommand, MainWindow, PopupMergeSource);
    post_and_run(EventMenuCommand, MainWindow, PopupMergeSource);
    EXPECT_EQ(editor_text(), "one\ntwo\na\n\nthree");
    EXPECT_EQ(boxes(),
              std::vector<std::string>{"Merge Error.|Couldn't Find File,Must be In Same Dir As Source."});
}

}  // namespace
}  // namespace tarvok::testing
