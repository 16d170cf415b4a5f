// The editor line model: counting, reading, appending, inserting and replacing lines, and the
// line breaks of a text set as a whole.
#include "tests/contract/contract_fixture.h"

namespace tarvok::contract {
namespace {

enum class Step { SetText, Add, SetItem, Clear };

struct Edit {
    Step step;
    int32_t index;
    const char* text;
};

struct LineRow {
    const char* what;
    std::vector<Edit> edits;
    std::vector<std::string> lines;  // count_items is their number; editor_text their join
};

class EditorLines : public ContractTest {};

TEST_F(EditorLines, LineModelRows) {
    const LineRow rows[] = {
        {"a fresh editor has no lines", {}, {}},
        {"appending to an empty editor fills the first line",
         {{Step::Add, -1, "lda #1"}}, {"lda #1"}},
        {"each append is a new line", {{Step::Add, -1, "a"}, {Step::Add, -1, "b"}}, {"a", "b"}},
        {"appending \"\" to an empty editor marks one empty line", {{Step::Add, -1, ""}}, {""}},
        {"appending \"\" again adds a line break",
         {{Step::Add, -1, ""}, {Step::Add, -1, ""}}, {"", ""}},
        {"text after a marked empty line goes on a second line",
         {{Step::Add, -1, ""}, {Step::Add, -1, "x"}}, {"", "x"}},
        {"appending after text set as a whole",
         {{Step::SetText, 0, "a\nb"}, {Step::Add, -1, "c"}}, {"a", "b", "c"}},
        {"appending after a text that ends with a line break",
         {{Step::SetText, 0, "a\nb\n"}, {Step::Add, -1, "c"}}, {"a", "b", "", "c"}},
        {"inserting before a middle line", {{Step::SetText, 0, "a\nb\nc"}, {Step::Add, 1, "x"}},
         {"a", "x", "b", "c"}},
        {"inserting before the first line", {{Step::SetText, 0, "a\nb"}, {Step::Add, 0, "x"}},
         {"x", "a", "b"}},
        {"inserting before the last line", {{Step::SetText, 0, "a\nb"}, {Step::Add, 1, "x"}},
         {"a", "x", "b"}},
        {"an index one past the last line appends",
         {{Step::SetText, 0, "a\nb"}, {Step::Add, 2, "x"}}, {"a", "b", "x"}},
        {"an index far past the last line appends",
         {{Step::SetText, 0, "a\nb"}, {Step::Add, 50, "x"}}, {"a", "b", "x"}},
        {"inserting before the marked empty line",
         {{Step::Add, -1, ""}, {Step::Add, 0, "x"}}, {"x", ""}},
        {"line 0 of an empty editor exists: the text goes in before it",
         {{Step::Add, 0, "x"}}, {"x", ""}},
        {"adding lines 0, 1, 2 in turn to an empty editor ends each with a line break",
         {{Step::Add, 0, "a"}, {Step::Add, 1, "b"}, {Step::Add, 2, "c"}}, {"a", "b", "c", ""}},
        {"replacing a middle line", {{Step::SetText, 0, "a\nb\nc"}, {Step::SetItem, 1, "xyz"}},
         {"a", "xyz", "c"}},
        {"replacing keeps the line break", {{Step::SetText, 0, "a\nb"}, {Step::SetItem, 0, ""}},
         {"", "b"}},
        {"replacing the last line", {{Step::SetText, 0, "a\nb"}, {Step::SetItem, 1, "rts"}},
         {"a", "rts"}},
        {"replacing past the end does nothing",
         {{Step::SetText, 0, "a\nb"}, {Step::SetItem, 2, "x"}, {Step::SetItem, -1, "y"}},
         {"a", "b"}},
        {"replacing line 0 of an empty editor fills it", {{Step::SetItem, 0, "x"}}, {"x"}},
        {"replacing line 1 of an empty editor does nothing", {{Step::SetItem, 1, "x"}}, {}},
        {"replacing the marked empty line", {{Step::Add, -1, ""}, {Step::SetItem, 0, "x"}}, {"x"}},
        {"emptying the only line of a text set as a whole leaves no lines",
         {{Step::SetText, 0, "abc"}, {Step::SetItem, 0, ""}}, {}},
        {"clearing forgets the mark", {{Step::Add, -1, ""}, {Step::Clear, 0, ""}}, {}},
        {"clearing removes every line", {{Step::SetText, 0, "a\nb"}, {Step::Clear, 0, ""}}, {}},
        {"setting \"\" forgets the mark", {{Step::Add, -1, ""}, {Step::SetText, 0, ""}}, {}},
        {"after clearing, the first append fills the first line again",
         {{Step::Add, -1, "a"}, {Step::Clear, 0, ""}, {Step::Add, -1, "b"}}, {"b"}},
        {"CR LF, lone LF and lone CR are each one line break",
         {{Step::SetText, 0, "a\r\nb\rc\nd"}}, {"a", "b", "c", "d"}},
        {"LF followed by CR is two line breaks", {{Step::SetText, 0, "a\n\rb"}}, {"a", "", "b"}},
        {"two CR LF pairs make an empty line between", {{Step::SetText, 0, "a\r\n\r\nb"}},
         {"a", "", "b"}},
        {"the start-up text with LF and CR appended",
         {{Step::SetText, 0, "*=$1000 ;Example\n\r"}}, {"*=$1000 ;Example", "", ""}},
        {"a text ending in CR ends with an empty line", {{Step::SetText, 0, "abc\r"}}, {"abc", ""}},
    };
    for (const LineRow& row : rows) {
        SCOPED_TRACE(row.what);
        open_editor();
        for (const Edit& edit : row.edits) {
            switch (edit.step) {
                case Step::SetText: ASSERT_TRUE(set_control_text(MainEditorId, edit.text)); break;
                case Step::Add: ASSERT_TRUE(add_item(MainEditorId, edit.index, edit.text)); break;
                case Step::SetItem: set_item_text(MainEditorId, edit.index, edit.text); break;
                case Step::Clear: clear_items(MainEditorId); break;
            }
        }
        EXPECT_EQ(count_items(MainEditorId), static_cast<int32_t>(row.lines.size()));
        EXPECT_EQ(editor_lines(), row.lines);
        EXPECT_EQ(editor_text(), joined(row.lines));
        EXPECT_EQ(get_item_text(MainEditorId, static_cast<int32_t>(row.lines.size())), "");
        // All lines in one read: each line and the empty one past the last, each ended by "\n".
        EXPECT_EQ(get_editor_lines(MainEditorId), joined(row.lines) + (row.lines.empty() ? "\n" : "\n\n"));
        close_window(0);
    }
}

TEST_F(EditorLines, ReadingPastTheEndGivesEmptyText) {
    open_editor("lda #1\nsta $d020\nrts");
    struct Row { int32_t index; const char* text; };
    const Row rows[] = {{0, "lda #1"}, {1, "sta $d020"}, {2, "rts"}, {3, ""}, {5, ""}, {-1, ""}};
    for (const Row& row : rows) {
        EXPECT_EQ(get_item_text(MainEditorId, row.index), row.text) << "line " << row.index;
    }
}

TEST_F(EditorLines, LinesOfAnyEditorNotOnlyTheMainOne) {
    open_test_window(2, "Help");
    ASSERT_NE(create_editor(47, 0, 0, 650, 487), 0u);
    EXPECT_EQ(count_items(47), 0);
    EXPECT_TRUE(set_control_text(47, "first\r\nsecond"));
    EXPECT_TRUE(add_item(47, -1, "third"));
    EXPECT_EQ(count_items(47), 3);
    EXPECT_EQ(get_item_text(47, 0), "first");
    EXPECT_EQ(get_item_text(47, 2), "third");
    EXPECT_EQ(get_editor_lines(47), "first\nsecond\nthird\n\n");
    EXPECT_EQ(get_editor_lines(99), "");
}

TEST_F(EditorLines, ManyAppendedLinesReadBackInOrder) {
    open_editor();
    for (int32_t i = 0; i < 3000; ++i) ASSERT_TRUE(add_item(MainEditorId, -1, "byte " + std::to_string(i)));
    ASSERT_EQ(count_items(MainEditorId), 3000);
    for (int32_t i = 0; i < 3000; i += 7) {
        ASSERT_EQ(get_item_text(MainEditorId, i), "byte " + std::to_string(i));
    }
    set_item_text(MainEditorId, 1500, "rts");
    EXPECT_EQ(get_item_text(MainEditorId, 1499), "byte 1499");
    EXPECT_EQ(get_item_text(MainEditorId, 1500), "rts");
    EXPECT_EQ(get_item_text(MainEditorId, 1501), "byte 1501");
}

}  // namespace
}  // namespace tarvok::contract
