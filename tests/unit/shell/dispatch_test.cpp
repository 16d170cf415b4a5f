// Dispatch: every menu item and control of the main window reaches its command; the click rule of
// the symbol list; the right button; events of the other windows.
#include <string>
#include <vector>

#include "shell/control_ids.h"
#include "tests/unit/shell/main_window_table.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

// ---- Commands that show their own box -----------------------------------------------------------

struct CommandRow {
    int32_t kind;  // EventMenuCommand or EventControl
    int32_t id;
    std::vector<std::string> messages;    // texts of the boxes shown, in order
    std::vector<std::string> requesters;  // titles of the file requesters shown (all cancelled)
};

std::string row_name(int32_t kind, int32_t id) {
    return (kind == EventMenuCommand ? "menu_" : "control_") + std::to_string(id);
}

void PrintTo(const CommandRow& row, std::ostream* out) { *out << row_name(row.kind, row.id); }

class CommandDispatchTest : public ShellTest, public ::testing::WithParamInterface<CommandRow> {};

TEST_P(CommandDispatchTest, ReachesItsCommand) {
    const CommandRow& row = GetParam();
    start();
    post_and_run(row.kind, MainWindow, row.id);
    EXPECT_EQ(message_texts(), row.messages);
    std::vector<std::string> requesters;
    for (const RequesterRecord& requester : requester_log()) {
        requesters.push_back(requester.title);
    }
    EXPECT_EQ(requesters, row.requesters);
    // Every listed control handler marks the event as handled; menu commands do not.
    EXPECT_EQ(state.event_handled, row.kind == EventControl ? 1 : 0);
    EXPECT_EQ(state.quit_requested, 0);
}

// A command that is not built yet: its box.
CommandRow menu(int32_t id, std::vector<std::string> commands) {
    for (std::string& command : commands) command = not_available(command);
    return {EventMenuCommand, id, std::move(commands), {}};
}
CommandRow control(int32_t id, std::vector<std::string> commands) {
    for (std::string& command : commands) command = not_available(command);
    return {EventControl, id, std::move(commands), {}};
}
// A file command: its question or the file requester it opens.
CommandRow file_menu(int32_t id, std::vector<std::string> messages, std::vector<std::string> requesters) {
    return {EventMenuCommand, id, std::move(messages), std::move(requesters)};
}
CommandRow file_button(int32_t id, std::vector<std::string> messages, std::vector<std::string> requesters) {
    return {EventControl, id, std::move(messages), std::move(requesters)};
}

const std::string NewSourceQuestion = "Do You Want A New Source (Without Saving Current)?.";
const std::string NothingSelected = "There Is No Text Selected To Save.";

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandDispatchTest,
    ::testing::Values(
        file_menu(0, {NewSourceQuestion}, {}), file_menu(1, {}, {"Load Source"}),
        file_menu(2, {}, {"Select Binary File To Merge."}),
        file_menu(3, {}, {"Select Prg File To Merge."}), file_menu(4, {}, {"Merge Source"}),
        file_menu(5, {}, {"Save Source"}), file_menu(6, {NothingSelected}, {}),
        menu(20, {}), menu(24, {}), menu(99, {}),
        file_menu(102, {}, {"Merge Source"}),
        file_menu(110, {}, {"Select Prg File To Merge."}),
        file_menu(111, {}, {"Select Binary File To Merge."}),
        file_menu(112, {NothingSelected}, {}),
        menu(113, {}),
        file_button(33, {NewSourceQuestion}, {}), file_button(34, {}, {"Load Source"}),
        file_button(35, {}, {"Save Source"}),
        control(4, {}), control(10, {}),
        control(12, {}), control(14, {})),
    [](const ::testing::TestParamInfo<CommandRow>& info) {
        return row_name(info.param.kind, info.param.id);
    });

// Controls without a command: their events change nothing and are not marked as handled.
class UnhandledControlTest : public ShellTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(UnhandledControlTest, IsNotDispatched) {
    start();
    const std::string before = editor_text();
    post_and_run(EventControl, MainWindow, GetParam());
    EXPECT_TRUE(message_log().empty());
    EXPECT_EQ(state.event_handled, 0);
    EXPECT_EQ(editor_text(), before);
}

INSTANTIATE_TEST_SUITE_P(Controls, UnhandledControlTest,
                         ::testing::Values(0, 2, 5, 6, 7, 8, 9, 11, 13, 15, 16, 17, 18, 19, 20,
                                           21, 45));

