// Windows by number, the current window, controls going with their window, and the event record.
#include <algorithm>

#include "tests/contract/contract_fixture.h"

namespace tarvok::contract {
namespace {

class WindowsAndEvents : public ContractTest {};

bool contains(const std::vector<int32_t>& ids, int32_t id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

TEST_F(WindowsAndEvents, OpenCloseAndReopenUnderTheSameNumber) {
    const WindowHandle first = open_test_window(2, "Help");
    ASSERT_NE(first, 0u);
    EXPECT_EQ(window_handle(), first) << "an opened window becomes current";
    WindowInfo info = inspect_window(2);
    EXPECT_TRUE(info.open);
    EXPECT_EQ(info.title, "Help");
    EXPECT_EQ(info.client_width, 640);
    EXPECT_EQ(info.client_height, 480);
    ASSERT_NE(create_editor(47, 0, 0, 640, 480), 0u);
    ASSERT_NE(create_button(48, 0, 0, 60, 20, "Close", 0), 0u);
    EXPECT_EQ(controls_of_window(2), (std::vector<int32_t>{47, 48}));

    const WindowHandle second = open_test_window(2, "Help Again");
    ASSERT_NE(second, 0u);
    EXPECT_EQ(inspect_window(2).title, "Help Again");
    EXPECT_EQ(control_handle(47), 0u) << "reopening closes the old window with its controls";
    EXPECT_EQ(control_handle(48), 0u);
    EXPECT_TRUE(controls_of_window(2).empty());

    ASSERT_NE(create_text_field(22, 0, 0, 100, 20, "find me", 0), 0u);
    close_window(2);
    EXPECT_FALSE(inspect_window(2).open);
    EXPECT_EQ(control_handle(22), 0u);
    EXPECT_EQ(get_control_text(22), "");
    close_window(2);  // closing a closed window does nothing
    EXPECT_FALSE(inspect_window(2).open);
}

TEST_F(WindowsAndEvents, ControlsGoIntoTheCurrentWindow) {
    const WindowHandle main_window = open_test_window(0, "Tarvok");
    const WindowHandle find_window = open_test_window(4, "Find Text");
    ASSERT_NE(main_window, 0u);
    ASSERT_NE(find_window, 0u);
    ASSERT_NE(create_text_field(24, 0, 0, 100, 20, "", 0), 0u);
    use_window(0);
    EXPECT_EQ(window_handle(), main_window);
    ASSERT_NE(create_text_field(18, 0, 0, 70, 20, "4096", FieldReadOnly), 0u);
    use_window(4);
    EXPECT_EQ(window_handle(), find_window);
    ASSERT_NE(create_button(29, 0, 0, 70, 20, "Find", 0), 0u);
    EXPECT_EQ(inspect_control(24).window, 4);
    EXPECT_EQ(inspect_control(18).window, 0);
    EXPECT_EQ(inspect_control(29).window, 4);
    EXPECT_EQ(controls_of_window(4), (std::vector<int32_t>{24, 29}));
    close_window(4);
    EXPECT_NE(control_handle(18), 0u) << "closing one window leaves the others' controls";
    EXPECT_EQ(get_control_text(18), "4096");
}

TEST_F(WindowsAndEvents, AnIdThatExistsIsReplaced) {
    open_test_window(1, "C64 Memory");
    ASSERT_NE(create_text_field(22, 0, 0, 100, 20, "old", 0), 0u);
    open_test_window(4, "Find Text");
    ASSERT_NE(create_label(22, 5, 5, 50, 20, "new", 0), 0u);
    EXPECT_EQ(inspect_control(22).kind, ControlKind::Label);
    EXPECT_EQ(inspect_control(22).window, 4);
    EXPECT_EQ(get_control_text(22), "new");
    EXPECT_FALSE(contains(controls_of_window(1), 22));
    EXPECT_TRUE(contains(controls_of_window(4), 22));
}

TEST_F(WindowsAndEvents, PostedEventsComeBackInOrderWithTheirRecord) {
    open_test_window(0, "Tarvok");
    open_test_window(4, "Find Text");
    struct Row { int32_t kind, window, id, type; };
    const Row rows[] = {
        {EventMenuCommand, 0, 18, EventTypeNone},
        {EventControl, 0, 9, EventTypeDoubleClick},
        {EventControl, 0, 9, EventTypeSingleClick},
        {EventControl, 4, 29, EventTypeNone},
        {EventRightButton, 0, 0, EventTypeNone},
        {EventCloseRequest, 4, 0, EventTypeNone},
    };
    for (const Row& row : rows) post_event(row.kind, row.window, row.id, row.type);
    EXPECT_EQ(posted_events_left(), std::size(rows));
    for (const Row& row : rows) {
        EXPECT_EQ(next_posted_event(), row.kind);
        EXPECT_EQ(event_window(), row.window);
        EXPECT_EQ(event_id(), row.id);
        EXPECT_EQ(event_type(), row.type);
    }
    EXPECT_EQ(posted_events_left(), 0u);
    EXPECT_TRUE(inspect_window(4).open) << "a close request leaves the window open";
}

TEST_F(WindowsAndEvents, ProgramChangesToControlsMakeNoEvents) {
    open_test_window(0, "Tarvok");
    ASSERT_NE(create_editor(MainEditorId, 10, 40, 620, 390), 0u);
    ASSERT_NE(create_list_box(9, 630, 80, 150, 90), 0u);
    ASSERT_NE(create_tab_strip(3, 630, 60, 130, 20), 0u);
    ASSERT_NE(create_text_field(11, 630, 280, 70, 20, "Hex-Dec-Hex", 0), 0u);
    ASSERT_NE(create_check_box(30, 10, 50, 100, 20, "Replace With"), 0u);
    ASSERT_NE(create_progress_bar(45, 10, 440, 620, 20, 0, 20), 0u);
    add_item(3, -1, "Variables");
    add_item(3, -1, "Lables");
    set_control_state(3, 1);
    add_item(9, -1, "No Variables");
    add_item(9, -1, "loop");
    set_control_state(9, 1);
    clear_items(9);
    set_control_text(11, "$10");
    set_control_state(30, 1);
    set_control_state(45, 12);
    set_control_text(MainEditorId, "lda #1");
    add_item(MainEditorId, -1, "rts");
    select_editor_range(0, 1, -1, -1);
    post_event(EventMenuCommand, 0, 23);
    EXPECT_EQ(next_posted_event(), EventMenuCommand);
    EXPECT_EQ(event_id(), 23) << "only the posted event arrives";
}

TEST_F(WindowsAndEvents, MenuBarAndPopupMenu) {
    const WindowHandle window = open_test_window(0, "Tarvok");
    ASSERT_TRUE(create_menu_bar(0, window));
    add_menu_title("File");
    add_menu_item(0, "New Source ");
    add_menu_separator();
    add_menu_item(1, "Load Source");
    add_menu_title("Assemble");
    add_menu_item(18, "Assemble To  Prg File");
    add_menu_separator();
    const std::vector<MenuInfo> bar = inspect_menu_bar(0);
    ASSERT_EQ(bar.size(), 2u);
    EXPECT_EQ(bar[0].title, "File");
    ASSERT_EQ(bar[0].items.size(), 3u);
    EXPECT_EQ(bar[0].items[0].id, 0);
    EXPECT_EQ(bar[0].items[0].text, "New Source ");
    EXPECT_TRUE(bar[0].items[1].separator);
    EXPECT_EQ(bar[0].items[2].text, "Load Source");
    EXPECT_EQ(bar[1].title, "Assemble");
    ASSERT_EQ(bar[1].items.size(), 2u);
    EXPECT_EQ(bar[1].items[0].id, 18);
    EXPECT_EQ(bar[1].items[0].text, "Assemble To  Prg File");
    EXPECT_TRUE(bar[1].items[1].separator) << "a menu may end with a separator";

    ASSERT_TRUE(create_popup_menu(0));
    add_menu_item(104, "Undo");
    add_menu_separator();
    add_menu_item(103, "Cut Txt");
    const std::vector<MenuEntry> popup = inspect_popup_menu(0);
    ASSERT_EQ(popup.size(), 3u);
    EXPECT_EQ(popup[0].id, 104);
    EXPECT_TRUE(popup[1].separator);
    EXPECT_EQ(popup[2].text, "Cut Txt");
    EXPECT_EQ(inspect_menu_bar(0).size(), 2u) << "the popup menu is not part of the bar";

    const int32_t shown = popup_menus_shown();
    show_popup_menu(0, window);
    EXPECT_EQ(popup_menus_shown(), shown + 1);

    open_test_window(0, "Tarvok");
    EXPECT_TRUE(inspect_menu_bar(0).empty()) << "the menu bar went with the closed window";
}

}  // namespace
}  // namespace tarvok::contract
