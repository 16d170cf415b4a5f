// Window frames, client sizes below the menu bar, placement, and captions that fit their boxes.
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>

#include "tests/gui/window/gui_fixture.h"

namespace tarvok::gui {
namespace {

using WindowGeometry = GuiTest;

constexpr int32_t MainFrame = WindowCaption | WindowSystemMenu | WindowMinimiseBox | WindowMaximiseBox;

TEST_F(WindowGeometry, ClientAreaHasTheRequestedSizeBelowTheMenuBar) {
    const WindowHandle handle = open_test_window(0, 786, 487, MainFrame | WindowCentreOnScreen);
    ASSERT_TRUE(create_menu_bar(0, handle));
    for (const char* title : {"File", "Edit", "Assemble", "Help"}) {
        add_menu_title(title);
        add_menu_item(1, "Item");
    }
    QApplication::processEvents();
    auto* window = static_cast<QMainWindow*>(qt_window_widget(0));
    QWidget* client = qt_client_widget(0);
    EXPECT_EQ(client->size(), QSize(786, 487));
    EXPECT_GT(window->menuBar()->height(), 0);
    EXPECT_EQ(client->y(), window->menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(window->height(), 487 + window->menuBar()->height());
    const WindowInfo info = inspect_window(0);
    EXPECT_EQ(info.client_width, 786);
    EXPECT_EQ(info.client_height, 487);
    EXPECT_EQ(info.title, "Gui");
    // No sizing border: the size is fixed.
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    // Centred on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = window->frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
}

TEST_F(WindowGeometry, FramesAndPlacement) {
    open_test_window(3, 183, 96, WindowCaption | WindowSystemMenu | WindowSizingBorder);
    auto* about = qt_window_widget(3);
    EXPECT_NE(about->minimumSize(), about->maximumSize()) << "a sizing border lets it resize";
    EXPECT_EQ(qt_client_widget(3)->size(), QSize(183, 96));
    EXPECT_FALSE(about->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    ASSERT_TRUE(create_menu_bar(3, window_handle()));
    add_menu_title("Window");
    add_menu_item(1, "Item");
    QApplication::processEvents();
    EXPECT_EQ(qt_client_widget(3)->size(), QSize(183, 96)) << "the menu bar adds to the frame";

    const WindowHandle help = open_test_window(2, 650, 487, WindowCaption | WindowSystemMenu);
    EXPECT_EQ(window_handle(), help);
    const WindowInfo info = inspect_window(2);
    EXPECT_EQ(info.x, 20);
    EXPECT_EQ(info.y, 20);

    // Centred on the active window, never above or left of the screen's corner.
    QWidget* big = qt_window_widget(2);
    big->activateWindow();
    QApplication::setActiveWindow(big);
    open_test_window(4, 314, 102, WindowCaption | WindowSystemMenu | WindowCentreOnActive);
    const QRect over = big->frameGeometry();
    const QRect find = qt_window_widget(4)->frameGeometry();
    EXPECT_LE(std::abs(find.center().x() - over.center().x()), 1);
    EXPECT_LE(std::abs(find.center().y() - over.center().y()), 1);

    open_test_window(1, 100, 100, WindowCaption | WindowHidden);
    EXPECT_FALSE(qt_window_widget(1)->isVisible());
    use_window(4);
    EXPECT_EQ(window_handle(), reinterpret_cast<WindowHandle>(qt_window_widget(4)));
}

TEST_F(WindowGeometry, EveryCaptionOfTheMainWindowIsReadableInItsBox) {
    open_test_window(0, 786, 487, MainFrame);
    struct Row {
        int32_t id;
        const char* text;
        int32_t w;
        bool button;
    };
    const Row rows[] = {{10, "Num Convert", 70, true},       {12, "Ascii Value", 70, true},
                        {14, "Screen code", 70, true},       {16, "Code Start", 70, false},
                        {17, "Code End", 70, false},         {7, "Line #", 70, false},
                        {6, "   Variable Or Lable Value", 150, false}};
    for (const Row& row : rows) {
        if (row.button) {
            ASSERT_NE(create_button(row.id, 630, 260, row.w, 20, row.text, 0), 0u);
        } else {
            ASSERT_NE(create_label(row.id, 630, 300, row.w, 20, row.text, LabelCentred | LabelSunkenBorder), 0u);
        }
        QWidget* widget = qt_control_widget(row.id);
        const QFontMetrics metrics(widget->font());
        const int room = row.w - (row.button ? 8 : 4);
        EXPECT_LE(metrics.horizontalAdvance(QString::fromLatin1(row.text)), room) << row.text;
        EXPECT_LE(metrics.height(), 20 - 4) << row.text;
    }
    ASSERT_NE(create_tab_strip(3, 630, 60, 130, 20), 0u);
    add_item(3, -1, "Variables");
    add_item(3, -1, "Lables");
    auto* tabs = static_cast<QTabBar*>(qt_control_widget(3));
    EXPECT_LE(tabs->tabRect(1).right(), 130);
    EXPECT_LE(tabs->height(), 24);
}

}  // namespace
}  // namespace tarvok::gui