// ---- Symbol list refreshes ----------------------------------------------------------------------

// The list holds one item of its own, so that a refresh shows as the list being refilled.
void mark_symbol_list() {
    clear_items(SymbolList);
    add_item(SymbolList, -1, "marker");
}

bool symbol_list_refilled() {
    return count_items(SymbolList) != 1 || get_item_text(SymbolList, 0) != "marker";
}

using RefreshDispatchTest = ShellTest;

TEST_F(RefreshDispatchTest, TabClickAndButtonSetWhereTheRefreshCameFrom) {
    start();
    state.symbol_list.refresh_from_button = 1;
    post_and_run(EventControl, MainWindow, SymbolTabs, EventTypeSingleClick);
    EXPECT_EQ(state.symbol_list.refresh_from_button, 0);
    post_and_run(EventControl, MainWindow, RefreshButton);
    EXPECT_EQ(state.symbol_list.refresh_from_button, 1);
    EXPECT_EQ(ctx.quiet, 0);
    EXPECT_TRUE(message_log().empty());
}

TEST_F(RefreshDispatchTest, TabChosenWithTheKeyboardDoesNotRefresh) {
    constexpr int32_t TabSelectionChanged = -551;
    start();
    mark_symbol_list();
    state.symbol_list.refresh_from_button = 1;
    post_and_run(EventControl, MainWindow, SymbolTabs, TabSelectionChanged);
    EXPECT_FALSE(symbol_list_refilled());
    EXPECT_EQ(state.symbol_list.refresh_from_button, 1);
    EXPECT_EQ(state.event_handled, 0);
}

TEST_F(RefreshDispatchTest, FileMenuMergeRefreshesButThePopupMergeDoesNot) {
    start();
    mark_symbol_list();
    post_and_run(EventMenuCommand, MainWindow, PopupMergeSource);
    EXPECT_FALSE(symbol_list_refilled());
    post_and_run(EventMenuCommand, MainWindow, MenuMergeSource);
    EXPECT_TRUE(symbol_list_refilled());
    EXPECT_EQ(ctx.quiet, 0);
}

// ---- Editor commands ----------------------------------------------------------------------------

enum class EditorAction { Undo, Redo, Cut, Copy, Paste, SelectAll };

struct EditorRow {
    int32_t kind;
    int32_t id;
    EditorAction action;
};

void PrintTo(const EditorRow& row, std::ostream* out) { *out << row_name(row.kind, row.id); }

class EditorDispatchTest : public ShellTest, public ::testing::WithParamInterface<EditorRow> {};

