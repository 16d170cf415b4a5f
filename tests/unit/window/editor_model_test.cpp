// The in-memory editor beyond what both window backends share: colours of new text at the start
// and after line breaks, the selection after undo and redo, the depth of the undo history, and the
// character limit's default.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "runtime/window/headless/editor_model.h"

namespace tarvok::headless {
namespace {

constexpr int32_t Red = 0x0000FF;
constexpr int32_t Blue = 0xFF0000;

TEST(EditorModel, ColoursOfNewText) {
    struct Row {
        const char* what;
        int32_t anchor, caret;  // where the new text goes
        int32_t colour;         // the colour it gets
    };
    // "ab\ncd": a and b red, the break blue, c and d black.
    const Row rows[] = {
        {"at the very start: black", 0, 0, 0},
        {"after a red character", 1, 1, Red},
        {"at the start of a line: the colour of the line break", 3, 3, Blue},
        {"over a selection: the colour before its start", 5, 2, Red},
        {"at the end: the colour of the last character", 5, 5, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EditorModel editor;
        ASSERT_TRUE(editor.set_text("ab\ncd"));
        editor.colour_range(0, 1, 0, -1, Red);
        editor.colour_range(0, 3, 0, 4, Blue);  // the line break only
        ASSERT_EQ(editor.colour_at(2), Blue);
        editor.select(row.anchor, row.caret);
        const int32_t at = editor.selection_start();
        ASSERT_TRUE(editor.replace_selection("Z"));
        EXPECT_EQ(editor.colour_at(at), row.colour);
    }
}

TEST(EditorModel, TextSetAsAWholeIsBlack) {
    EditorModel editor;
    ASSERT_TRUE(editor.set_text("lda #1"));
    editor.colour_range(0, 1, -1, -1, Red);
    ASSERT_TRUE(editor.set_text("rts"));
    for (int32_t p = 0; p < 3; ++p) EXPECT_EQ(editor.colour_at(p), 0);
}

TEST(EditorModel, AppendedLinesTakeTheColourOfTheText) {
    EditorModel editor;
    ASSERT_TRUE(editor.set_text("lda #1"));
    editor.colour_range(0, 1, -1, -1, Red);
    ASSERT_TRUE(editor.append_line("rts"));
    for (int32_t p = 0; p < editor.size(); ++p) EXPECT_EQ(editor.colour_at(p), Red) << p;
}

TEST(EditorModel, UndoRestoresColoursAndSelection) {
    EditorModel editor;
    ASSERT_TRUE(editor.set_text("lda #1\nrts"));
    editor.colour_range(0, 1, 0, -1, Red);
    editor.select_range(0, 5, 0, -1);  // "#1"
    ASSERT_TRUE(editor.replace_selection("$d020"));
    EXPECT_EQ(editor.anchor(), 9);
    EXPECT_EQ(editor.caret(), 9) << "the caret follows the new text";
    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(editor.text(), "lda #1\nrts");
    EXPECT_EQ(editor.selection_start(), 4) << "undo brings back the selection it replaced";
    EXPECT_EQ(editor.selection_end(), 6);
    EXPECT_EQ(editor.colour_at(5), Red);
    ASSERT_TRUE(editor.redo());
    EXPECT_EQ(editor.text(), "lda $d020\nrts");
    EXPECT_EQ(editor.caret(), 9);
    EXPECT_EQ(editor.colour_at(8), Red);
    EXPECT_FALSE(editor.redo());
}

TEST(EditorModel, UndoKeepsTheLastHundredSteps) {
    EditorModel editor;
    for (int32_t i = 0; i < 130; ++i) ASSERT_TRUE(editor.append_line(std::to_string(i)));
    EXPECT_EQ(editor.undo_steps(), EditorUndoSteps);
    int32_t undone = 0;
    while (editor.undo()) ++undone;
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(editor.line_count(), 30);
    EXPECT_EQ(editor.line_text(29), "29");
}

TEST(EditorModel, AddingALineIsOneUndoStep) {
    EditorModel editor;
    ASSERT_TRUE(editor.set_text("a"));
    ASSERT_TRUE(editor.append_line("b"));
    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(editor.text(), "a") << "the line break goes with the line";
}

TEST(EditorModel, AnEmptyAppendMarksWithoutAnUndoStep) {
    EditorModel editor;
    ASSERT_TRUE(editor.append_line(""));
    EXPECT_EQ(editor.undo_steps(), 0u);
    EXPECT_EQ(editor.line_count(), 1);
    ASSERT_TRUE(editor.append_line(""));
    EXPECT_EQ(editor.undo_steps(), 1u);
    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(editor.line_count(), 1) << "undo leaves the mark that a line was added";
}

TEST(EditorModel, TheLimitAndItsDefault) {
    EditorModel editor;
    EXPECT_EQ(editor.limit(), EditorTextLimit);
    editor.set_limit(4);
    EXPECT_FALSE(editor.set_text("12345"));
    ASSERT_TRUE(editor.set_text("1234"));
    editor.set_limit(2);
    editor.select(0, 1);
    EXPECT_TRUE(editor.replace_selection("")) << "removing text is never refused";
    EXPECT_EQ(editor.text(), "234");
    editor.set_limit(0);
    EXPECT_EQ(editor.limit(), EditorTextLimit) << "0 or less restores the default";
}

// A text handed over gives what a copy of it gives: the same text, lines and answer at the limit
// (the old text stays when it is refused), over every kind of line break; and a long text is
// taken over in place, not copied.
TEST(EditorModel, ATextHandedOverIsTakenAsACopyOfItIs) {
    std::vector<std::string> texts = {"",       "a",       "\r",      "\n",         "\r\n",      "\n\r",
                                      "\r\r\n",  "a\rb\r",  "a\r\nb",   "a\nb\r\nc\rd", "abcdefgh\r\n",
                                      "abcdefghi", "abcdefghij", "\r\n\r\n\r\n\r\n\r\n\r\n"};
    std::mt19937 random(11);
    const std::string bytes = "ab\r\n";
    for (int n = 0; n < 500; ++n) {
        std::string text;
        for (auto length = random() % 24; length > 0; --length) text += bytes[random() % bytes.size()];
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        SCOPED_TRACE(::testing::PrintToString(text));
        EditorModel copied;
        EditorModel taken;
        for (EditorModel* editor : {&copied, &taken}) {
            ASSERT_TRUE(editor->set_text("old"));
            editor->set_limit(8);
        }
        const bool copied_fits = copied.set_text(std::string_view(text));
        EXPECT_EQ(taken.set_text(std::string(text)), copied_fits);
        EXPECT_EQ(taken.text(), copied.text());
        EXPECT_EQ(taken.line_count(), copied.line_count());
    }
    for (const char* line_break : {"\n", "\r\n"}) {
        std::string text;
        for (int i = 0; i < 100; ++i) text += "lda #" + std::to_string(i) + line_break;
        const char* const memory = text.data();
        EditorModel editor;
        ASSERT_TRUE(editor.set_text(std::move(text)));
        EXPECT_EQ(editor.text().data(), memory);
        EXPECT_EQ(editor.line_count(), 101);
        EXPECT_EQ(editor.line_text(99), "lda #99");
    }
}

TEST(EditorModel, LineBreaksOfTypedText) {
    EditorModel editor;
    ASSERT_TRUE(editor.replace_selection("a\r\nb\rc\nd"));
    EXPECT_EQ(editor.text(), "a\nb\nc\nd");
    EXPECT_EQ(editor.line_count(), 4);
}

}  // namespace
}  // namespace tarvok::headless
