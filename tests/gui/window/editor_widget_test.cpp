// The editor widget: its character limit against typing and pasting, colouring that leaves the
// user's selection alone, and the line breaks a user can type.
#include <QClipboard>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "runtime/window/qt/editor_widget.h"
#include "tests/gui/window/gui_fixture.h"

namespace tarvok::gui {
namespace {

class EditorWidget : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        open_test_window(0);
        ASSERT_NE(create_editor(MainEditorId, 10, 40, 620, 390), 0u);
        editor = qt_editor_widget(MainEditorId);
        ASSERT_NE(editor, nullptr);
        editor->setFocus();
    }

    QPlainTextEdit* editor = nullptr;
};

TEST_F(EditorWidget, TypingPastTheLimitIsRefused) {
    limit_editor_text(10);
    ASSERT_TRUE(set_control_text(MainEditorId, "12345678"));
    set_editor_caret(9, 1);
    QTest::keyClicks(editor, "abc");
    EXPECT_EQ(editor_text(), "12345678ab");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(editor_text(), "12345678ab") << "a line break counts one character";

    // Over a selection the typed character replaces it, so it fits again.
    select_editor_range(0, 1, 0, 2);
    QTest::keyClicks(editor, "z");
    EXPECT_EQ(editor_text(), "z2345678ab");
    EXPECT_FALSE(editor_type_text("!"));
    EXPECT_FALSE(set_control_text(MainEditorId, "12345678901"));
    EXPECT_EQ(editor_text(), "z2345678ab") << "a text too long is refused whole";
}

TEST_F(EditorWidget, PastingPastTheLimitIsRefusedWhole) {
    limit_editor_text(12);
    ASSERT_TRUE(set_control_text(MainEditorId, "lda #1"));
    set_editor_caret(7, 1);
    QGuiApplication::clipboard()->setText(QStringLiteral("\r\nrts\r\nnop"));  // 8 characters
    editor_paste();
    EXPECT_EQ(editor_text(), "lda #1") << "nothing is cut off silently";
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor_text(), "lda #1");

    QGuiApplication::clipboard()->setText(QStringLiteral("\r\nrts"));  // 4 characters
    editor_paste();
    EXPECT_EQ(editor_text(), "lda #1\nrts");
    EXPECT_EQ(count_items(MainEditorId), 2);


}

TEST_F(EditorWidget, ColouringKeepsTheSelectionAndAddsNoUndoStep) {
    ASSERT_TRUE(set_control_text(MainEditorId, "abc\r\ndef\r\nghi"));
    colour_editor_range(0, 1, -1, -1, 0x00FF00);
    EXPECT_FALSE(editor->document()->isUndoAvailable()) << "colouring a new text is no step";
    editor_type_text("x");  // one undo step
    select_editor_range(1, 2, 2, 2);
    const EditorSelection before = editor_selection();
    colour_editor_range(0, 1, -1, -1, 0x0000FF);
    colour_editor_range(1, 1, 1, -1, 0xFF0000);
    const EditorSelection after = editor_selection();
    EXPECT_EQ(after.start, before.start);
    EXPECT_EQ(after.end, before.end);
    EXPECT_EQ(editor->textCursor().anchor(), before.start);

    EXPECT_EQ(editor_colour_at(0), 0x0000FF);
    EXPECT_EQ(editor_colour_at(5), 0xFF0000);
    // The colour shows: the character format carries it as its foreground.
    const QTextBlock second = editor->document()->findBlockByNumber(1);
    const QColor shown = second.begin().fragment().charFormat().foreground().color();
    EXPECT_EQ(shown, QColor(0, 0, 255));

    // One undo takes back the typing; the colouring was no step of its own.
    editor_undo();
    EXPECT_EQ(editor_text(), "abc\ndef\nghi");
    EXPECT_FALSE(editor->document()->isUndoAvailable());
}

TEST_F(EditorWidget, BulkTextColouringAndLineReadingOnAMillionCharacters) {
    limit_editor_text(EditorTextLimit);
    std::string text;
    while (text.size() + 32 <= static_cast<std::size_t>(EditorTextLimit)) {
        text += "        lda #$00 ; a source line\n";
    }
    text.resize(static_cast<std::size_t>(EditorTextLimit));
    ASSERT_TRUE(set_control_text(MainEditorId, text));
    colour_editor_range(0, 1, -1, -1, 0x00FF00);
    const int32_t lines = count_items(MainEditorId);
    EXPECT_EQ(lines, std::count(text.begin(), text.end(), '\n') + 1);
    std::size_t total = 0;
    for (int32_t line = 0; line < lines; ++line) total += get_item_text(MainEditorId, line).size() + 1;
    EXPECT_EQ(total - 1, text.size());
    EXPECT_EQ(editor_colour_at(EditorTextLimit - 1), 0x00FF00);
    EXPECT_FALSE(editor_type_text("x")) << "the editor is full";
}

