// Selecting ranges, placing the caret and colouring ranges of the main editor.
//
// The text used below, with its character positions (each line break one character):
//   line 0 "lda #1"     0..5,  break at 6
//   line 1 "sta $d020"  7..15, break at 16
//   line 2 ""           break at 17
//   line 3 "rts"        18..20; the text ends at 21
#include "tests/contract/contract_fixture.h"

namespace tarvok::contract {
namespace {

constexpr const char* Program = "lda #1\nsta $d020\n\nrts";
constexpr int32_t ProgramSize = 21;
constexpr int32_t Red = 0x0000FF;
constexpr int32_t Green = 0x00FF00;

bool is_break(int32_t position) { return position == 6 || position == 16 || position == 17; }

class EditorSelection : public ContractTest {};

TEST_F(EditorSelection, SelectRangeRows) {
    struct Row {
        const char* what;
        int32_t line, column, end_line, end_column;
        int32_t start, end;
        int32_t current_line;  // 1-based line of the start
    };
    const Row rows[] = {
        {"a whole first line", 0, 1, 0, -1, 0, 6, 1},
        {"a whole middle line", 1, 1, 1, -1, 7, 16, 2},
        {"column 0 takes the line break before the line", 1, 0, 1, -1, 6, 16, 1},
        {"end line -1 is the last line", 0, 1, -1, -1, 0, ProgramSize, 1},
        {"columns within lines", 1, 5, 3, 2, 11, 19, 2},
        {"an empty line", 2, 1, 2, -1, 17, 17, 3},
        {"the last line to the end", 3, 1, -1, -1, 18, ProgramSize, 4},
        {"a line past the last clamps to the end", 9, 1, 9, -1, ProgramSize, ProgramSize, 4},
        {"an end column past the text clamps to its end", 1, 1, 1, 50, 7, ProgramSize, 2},
        {"column 0 of the first line clamps to the start", 0, 0, 0, -1, 0, 6, 1},
        {"an end before the start selects between them", 2, 4, 1, 1, 7, 20, 2},
        {"one character", 0, 5, 0, 6, 4, 5, 1},
    };
    open_editor(Program);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        select_editor_range(row.line, row.column, row.end_line, row.end_column);
        const tarvok::EditorSelection selection = editor_selection();
        EXPECT_EQ(selection.start, row.start);
        EXPECT_EQ(selection.end, row.end);
        EXPECT_EQ(current_editor_line(), row.current_line);
    }
}

TEST_F(EditorSelection, SelectAllOfAnEmptyEditor) {
    open_editor();
    select_editor_range(0, 1, -1, -1);
    EXPECT_EQ(editor_selection().start, 0);
    EXPECT_EQ(editor_selection().end, 0);
    EXPECT_EQ(current_editor_line(), 1);
}

TEST_F(EditorSelection, CaretRows) {
    struct Row {
        const char* what;
        int32_t column, line;  // line 1-based
        int32_t position;
    };
    const Row rows[] = {
        {"start of the text", 1, 1, 0},
        {"a column within a line", 3, 2, 9},
        {"column length + 1 is the end of the line", 10, 2, 16},
        {"a column beyond length + 1 goes to the line's start", 11, 2, 7},
        {"column 5 on a line of 3 characters goes to the line's start", 5, 4, 18},
        {"column 0 is just before the line's start", 0, 2, 6},
        {"column 1 of an empty line", 1, 3, 17},
        {"column 2 of an empty line goes to its start", 2, 3, 17},
        {"the end of the last line", 4, 4, ProgramSize},
        {"a line past the last clamps to the end", 1, 9, ProgramSize},
    };
    open_editor(Program);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        select_editor_range(0, 1, -1, -1);  // a selection that the caret must replace
        set_editor_caret(row.column, row.line);
        EXPECT_EQ(editor_selection().start, row.position);
        EXPECT_EQ(editor_selection().end, row.position);
    }
}

