// Close requests, right button presses and menu commands from the real widgets.
#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include "tests/gui/window/gui_fixture.h"

namespace tarvok::gui {
namespace {

using WindowEvents = GuiTest;

TEST_F(WindowEvents, CloseBoxAsksAndTheWindowStaysOpen) {
    open_test_window(2);
    QWidget* window = qt_window_widget(2);
    ASSERT_NE(window, nullptr);
    window->windowHandle()->close();  // what the close box does
    QCloseEvent close;
    QApplication::sendEvent(window, &close);  // what Alt+F4 and the system menu send
    EXPECT_EQ(take_events(), (std::vector<SeenEvent>{{EventCloseRequest, 2, 0, EventTypeNone},
                                                     {EventCloseRequest, 2, 0, EventTypeNone}}));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(inspect_window(2).open);
}

TEST_F(WindowEvents, CloseWindowDestroysItAndOpeningTheNumberAgainReplacesIt) {
    open_test_window(1);
    QPointer<QWidget> first = qt_window_widget(1);
    open_test_window(1);
    EXPECT_TRUE(first.isNull());
    QPointer<QWidget> second = qt_window_widget(1);
    ASSERT_FALSE(second.isNull());
    close_window(1);
    EXPECT_TRUE(second.isNull());
    EXPECT_FALSE(inspect_window(1).open);
    EXPECT_EQ(window_handle(), 0u);
}

TEST_F(WindowEvents, RightButtonAnywhereInTheWindowGivesOneEventAndNoQtMenu) {
    open_test_window(0);
    ASSERT_NE(create_editor(MainEditorId, 10, 40, 300, 200), 0u);
    ASSERT_NE(create_text_field(2, 10, 10, 200, 20, "Current Source", FieldReadOnly), 0u);
    ASSERT_NE(create_list_box(9, 400, 40, 150, 90), 0u);
    auto* editor = qt_editor_widget(MainEditorId);
    struct Row {
        const char* what;
        QWidget* target;
    };
    const Row rows[] = {{"editor", editor->viewport()},
                        {"field", qt_control_widget(2)},
                        {"list box", static_cast<QListWidget*>(qt_control_widget(9))->viewport()},
                        {"client area", qt_client_widget(0)}};
    for (const Row& row : rows) {
        QTest::mouseClick(row.target, Qt::RightButton, {}, QPoint(5, 5));
        EXPECT_EQ(take_events(), (std::vector<SeenEvent>{{EventRightButton, 0, 0, EventTypeNone}}))
            << row.what;
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << row.what;
    }
    // The left button gives no right-button event.
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(take_events().empty());
}

TEST_F(WindowEvents, MenuItemsGiveMenuCommandsWithTheirIds) {
    const WindowHandle handle = open_test_window(0);
    ASSERT_TRUE(create_menu_bar(0, handle));
    add_menu_title("File");
    add_menu_item(0, "New Source ");
    add_menu_separator();
    add_menu_item(7, "Quit Assembler");
    add_menu_title("Assemble");
    add_menu_item(18, "Assemble To  Prg File");

    QMenuBar* bar = qt_menu_bar(0);
    ASSERT_NE(bar, nullptr);
    const QList<QAction*> titles = bar->actions();
    ASSERT_EQ(titles.size(), 2);
    EXPECT_EQ(titles[0]->text(), QStringLiteral("File"));
    QMenu* file = titles[0]->menu();
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->actions().size(), 3);
    EXPECT_TRUE(file->actions()[1]->isSeparator());
    EXPECT_TRUE(file->actions()[2]->shortcut().isEmpty());
    file->actions()[2]->trigger();
    titles[1]->menu()->actions()[0]->trigger();
    EXPECT_EQ(take_events(), (std::vector<SeenEvent>{{EventMenuCommand, 0, 7, EventTypeNone},
                                                     {EventMenuCommand, 0, 18, EventTypeNone}}));

    const std::vector<MenuInfo> menus = inspect_menu_bar(0);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[1].items[0].text, "Assemble To  Prg File");
    EXPECT_EQ(menus[0].items[0].text, "New Source ");
}

TEST_F(WindowEvents, PopupMenuShowsAtThePointerWithoutBlockingAndReportsItsItem) {
    const WindowHandle handle = open_test_window(0);
    ASSERT_TRUE(create_popup_menu(0));
    add_menu_item(104, "Undo");
    add_menu_separator();
    add_menu_item(100, "Copy Text");
    const int32_t shown_before = popup_menus_shown();
    QCursor::setPos(QPoint(200, 150));
    show_popup_menu(0, handle);  // returns at once; the choice arrives as an event
    QMenu* popup = qt_popup_menu(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->pos(), QCursor::pos() - QPoint(1, 1));
    EXPECT_EQ(popup_menus_shown(), shown_before + 1);
    popup->actions()[2]->trigger();
    popup->close();
    EXPECT_EQ(take_events(), (std::vector<SeenEvent>{{EventMenuCommand, 0, 100, EventTypeNone}}));
    EXPECT_EQ(inspect_popup_menu(0).size(), 3u);
}

TEST_F(WindowEvents, PostedEventsShareTheQueueWithUserEvents) {
    open_test_window(0);
    ASSERT_NE(create_button(4, 10, 10, 80, 20, "Refresh", 0), 0u);
    post_event(EventMenuCommand, 0, 21);
    QTest::mouseClick(qt_control_widget(4), Qt::LeftButton);
    EXPECT_EQ(take_events(), (std::vector<SeenEvent>{{EventMenuCommand, 0, 21, EventTypeNone},
                                                     {EventControl, 0, 4, EventTypeSingleClick}}));
}

TEST_F(WindowEvents, ScriptedLayerDoesNotWaitWhenNothingIsQueued) {
    open_test_window(0);
    set_scripted(true);
    EXPECT_EQ(wait_event(), EventNone);
    EXPECT_EQ(event_window(), -1);
}

}  // namespace
}  // namespace tarvok::gui