// Every fragment of the document (text, format) and every block's format, in order.
std::vector<std::pair<QString, QTextFormat>> layout_of(const QTextDocument& doc) {
    std::vector<std::pair<QString, QTextFormat>> result;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        result.emplace_back(QStringLiteral("<block>"), block.blockFormat());
        result.emplace_back(QStringLiteral("<block char>"), block.charFormat());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            result.emplace_back(it.fragment().text(), it.fragment().charFormat());
        }
    }
    return result;
}

TEST_F(EditorWidget, ANewTextGivesTheDocumentSetPlainTextGives) {
    struct Row {
        const char* name;
        std::string before;
        int32_t colour;               // of the whole text before
        int32_t red_line;             // a line coloured red too, -1 for none
        int32_t caret_column, caret_line;
        std::string after;
    };
    const std::vector<Row> rows = {
        {"caret in coloured text", "lda #1\nrts", 0x00FF00, -1, 1, 1, "a\nb\n\nc"},
        {"caret in a red line", "one\ntwo\nthree", 0xFF0000, 1, 2, 2, "x\r\ny\rz\n"},
        {"no colour chosen", "abc", NoColour, -1, 2, 1, "lda\n"},
        {"from an empty editor", "", 0x00FF00, -1, 1, 1, "\n"},
        {"caret after the last character", "ab\ncd", 0xFF0000, 0, 3, 2, "q"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(set_control_text(MainEditorId, row.before));
        colour_editor_range(0, 1, -1, -1, row.colour);
        if (row.red_line >= 0) colour_editor_range(row.red_line, 1, row.red_line, -1, 0x0000FF);
        set_editor_caret(row.caret_column, row.caret_line);
        ASSERT_TRUE(editor_type_text("x"));  // one undo step the new text forgets

        // Qt's own way on a twin of the editor's document, with the caret at the same place.
        QPlainTextEdit twin;
        QTextDocument* copy = editor->document()->clone(&twin);
        copy->setDocumentLayout(new QPlainTextDocumentLayout(copy));
        twin.setDocument(copy);
        QTextCursor caret(copy);
        caret.setPosition(editor->textCursor().position());
        twin.setTextCursor(caret);
        twin.setPlainText(normalise_line_breaks(QString::fromLatin1(row.after.c_str())));

        ASSERT_TRUE(set_control_text(MainEditorId, row.after));
        EXPECT_EQ(editor->toPlainText(), twin.toPlainText());
        EXPECT_EQ(layout_of(*editor->document()), layout_of(*twin.document()));
        EXPECT_EQ(editor->textCursor().position(), 0);
        EXPECT_FALSE(editor->document()->isUndoAvailable());
        EXPECT_FALSE(editor->document()->isModified());
    }
}

TEST_F(EditorWidget, EveryTypedLineBreakStartsALine) {
    ASSERT_TRUE(set_control_text(MainEditorId, ""));
    QTest::keyClicks(editor, "lda");
    QTest::keyClick(editor, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(editor, "rts");
    QTest::keyClick(editor, Qt::Key_Enter);
    EXPECT_EQ(count_items(MainEditorId), 3);
    EXPECT_EQ(get_item_text(MainEditorId, 1), "rts");
    EXPECT_EQ(get_control_text(MainEditorId), "lda\r\nrts\r\n");
}

TEST_F(EditorWidget, CopyAndCutGiveClipboardTextWithCrLf) {
    ASSERT_TRUE(set_control_text(MainEditorId, "one\ntwo\nthree"));
    select_editor_range(0, 1, 1, -1);
    editor_copy();
    EXPECT_EQ(clipboard_text(), "one\r\ntwo");
    editor_cut();
    EXPECT_EQ(editor_text(), "\nthree");
    editor_undo();
    EXPECT_EQ(editor_text(), "one\ntwo\nthree");
    editor_redo();
    EXPECT_EQ(editor_text(), "\nthree");
    clear_clipboard();
    EXPECT_EQ(clipboard_text(), "");
}

TEST_F(EditorWidget, SelectionStaysVisibleWithoutTheFocusAndTabsStopEveryHalfInch) {
    const QPalette shown = editor->palette();
    EXPECT_EQ(shown.color(QPalette::Inactive, QPalette::Highlight),
              shown.color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(shown.color(QPalette::Inactive, QPalette::HighlightedText),
              shown.color(QPalette::Active, QPalette::HighlightedText));
    EXPECT_DOUBLE_EQ(editor->tabStopDistance(), editor->logicalDpiX() / 2.0);
}

TEST_F(EditorWidget, BackgroundColourShowsInTheEditor) {
    set_editor_background(0x00FFCC);  // 0x00BBGGRR
    EXPECT_EQ(editor->palette().color(QPalette::Base), QColor(0xCC, 0xFF, 0x00));
    EXPECT_EQ(editor_background(), 0x00FFCC);
    set_editor_background(NoColour);
    EXPECT_EQ(editor->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}

}  // namespace
}  // namespace tarvok::gui
