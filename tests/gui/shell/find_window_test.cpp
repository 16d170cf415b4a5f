// The find window on the real widgets: opened from the toolbar with its controls in place, used
// with the keyboard and the mouse, and not modal: the editor takes typing while it is open.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include "shell/control_ids.h"
#include "tests/gui/shell/shell_gui_fixture.h"
#include "tests/unit/shell/main_window_table.h"

namespace tarvok::gui {
namespace {

using FindWindowGui = ShellGuiTest;

// 0-based line of the end of the editor's selection, and the selected text.
int selected_block(const QPlainTextEdit* editor) {
    const QTextCursor cursor = editor->textCursor();
    return cursor.document()->findBlock(cursor.selectionEnd()).blockNumber();
}

TEST_F(FindWindowGui, FindNextKeepsTheWindowOpenWhileTheEditorTakesTyping) {
    QPlainTextEdit* editor = qt_editor_widget(SourceEditor);
    set_control_text(SourceEditor, "lda #1\nsta $d020\nlda #2\nsta $d021\nrts");
    QTest::mouseClick(qobject_cast<QToolButton*>(qt_control_widget(FindButton)), Qt::LeftButton);
    deliver_and_run();

    QWidget* window = qt_window_widget(FindWindow);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Find Text"));
    EXPECT_EQ(qt_client_widget(FindWindow)->size(), QSize(314, 102));
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(201, 261));
    for (const expected::Control& row : expected::find_window_controls()) {
        SCOPED_TRACE(row.id);
        QWidget* widget = qt_control_widget(row.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget_fits_kind(widget, row.kind));
        EXPECT_EQ(widget->parentWidget(), qt_client_widget(FindWindow));
        EXPECT_EQ(widget->geometry(), QRect(row.x, row.y, row.width, row.height));
        EXPECT_EQ(widget->toolTip().toStdString(), std::string(row.tooltip));
        EXPECT_TRUE(widget->isVisible());
    }

    auto* search = qobject_cast<QLineEdit*>(qt_control_widget(FindSearchField));
    auto* next = qobject_cast<QPushButton*>(qt_control_widget(FindNextButton));
    QTest::keyClicks(search, "sta");
    QTest::mouseClick(next, Qt::LeftButton);
    deliver_and_run();
    EXPECT_EQ(selected_block(editor), 1);
    EXPECT_TRUE(window->isVisible());

    // Typing in the editor while the find window is open; the next press carries on after line 1.
    editor->activateWindow();
    editor->setFocus();
    editor->moveCursor(QTextCursor::Start);
    QTest::keyClicks(editor, "; ");
    EXPECT_TRUE(editor->toPlainText().startsWith(QStringLiteral("; lda #1")));
    QTest::mouseClick(next, Qt::LeftButton);
    deliver_and_run();
    EXPECT_EQ(selected_block(editor), 3);
    EXPECT_TRUE(message_log().empty());
}

TEST_F(FindWindowGui, TickedReplaceBoxReplacesAndFindClosesTheWindow) {
    QPlainTextEdit* editor = qt_editor_widget(SourceEditor);
    set_control_text(SourceEditor, "lda #1\nsta $d020\nrts");
    QTest::mouseClick(qobject_cast<QToolButton*>(qt_control_widget(FindButton)), Qt::LeftButton);
    deliver_and_run();
    QTest::keyClicks(qobject_cast<QLineEdit*>(qt_control_widget(FindSearchField)), "$d020");
    QTest::keyClicks(qobject_cast<QLineEdit*>(qt_control_widget(ReplaceTextField)), "$d021");
    auto* replace = qobject_cast<QCheckBox*>(qt_control_widget(ReplaceWithBox));
    ASSERT_NE(replace, nullptr);
    QTest::mouseClick(replace, Qt::LeftButton);
    EXPECT_EQ(get_control_state(ReplaceWithBox), 1);
    QTest::mouseClick(qobject_cast<QPushButton*>(qt_control_widget(FindStartButton)),
                      Qt::LeftButton);
    deliver_and_run();
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("lda #1\nsta $d021\nrts"));
    EXPECT_EQ(selected_block(editor), 1);
    EXPECT_EQ(qt_window_widget(FindWindow), nullptr);
    EXPECT_EQ(state.find_start, 2);

    // Undo takes the replacement back.
    editor_undo();
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("lda #1\nsta $d020\nrts"));
}

}  // namespace
}  // namespace tarvok::gui
