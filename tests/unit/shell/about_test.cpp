// The about window and the About command's loop of its own.
#include <string>
#include <vector>

#include "shell/control_ids.h"
#include "tests/unit/shell/shell_fixture.h"
#include "tools/about_window.h"

namespace tarvok::testing {
namespace {

using AboutTest = ShellTest;

TEST_F(AboutTest, WindowHasItsFrameAndThreeCentredLabels) {
    start();
    open_about_window();
    const WindowInfo window = inspect_window(AboutWindow);
    ASSERT_TRUE(window.open);
    EXPECT_EQ(window.title, "About");
    EXPECT_EQ(window.x, 315);
    EXPECT_EQ(window.y, 134);
    EXPECT_EQ(window.client_width, 183);
    EXPECT_EQ(window.client_height, 96);
    EXPECT_EQ(window.flags, WindowCaption | WindowSystemMenu | WindowSizingBorder);
    EXPECT_EQ(controls_of_window(AboutWindow), (std::vector<int32_t>{24, 25, 26}));
    const struct {
        int32_t id;
        int32_t y;
        const char* text;
    } labels[] = {{24, 10, "Tarvok"}, {25, 40, "Version 1.4.3 Beta"}, {26, 70, "Tarvok contributors"}};
    for (const auto& label : labels) {
        SCOPED_TRACE(label.id);
        const ControlInfo control = inspect_control(label.id);
        EXPECT_EQ(control.kind, ControlKind::Label);
        EXPECT_EQ(control.window, AboutWindow);
        EXPECT_EQ(control.x, 10);
        EXPECT_EQ(control.y, label.y);
        EXPECT_EQ(control.width, 160);
        EXPECT_EQ(control.height, 20);
        EXPECT_EQ(control.text, label.text);
        EXPECT_EQ(control.flags, LabelCentred);
    }
}

TEST_F(AboutTest, DiscardsEverythingUntilACloseRequestOfAnyWindow) {
    start();
    const std::string text_before = editor_text();
    post_event(EventMenuCommand, MainWindow, MenuAbout);
    post_event(EventControl, MainWindow, NewSourceButton);
    post_event(EventMenuCommand, MainWindow, MenuLoadSource);
    post_event(EventMenuCommand, MainWindow, MenuSelectAll);
    post_event(EventRightButton, MainWindow);
    post_event(EventControl, MainWindow, SymbolList, EventTypeDoubleClick);
    post_event(EventCloseRequest, HelpWindow);  // ends the About window's loop
    post_event(EventControl, MainWindow, NewSourceButton);
    run_posted();
    EXPECT_EQ(message_texts(),
              std::vector<std::string>{"Do You Want A New Source (Without Saving Current)?."});
    EXPECT_EQ(popup_menus_shown(), 0);
    EXPECT_EQ(editor_selection().start, editor_selection().end);
    EXPECT_FALSE(inspect_window(AboutWindow).open);
    EXPECT_TRUE(inspect_window(MainWindow).open);
    EXPECT_EQ(editor_text(), text_before);
}

TEST_F(AboutTest, ClosingTheMainWindowOnlyClosesTheAboutWindow) {
    start();
    post_event(EventMenuCommand, MainWindow, MenuAbout);
    post_event(EventCloseRequest, MainWindow);
    run_posted();
    EXPECT_TRUE(message_log().empty());
    EXPECT_EQ(state.quit_requested, 0);
    EXPECT_FALSE(inspect_window(AboutWindow).open);
    EXPECT_TRUE(inspect_window(MainWindow).open);
}

}  // namespace
}  // namespace tarvok::testing
