// The main window on the real widgets: frame, controls, menus, popup menu and icons against the
// tables the program is built from.
#include <QAction>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

#include "resources/embedded_images.h"
#include "shell/control_ids.h"
#include "tests/gui/shell/shell_gui_fixture.h"
#include "tests/unit/shell/main_window_table.h"

namespace tarvok::gui {
namespace {

using MainWindowWidgets = ShellGuiTest;

TEST_F(MainWindowWidgets, WindowTitleClientSizeAndFixedFrame) {
    QWidget* window = qt_window_widget(MainWindow);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tarvok"));
    QWidget* client = qt_client_widget(MainWindow);
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(786, 487));
    // No sizing border: the window cannot be made larger or smaller.
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(MainWindowWidgets, EveryControlIsTheRightWidgetInItsPlaceWithItsTextAndTooltip) {
    for (const expected::Control& row : expected::main_window_controls()) {
        SCOPED_TRACE("control " + std::to_string(row.id));
        QWidget* widget = qt_control_widget(row.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget_fits_kind(widget, row.kind));
        EXPECT_EQ(widget->window(), qt_window_widget(MainWindow));
        EXPECT_EQ(widget->parentWidget(), qt_client_widget(MainWindow));
        EXPECT_EQ(widget->pos(), QPoint(row.x, row.y));
        EXPECT_EQ(widget->width(), row.width);
        if (row.kind != ControlKind::TabStrip) {
            EXPECT_EQ(widget->height(), row.height);
        }
        EXPECT_TRUE(widget->isVisible());
        EXPECT_EQ(widget->toolTip(), QString::fromLatin1(row.tooltip.data(),
                                                         static_cast<int>(row.tooltip.size())));
        const ControlInfo info = inspect_control(row.id);
        EXPECT_EQ(info.kind, row.kind);
        if (row.kind == ControlKind::TextField || row.kind == ControlKind::Button ||
            row.kind == ControlKind::Label) {
            EXPECT_EQ(info.text, row.text);
        }
        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_EQ(field->isReadOnly(), (row.flags & FieldReadOnly) != 0);
            EXPECT_EQ(field->text().toStdString(), std::string(row.text));
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
            EXPECT_EQ(label->frameShape() != QFrame::NoFrame, (row.flags & LabelSunkenBorder) != 0);
        }
    }
}

TEST_F(MainWindowWidgets, ButtonsToolbarProgressBarAndTabs) {
    auto* num_convert = qobject_cast<QPushButton*>(qt_control_widget(NumConvertButton));
    ASSERT_NE(num_convert, nullptr);
    EXPECT_TRUE(num_convert->isDefault());
    EXPECT_EQ(num_convert->text(), QStringLiteral("Num Convert"));

    for (int32_t id = NewSourceButton; id <= FindButton; ++id) {
        if (id == ProgressBar) continue;
        SCOPED_TRACE(id);
        auto* button = qobject_cast<QToolButton*>(qt_control_widget(id));
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->icon().isNull()) << "every image button shows its icon";
        EXPECT_EQ(button->iconSize(), QSize(16, 16));
    }

    auto* bar = qobject_cast<QProgressBar*>(qt_control_widget(ProgressBar));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 20);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);

    auto* tabs = qobject_cast<QTabBar*>(qt_control_widget(SymbolTabs));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Variables"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Lables"));
    EXPECT_EQ(tabs->currentIndex(), 0);

    auto* list = qobject_cast<QListWidget*>(qt_control_widget(SymbolList));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("No Variables"));

    auto* editor = qt_editor_widget(SourceEditor);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->toPlainText(),
              QStringLiteral("*=$1000 ;This is An Example Of Setting The Start Address Value\n\n"));
}

TEST_F(MainWindowWidgets, MenuBarMatchesTheTable) {
    QMenuBar* bar = qt_menu_bar(MainWindow);
    ASSERT_NE(bar, nullptr);
    const std::vector<expected::Menu>& menus = expected::main_menu_bar();
    const QList<QAction*> titles = bar->actions();
    ASSERT_EQ(titles.size(), static_cast<qsizetype>(menus.size()));
    for (std::size_t m = 0; m < menus.size(); ++m) {
        SCOPED_TRACE(std::string(menus[m].title));
        QMenu* menu = titles[static_cast<qsizetype>(m)]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title().toStdString(), menus[m].title);
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(menus[m].items.size()));
        for (std::size_t i = 0; i < menus[m].items.size(); ++i) {
            SCOPED_TRACE(i);
            const QAction* action = actions[static_cast<qsizetype>(i)];
            EXPECT_EQ(action->isSeparator(), menus[m].items[i].id == -1);
            if (!action->isSeparator()) {
                EXPECT_EQ(action->text().toStdString(), menus[m].items[i].text);
                EXPECT_TRUE(action->shortcut().isEmpty()) << "menu items carry no shortcuts";
            }
        }
    }
    // The ids the items report.
    const std::vector<MenuInfo> inspected = inspect_menu_bar(MainWindow);
    ASSERT_EQ(inspected.size(), menus.size());
    for (std::size_t m = 0; m < menus.size(); ++m) {
        ASSERT_EQ(inspected[m].items.size(), menus[m].items.size());
        for (std::size_t i = 0; i < menus[m].items.size(); ++i) {
            if (menus[m].items[i].id != -1) {
                EXPECT_EQ(inspected[m].items[i].id, menus[m].items[i].id);
            }
        }
    }
}

TEST_F(MainWindowWidgets, PopupMenuMatchesTheTable) {
    QMenu* popup = qt_popup_menu(EditorPopupMenu);
    ASSERT_NE(popup, nullptr);
    const std::vector<expected::Item>& items = expected::popup_menu();
    const QList<QAction*> actions = popup->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size()));
    const std::vector<MenuEntry> inspected = inspect_popup_menu(EditorPopupMenu);
    ASSERT_EQ(inspected.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        const QAction* action = actions[static_cast<qsizetype>(i)];
        EXPECT_EQ(action->isSeparator(), items[i].id == -1);
        if (!action->isSeparator()) {
            EXPECT_EQ(action->text().toStdString(), items[i].text);
            EXPECT_EQ(inspected[i].id, items[i].id);
        }
    }
}

TEST_F(MainWindowWidgets, EmbeddedIconsDecodeAtTheirSizes) {
    for (int32_t i = 0; i < ToolbarIconCount; ++i) {
        SCOPED_TRACE(i);
        const EmbeddedImage icon = toolbar_icon_image(i);
        const QImage image = QImage::fromData(icon.data, static_cast<int>(icon.size), "XPM");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(16, 16));
        EXPECT_TRUE(image.hasAlphaChannel()) << "the button shows through around the picture";
    }
    const EmbeddedImage program = program_icon_image();
    const QImage image = QImage::fromData(program.data, static_cast<int>(program.size), "XPM");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(32, 32));
}

}  // namespace
}  // namespace tarvok::gui
