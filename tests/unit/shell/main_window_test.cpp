// The main window as built: frame, every control in creation order, the menu bar and the popup.
#include "resources/embedded_images.h"
#include "shell/control_ids.h"
#include "shell/main_window.h"
#include "shell/toolbar_icons.h"
#include "tests/unit/shell/main_window_table.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

using MainWindowTest = ShellTest;

TEST_F(MainWindowTest, FixedSizeCentredWindowWithoutSizingBorder) {
    start();
    const WindowInfo window = inspect_window(MainWindow);
    ASSERT_TRUE(window.open);
    EXPECT_EQ(window.title, "Tarvok");
    EXPECT_EQ(window.client_width, 786);
    EXPECT_EQ(window.client_height, 487);
    EXPECT_EQ(window.flags, WindowCaption | WindowSystemMenu | WindowMinimiseBox |
                                WindowMaximiseBox | WindowCentreOnScreen);
    EXPECT_EQ(window.flags & WindowSizingBorder, 0);
}

TEST_F(MainWindowTest, ControlsInTableOrder) {
    start();
    std::vector<int32_t> ids;
    for (const expected::Control& row : expected::main_window_controls()) {
        ids.push_back(row.id);
    }
    EXPECT_EQ(controls_of_window(MainWindow), ids);
}

TEST_F(MainWindowTest, EveryControlHasItsKindPlaceTextStyleAndTooltip) {
    start();
    for (const expected::Control& row : expected::main_window_controls()) {
        SCOPED_TRACE("control " + std::to_string(row.id));
        const ControlInfo control = inspect_control(row.id);
        EXPECT_EQ(control.kind, row.kind);
        EXPECT_EQ(control.window, MainWindow);
        EXPECT_EQ(control.x, row.x);
        EXPECT_EQ(control.y, row.y);
        EXPECT_EQ(control.width, row.width);
        EXPECT_EQ(control.height, row.height);
        if (row.kind != ControlKind::Editor && row.kind != ControlKind::ListBox) {
            EXPECT_EQ(control.text, row.text);
        }
        EXPECT_EQ(control.flags, row.flags);
        EXPECT_EQ(control.tooltip, row.tooltip);
        EXPECT_TRUE(control.visible);
        EXPECT_TRUE(control.enabled);
    }
}

TEST_F(MainWindowTest, TabStripHoldsVariablesThenLables) {
    start();
    EXPECT_EQ(get_item_text(SymbolTabs, 0), "Variables");
    EXPECT_EQ(get_item_text(SymbolTabs, 1), "Lables");
    EXPECT_EQ(get_item_text(SymbolTabs, 2), "");
    EXPECT_EQ(get_control_state(SymbolTabs), 0);
}

TEST_F(MainWindowTest, ProgressBarRunsFromZeroToTwenty) {
    start();
    set_control_state(ProgressBar, 20);
    EXPECT_EQ(get_control_state(ProgressBar), 20);
    set_control_state(ProgressBar, 21);
    EXPECT_EQ(get_control_state(ProgressBar), 20);
    set_control_state(ProgressBar, -1);
    EXPECT_EQ(get_control_state(ProgressBar), 0);
}

TEST_F(MainWindowTest, MenuBarTitlesItemsAndSeparators) {
    start();
    const std::vector<MenuInfo> bar = inspect_menu_bar(MainWindow);
    const std::vector<expected::Menu>& menus = expected::main_menu_bar();
    ASSERT_EQ(bar.size(), menus.size());
    for (std::size_t m = 0; m < menus.size(); ++m) {
        SCOPED_TRACE(std::string(menus[m].title));
        EXPECT_EQ(bar[m].title, menus[m].title);
        ASSERT_EQ(bar[m].items.size(), menus[m].items.size());
        for (std::size_t i = 0; i < menus[m].items.size(); ++i) {
            SCOPED_TRACE("entry " + std::to_string(i));
            const bool separator = menus[m].items[i].id == -1;
            EXPECT_EQ(bar[m].items[i].separator, separator);
            if (!separator) {
                EXPECT_EQ(bar[m].items[i].id, menus[m].items[i].id);
                EXPECT_EQ(bar[m].items[i].text, menus[m].items[i].text);
            }
        }
    }
}

TEST_F(MainWindowTest, PopupMenuItemsAndSeparators) {
    start();
    const std::vector<MenuEntry> popup = inspect_popup_menu(EditorPopupMenu);
    const std::vector<expected::Item>& items = expected::popup_menu();
    ASSERT_EQ(popup.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        EXPECT_EQ(popup[i].separator, items[i].id == -1);
        if (items[i].id != -1) {
            EXPECT_EQ(popup[i].id, items[i].id);
            EXPECT_EQ(popup[i].text, items[i].text);
        }
    }
}

TEST_F(MainWindowTest, ToolbarIconsAreEmbeddedImages) {
    const ToolbarIcons icons = load_toolbar_icons();
    for (int32_t i = 0; i < ToolbarIconCount; ++i) {
        SCOPED_TRACE("icon " + std::to_string(i));
        EXPECT_NE(icons[static_cast<std::size_t>(i)], 0u);
        const EmbeddedImage image = toolbar_icon_image(i);
        ASSERT_GT(image.size, 9u);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data), 9), "/* XPM */");
        // Each icon is 16 x 16.
        const std::string text(reinterpret_cast<const char*>(image.data), image.size);
        EXPECT_NE(text.find("\"16 16 "), std::string::npos);
    }
    EXPECT_EQ(toolbar_icon_image(ToolbarIconCount).size, 0u);
    EXPECT_EQ(toolbar_icon_image(-1).size, 0u);
    EXPECT_GT(program_icon_image().size, 0u);
}

TEST_F(MainWindowTest, TheThirteenIconsAreAllDifferent) {
    for (int32_t a = 0; a < ToolbarIconCount; ++a) {
        for (int32_t b = a + 1; b < ToolbarIconCount; ++b) {
            const EmbeddedImage first = toolbar_icon_image(a);
            const EmbeddedImage second = toolbar_icon_image(b);
            const std::string_view one(reinterpret_cast<const char*>(first.data), first.size);
            const std::string_view two(reinterpret_cast<const char*>(second.data), second.size);
            const auto pixels = [](std::string_view xpm) { return xpm.substr(xpm.find("pixels")); };
            EXPECT_NE(pixels(one), pixels(two)) << "icons " << a << " and " << b;
        }
    }
}

}  // namespace
}  // namespace tarvok::testing
