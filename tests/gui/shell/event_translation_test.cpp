// User input on the real main window reaches the shell's commands: the close box, clicks and
// double clicks in the symbol list, a tab click, a right click on the editor, a toolbar button
// and a menu item.
#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <fstream>
#include <string>

#include "shell/control_ids.h"
#include "tests/gui/shell/shell_gui_fixture.h"

namespace tarvok::gui {
namespace {

using EventTranslation = ShellGuiTest;

QAction* menu_action(int32_t window, std::string_view text) {
    QMenuBar* bar = qt_menu_bar(window);
    if (bar == nullptr) return nullptr;
    for (QAction* title : bar->actions()) {
        if (title->menu() == nullptr) continue;
        for (QAction* action : title->menu()->actions()) {
            if (action->text().toStdString() == text) return action;
        }
    }
    return nullptr;
}

TEST_F(EventTranslation, CloseBoxAsksTheQuitQuestionAndCancelKeepsTheWindow) {
    script_message_answer(AnswerCancel);
    QWidget* window = qt_window_widget(MainWindow);
    ASSERT_NE(window, nullptr);
    window->windowHandle()->close();
    deliver_and_run();
    ASSERT_EQ(message_log().size(), 1u);
    EXPECT_EQ(message_log()[0].title, "Quit Assembler?");
    EXPECT_EQ(state.quit_requested, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(qt_editor_widget(SourceEditor)->toPlainText().left(7), QStringLiteral("*=$1000"));
}

TEST_F(EventTranslation, CloseRequestAnsweredNoEndsTheLoop) {
    script_message_answer(AnswerNo);
    QCloseEvent close;
    QApplication::sendEvent(qt_window_widget(MainWindow), &close);
    deliver_and_run();
    EXPECT_EQ(state.quit_requested, 1);
}

// The list filled by the refresh button, or marked with an item of the test's own.
QStringList list_texts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts.append(list->item(i)->text());
    return texts;
}

void mark_list() {
    clear_items(SymbolList);
    add_item(SymbolList, -1, "marker");
}

TEST_F(EventTranslation, ListClickShowsTheValueAndDoubleClickGoesToTheSymbol) {
    auto* list = qobject_cast<QListWidget*>(qt_control_widget(SymbolList));
    ASSERT_NE(list, nullptr);
    set_control_text(SourceEditor, "*=$1000\nfirst=1\nsecond=$0400\n");
    QTest::mouseClick(qt_control_widget(RefreshButton), Qt::LeftButton);
    deliver_and_run();
    ASSERT_EQ(list_texts(list), QStringList({QStringLiteral("first"), QStringLiteral("second")}));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    deliver_and_run();
    EXPECT_EQ(get_control_text(SymbolValueField), "1024   $0400");
    EXPECT_EQ(get_control_text(SymbolLineField), "2");

    // The double click's first click shows the value too; then the line is selected.
    set_control_text(SourceEditor, "*=$1000\n\nfirst=1\nsecond=$0400\n");
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    deliver_and_run();
    EXPECT_EQ(get_control_text(SymbolValueField), "1   $0001");
    const QTextCursor cursor = qt_editor_widget(SourceEditor)->textCursor();
    EXPECT_EQ(cursor.document()->findBlock(cursor.selectionEnd()).blockNumber(), 2);
    EXPECT_TRUE(cursor.selectedText().endsWith(QStringLiteral("first=1")));
    EXPECT_EQ(state.event_handled, 0);
    EXPECT_TRUE(message_log().empty());
}

TEST_F(EventTranslation, TabClickRefreshesTheListOnly) {
    auto* tabs = qobject_cast<QTabBar*>(qt_control_widget(SymbolTabs));
    auto* list = qobject_cast<QListWidget*>(qt_control_widget(SymbolList));
    ASSERT_NE(tabs, nullptr);
    ASSERT_NE(list, nullptr);
    set_control_text(SourceEditor, "*=$1000\nstart rts\n");
    state.symbol_list.refresh_from_button = 1;
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    deliver_and_run();
    EXPECT_EQ(tabs->currentIndex(), 1);
    // The tables of the last run (none yet), without an assembly.
    EXPECT_EQ(list_texts(list), QStringList(QStringLiteral("No Lables")));
    EXPECT_EQ(ctx.quiet, 0);
    EXPECT_EQ(state.symbol_list.refresh_from_button, 0);
    EXPECT_EQ(state.event_handled, 1);
    // Neither the selection change nor the click counts as a click in the symbol list.
    EXPECT_EQ(state.symbol_list.selected_symbol, "");

    mark_list();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    deliver_and_run();
    EXPECT_EQ(list_texts(list), QStringList(QStringLiteral("No Lables")))
        << "a click on the tab already selected refreshes too";

    mark_list();
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_Left);
    deliver_and_run();
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(list_texts(list), QStringList(QStringLiteral("marker")))
        << "a tab chosen with the keyboard does not refresh";
    EXPECT_TRUE(message_log().empty());
}

TEST_F(EventTranslation, RightClickOnTheEditorOpensThePopupMenu) {
    QPlainTextEdit* editor = qt_editor_widget(SourceEditor);
    ASSERT_NE(editor, nullptr);
    QTest::mouseClick(editor->viewport(), Qt::RightButton, {}, QPoint(40, 40));
    deliver_and_run();
    EXPECT_EQ(popup_menus_shown(), 1);
    QMenu* popup = qt_popup_menu(EditorPopupMenu);
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_TRUE(message_log().empty());

    // Choosing "Select All" in it selects the whole text.
    for (QAction* action : popup->actions()) {
        if (action->text() == QStringLiteral("Select All")) action->trigger();
    }
    popup->close();
    deliver_and_run();
    EXPECT_EQ(editor->textCursor().selectionStart(), 0);
    EXPECT_EQ(editor->textCursor().selectionEnd(), editor->document()->characterCount() - 1);
}

TEST_F(EventTranslation, RightClickAnywhereInTheMainWindowOpensThePopupMenu) {
    int32_t shown = popup_menus_shown();
    for (const int32_t id : {SymbolList, NumConvertField, CodeStartLabel, ProgressBar}) {
        SCOPED_TRACE(id);
        QWidget* widget = qt_control_widget(id);
        ASSERT_NE(widget, nullptr);
        if (auto* list = qobject_cast<QListWidget*>(widget)) widget = list->viewport();
        QTest::mouseClick(widget, Qt::RightButton, {}, QPoint(5, 5));
        deliver_and_run();
        EXPECT_EQ(popup_menus_shown(), ++shown);
        qt_popup_menu(EditorPopupMenu)->close();
    }
}

TEST_F(EventTranslation, EditCommandsActOnTheEditorWhileAnotherControlHasTheFocus) {
    QPlainTextEdit* editor = qt_editor_widget(SourceEditor);
    select_editor_range(0, 1, 0, 8);  // "*=$1000"
    auto* field = qobject_cast<QLineEdit*>(qt_control_widget(NumConvertField));
    ASSERT_NE(field, nullptr);
    field->setFocus();
    field->selectAll();
    QTest::mouseClick(qobject_cast<QToolButton*>(qt_control_widget(CopyButton)), Qt::LeftButton);
    deliver_and_run();
    EXPECT_EQ(clipboard_text(), "*=$1000");

    QAction* cut = menu_action(MainWindow, "Cut");
    ASSERT_NE(cut, nullptr);
    cut->trigger();
    deliver_and_run();
    EXPECT_EQ(editor->toPlainText().left(9), QStringLiteral(" ;This is"));
    EXPECT_EQ(field->text(), QStringLiteral("Hex-Dec-Hex"));
}

TEST_F(EventTranslation, ToolbarButtonAndMenuItemReachTheirCommands) {
    auto* find = qobject_cast<QToolButton*>(qt_control_widget(FindButton));
    ASSERT_NE(find, nullptr);
    QTest::mouseClick(find, Qt::LeftButton);
    deliver_and_run();
    EXPECT_NE(qt_window_widget(FindWindow), nullptr);
    EXPECT_TRUE(message_log().empty());
    EXPECT_EQ(state.event_handled, 1);

    clear_logs();
    std::string help_text;
    for (int line = 1; line <= 200; ++line) help_text += "Help line " + std::to_string(line) + "\r\n";
    std::ofstream(path_of("Tarvokhelp.txt"), std::ios::binary) << help_text;
    QAction* help = menu_action(MainWindow, "Help");
    ASSERT_NE(help, nullptr);
    help->trigger();
    deliver_and_run();
    EXPECT_TRUE(message_log().empty());
    QPlainTextEdit* text = qt_editor_widget(HelpEditor);
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(text->document()->blockCount(), 201);
    EXPECT_EQ(text->document()->firstBlock().text(), QStringLiteral("Help line 1"));
    // The window opens at the top of the text.
    EXPECT_GT(text->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(text->verticalScrollBar()->value(), 0);
}

TEST_F(EventTranslation, UndoButtonUndoesTypingInTheEditor) {
    QPlainTextEdit* editor = qt_editor_widget(SourceEditor);
    const QString before = editor->toPlainText();
    editor->setFocus();
    editor->moveCursor(QTextCursor::Start);
    QTest::keyClicks(editor, "lda");
    ASSERT_EQ(editor->toPlainText(), QStringLiteral("lda") + before);
    QTest::mouseClick(qobject_cast<QToolButton*>(qt_control_widget(UndoButton)), Qt::LeftButton);
    deliver_and_run();
    EXPECT_EQ(editor->toPlainText(), before);
}

TEST_F(EventTranslation, AboutWindowSwallowsInputUntilAnyWindowIsClosed) {
    QAction* about = menu_action(MainWindow, "About");
    ASSERT_NE(about, nullptr);
    about->trigger();
    // The About loop takes everything already delivered; clicks made before the close request
    // are thrown away, the close request ends the loop.
    QApplication::processEvents();
    QTest::mouseClick(qobject_cast<QToolButton*>(qt_control_widget(NewSourceButton)),
                      Qt::LeftButton);
    QCloseEvent close;
    QApplication::sendEvent(qt_window_widget(MainWindow), &close);
    QTest::mouseClick(qobject_cast<QToolButton*>(qt_control_widget(LoadSourceButton)),
                      Qt::LeftButton);
    deliver_and_run();
    EXPECT_TRUE(message_log().empty());
    ASSERT_EQ(requester_log().size(), 1u);
    EXPECT_EQ(requester_log()[0].title, "Load Source");
    EXPECT_EQ(qt_window_widget(AboutWindow), nullptr);
    EXPECT_EQ(state.quit_requested, 0);
}

}  // namespace
}  // namespace tarvok::gui