TEST_F(EditorSelection, CaretLineZeroIsTheCurrentLine) {
    open_editor(Program);
    set_editor_caret(5, 2);
    EXPECT_EQ(current_editor_line(), 2);
    set_editor_caret(2, 0);
    EXPECT_EQ(editor_selection().start, 8);
    EXPECT_EQ(editor_selection().end, 8);
    set_editor_caret(3, 4);
    set_editor_caret(1, 0);
    EXPECT_EQ(editor_selection().start, 18);
}

TEST_F(EditorSelection, ColourRangeRows) {
    struct Row {
        const char* what;
        int32_t line, column, end_line, end_column;
        int32_t from, to;  // coloured positions from..to-1
    };
    const Row rows[] = {
        {"a whole first line", 0, 1, 0, -1, 0, 6},
        {"a whole middle line", 1, 1, 1, -1, 7, 16},
        {"the whole text", 0, 1, -1, -1, 0, ProgramSize},
        {"columns across lines", 1, 5, 3, 2, 11, 19},
        {"the last line to the end", 3, 1, -1, -1, 18, ProgramSize},
        {"a few characters", 1, 2, 1, 4, 8, 10},
        {"an end column past the text", 3, 2, 3, 40, 19, ProgramSize},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        open_editor(Program);
        select_editor_range(0, 2, 0, 4);  // the user's selection: positions 1..3
        colour_editor_range(row.line, row.column, row.end_line, row.end_column, Red);
        for (int32_t p = 0; p < ProgramSize; ++p) {
            if (is_break(p)) continue;
            const bool inside = p >= row.from && p < row.to;
            EXPECT_EQ(editor_colour_at(p), inside ? Red : 0) << "position " << p;
        }
        EXPECT_EQ(editor_selection().start, 1) << "colouring must not move the selection";
        EXPECT_EQ(editor_selection().end, 3);
        EXPECT_EQ(editor_text(), Program) << "colouring must not change the text";
        close_window(0);
    }
}

TEST_F(EditorSelection, ColourOutsideTheTextIsNone) {
    open_editor(Program);
    EXPECT_EQ(editor_colour_at(ProgramSize), -1);
    EXPECT_EQ(editor_colour_at(ProgramSize + 10), -1);
    EXPECT_EQ(editor_colour_at(-1), -1);
}

TEST_F(EditorSelection, ColouringKeepsACaretAndLaterColoursWin) {
    open_editor(Program);
    set_editor_caret(3, 2);
    colour_editor_range(0, 1, -1, -1, Green);
    colour_editor_range(1, 1, 1, 3, Red);
    EXPECT_EQ(editor_selection().start, 9);
    EXPECT_EQ(editor_selection().end, 9);
    EXPECT_EQ(editor_colour_at(0), Green);
    EXPECT_EQ(editor_colour_at(7), Red);
    EXPECT_EQ(editor_colour_at(8), Red);
    EXPECT_EQ(editor_colour_at(9), Green);
    EXPECT_EQ(editor_colour_at(20), Green);
}

TEST_F(EditorSelection, TypedTextTakesTheColourOfTheCharacterBefore) {
    open_editor(Program);
    colour_editor_range(1, 1, 1, -1, Red);
    set_editor_caret(3, 2);  // between "st" and "a"
    ASSERT_TRUE(editor_type_text("X"));
    EXPECT_EQ(editor_text(), "lda #1\nstXa $d020\n\nrts");
    EXPECT_EQ(editor_colour_at(9), Red);
    EXPECT_EQ(editor_colour_at(2), 0);
}

TEST_F(EditorSelection, BackgroundColour) {
    open_editor(Program);
    set_editor_background(Green);
    EXPECT_EQ(editor_background(), Green);
    set_editor_background(0xFFFFFF);
    EXPECT_EQ(editor_background(), 0xFFFFFF);
}

}  // namespace
}  // namespace tarvok::contract