TEST_P(EditorDispatchTest, ActsOnTheEditor) {
    const EditorRow& row = GetParam();
    start();
    const std::string example = editor_text();
    switch (row.action) {
        case EditorAction::Undo:
            set_editor_caret(1, 1);
            ASSERT_TRUE(editor_type_text("X"));
            post_and_run(row.kind, MainWindow, row.id);
            EXPECT_EQ(editor_text(), example);
            break;
        case EditorAction::Redo:
            set_editor_caret(1, 1);
            ASSERT_TRUE(editor_type_text("X"));
            editor_undo();
            ASSERT_EQ(editor_text(), example);
            post_and_run(row.kind, MainWindow, row.id);
            EXPECT_EQ(editor_text(), "X" + example);
            break;
        case EditorAction::Cut:
            select_editor_range(0, 1, 0, 8);
            post_and_run(row.kind, MainWindow, row.id);
            EXPECT_EQ(clipboard_text(), "*=$1000");
            EXPECT_EQ(editor_text(), example.substr(7));
            break;
        case EditorAction::Copy:
            select_editor_range(0, 1, 0, 8);
            post_and_run(row.kind, MainWindow, row.id);
            EXPECT_EQ(clipboard_text(), "*=$1000");
            EXPECT_EQ(editor_text(), example);
            break;
        case EditorAction::Paste:
            select_editor_range(0, 1, 0, 8);
            editor_copy();
            set_editor_caret(1, 3);
            post_and_run(row.kind, MainWindow, row.id);
            EXPECT_EQ(editor_text(), example + "*=$1000");
            break;
        case EditorAction::SelectAll: {
            set_editor_caret(3, 1);
            post_and_run(row.kind, MainWindow, row.id);
            const EditorSelection selection = editor_selection();
            EXPECT_EQ(selection.start, 0);
            EXPECT_EQ(selection.end, static_cast<int32_t>(example.size()));
            break;
        }
    }
    EXPECT_TRUE(message_log().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EditorDispatchTest,
    ::testing::Values(EditorRow{EventMenuCommand, 8, EditorAction::Undo},
                      EditorRow{EventMenuCommand, 9, EditorAction::Redo},
                      EditorRow{EventMenuCommand, 10, EditorAction::Cut},
                      EditorRow{EventMenuCommand, 11, EditorAction::Copy},
                      EditorRow{EventMenuCommand, 12, EditorAction::Paste},
                      EditorRow{EventMenuCommand, 14, EditorAction::SelectAll},
                      EditorRow{EventMenuCommand, 100, EditorAction::Copy},
                      EditorRow{EventMenuCommand, 101, EditorAction::Paste},
                      EditorRow{EventMenuCommand, 103, EditorAction::Cut},
                      EditorRow{EventMenuCommand, 104, EditorAction::Undo},
                      EditorRow{EventMenuCommand, 105, EditorAction::Redo},
                      EditorRow{EventMenuCommand, 107, EditorAction::SelectAll},
                      EditorRow{EventControl, 36, EditorAction::Undo},
                      EditorRow{EventControl, 37, EditorAction::Redo},
                      EditorRow{EventControl, 38, EditorAction::Cut},
                      EditorRow{EventControl, 39, EditorAction::Copy},
                      EditorRow{EventControl, 40, EditorAction::Paste}),
    [](const ::testing::TestParamInfo<EditorRow>& info) {
        return row_name(info.param.kind, info.param.id);
    });

using SaveSelectionDispatchTest = ShellTest;

TEST_F(SaveSelectionDispatchTest, CopiesTheSelectionBeforeSaving) {
    for (const int32_t item : {MenuSaveSelection, PopupSaveSelection}) {
        SCOPED_TRACE(item);
        start();
        select_editor_range(0, 9, 0, 13);
        script_file_answer(path_of("part"), 2);
        post_and_run(EventMenuCommand, MainWindow, item);
        EXPECT_EQ(read_file("part"), std::string(";Thi\0", 5));
        EXPECT_TRUE(message_log().empty());
        clear_logs();
    }
}

// ---- The click rule of the symbol list ----------------------------------------------------------

enum class Reached { Nothing, SymbolValue, GotoSymbol, TabRefresh, ButtonRefresh };

struct ClickRow {
    const char* name;
    int32_t kind;
    int32_t id;
    int32_t type;
    Reached reached;
};

void PrintTo(const ClickRow& row, std::ostream* out) { *out << row.name; }

class ClickRuleTest : public ShellTest, public ::testing::WithParamInterface<ClickRow> {};

TEST_P(ClickRuleTest, OnlyUnhandledClicksReachTheSymbolList) {
    const ClickRow& row = GetParam();
    start();
    set_control_text(SourceEditor, "*=$1000\nv=1\n");
    mark_symbol_list();
    set_control_state(SymbolList, 0);
    bool assembled = false;
    set_state_observer([&](int32_t id, int32_t value) {
        assembled = assembled || (id == ProgressBar && value > 0);
    });
    post_and_run(row.kind, MainWindow, row.id, row.type);
    set_state_observer(nullptr);
    // A click in the list reads the clicked item; a double click assembles first; a refresh
    // refills the list, from the button after an assembly.
    const bool clicked = row.reached == Reached::SymbolValue || row.reached == Reached::GotoSymbol;
    EXPECT_EQ(state.symbol_list.selected_symbol, clicked ? "marker" : "");
    EXPECT_EQ(assembled, row.reached == Reached::GotoSymbol || row.reached == Reached::ButtonRefresh);
    EXPECT_EQ(symbol_list_refilled(),
              row.reached == Reached::TabRefresh || row.reached == Reached::ButtonRefresh);
    EXPECT_TRUE(message_log().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClickRuleTest,
    ::testing::Values(
        ClickRow{"ListSelectionChangeShowsTheValue", EventControl, SymbolList,
                 EventTypeSingleClick, Reached::SymbolValue},
        ClickRow{"ListDoubleClickGoesToTheSymbol", EventControl, SymbolList,
                 EventTypeDoubleClick, Reached::GotoSymbol},
        ClickRow{"ListEventWithoutTypeDoesNothing", EventControl, SymbolList, EventTypeNone,
                 Reached::Nothing},
        ClickRow{"TabClickIsHandledAndNoSymbolClick", EventControl, SymbolTabs,
                 EventTypeSingleClick, Reached::TabRefresh},
        ClickRow{"HandledButtonWithClickTypeIsNoSymbolClick", EventControl, RefreshButton,
                 EventTypeSingleClick, Reached::ButtonRefresh},
        ClickRow{"OtherClickTypeDoesNothing", EventControl, SymbolList, 1, Reached::Nothing}),
    [](const ::testing::TestParamInfo<ClickRow>& info) { return std::string(info.param.name); });

// ---- Right button, current window, other windows ------------------------------------------------

using WindowEventTest = ShellTest;

TEST_F(WindowEventTest, RightButtonShowsThePopupMenu) {
    start();
    post_and_run(EventRightButton, MainWindow);
    EXPECT_EQ(popup_menus_shown(), 1);
    EXPECT_TRUE(message_log().empty());
}

TEST_F(WindowEventTest, RightButtonWithoutPopupMenuDoesNothing) {
    start();
    state.popup_menu = NoPopupMenu;
    post_and_run(EventRightButton, MainWindow);
    EXPECT_EQ(popup_menus_shown(), 0);
}

TEST_F(WindowEventTest, AnyMainWindowEventMakesItCurrentAgain) {
    start();
    const WindowHandle main = window_handle();
    open_window(HelpWindow, 65, 26, 650, 487, "Help", WindowCaption | WindowSystemMenu);
    ASSERT_NE(window_handle(), main);
    post_and_run(EventWindowMoved, MainWindow);
    EXPECT_EQ(window_handle(), main);
}

TEST_F(WindowEventTest, HelpAndMemoryMapWindowsCloseOnACloseRequestOnly) {
    for (const int32_t window : {MemoryMapWindow, HelpWindow}) {
        SCOPED_TRACE(window);
        start();
        open_window(window, 0, 0, 300, 200, "Text", WindowCaption | WindowSystemMenu);
        post_and_run(EventControl, window, 22 + (window == HelpWindow ? 1 : 0));
        post_and_run(EventMenuCommand, window, MenuNewSource);
        EXPECT_TRUE(inspect_window(window).open);
        post_and_run(EventCloseRequest, window);
        EXPECT_FALSE(inspect_window(window).open);
        EXPECT_TRUE(inspect_window(MainWindow).open);
        EXPECT_TRUE(message_log().empty());
        EXPECT_EQ(state.quit_requested, 0);
    }
}

TEST_F(WindowEventTest, FindWindowButtonsStartAndContinueTheSearch) {
    start();
    open_window(FindWindow, 201, 261, 314, 102, "Find Text", WindowCaption | WindowSystemMenu);
    state.find_start = 5;
    state.continue_search = 1;
    post_and_run(EventControl, FindWindow, FindStartButton);
    EXPECT_EQ(state.find_start, 0);
    EXPECT_EQ(state.continue_search, 0);
    // The search reads the (missing) search field and reports it empty.
    EXPECT_EQ(message_texts(), std::vector<std::string>{"No Search String Entered"});

    state.find_start = 5;
    clear_logs();
    post_and_run(EventControl, FindWindow, FindNextButton);
    EXPECT_EQ(state.find_start, 5);
    EXPECT_EQ(state.continue_search, 1);
    EXPECT_EQ(message_texts(), std::vector<std::string>{"No Search String Entered"});

    clear_logs();
    post_and_run(EventControl, FindWindow, FindSearchField);
    post_and_run(EventMenuCommand, FindWindow, MenuNewSource);
    EXPECT_TRUE(message_log().empty());
    EXPECT_TRUE(inspect_window(FindWindow).open);
    post_and_run(EventCloseRequest, FindWindow);
    EXPECT_FALSE(inspect_window(FindWindow).open);
    EXPECT_EQ(state.quit_requested, 0);
}

TEST_F(WindowEventTest, EventsOfOtherWindowsAreIgnored) {
    start();
    for (const int32_t window : {AboutWindow, 5, -1}) {
        post_event(EventMenuCommand, window, MenuNewSource);
        post_event(EventControl, window, NewSourceButton);
        post_event(EventControl, window, SymbolList, EventTypeSingleClick);
        post_event(EventCloseRequest, window);
        post_event(EventRightButton, window);
    }
    run_posted();
    EXPECT_TRUE(message_log().empty());
    EXPECT_EQ(popup_menus_shown(), 0);
    EXPECT_EQ(state.quit_requested, 0);
}

}  // namespace
}  // namespace tarvok::testing
