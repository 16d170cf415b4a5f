// Menu bars of the program's windows and popup menus. Every item carries its id; choosing it
// queues a menu command for the window that shows the menu. Items have no keyboard shortcuts.

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>

#include "runtime/window/qt/layer.h"
#include "runtime/window/qt/top_window.h"

namespace tarvok {

namespace {

// Item ids travel in the action's data.
void add_item_to(QWidget* menu, int32_t id, const QString& text, int32_t window) {
    auto* action = new QAction(text, menu);
    action->setData(id);
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setAutoRepeat(false);
    QObject::connect(action, &QAction::triggered, action, [id, window](bool) {
        // A popup's items belong to the window it was last shown for.
        queue_event(EventMenuCommand, window >= 0 ? window : layer().popup_window, id);
    });
    menu->addAction(action);
}

// The window whose bar holds the current menu, -1 for a popup menu.
int32_t current_menu_window() {
    const LayerState& state = layer();
    for (const auto& [number, popup] : state.popups) {
        if (popup.get() == state.current_menu.data()) return -1;
    }
    return state.current_bar_window;
}

std::vector<MenuEntry> entries_of(const QMenu& menu) {
    std::vector<MenuEntry> entries;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            entries.push_back(MenuEntry{-1, "", true});
        } else {
            entries.push_back(MenuEntry{action->data().toInt(), from_qt(action->text()), false});
        }
    }
    return entries;
}

}  // namespace

bool create_menu_bar(int32_t /*number*/, WindowHandle window) {
    const int32_t owner = window_number_of_handle(window);
    TopWindow* top = window_widget(owner);
    if (top == nullptr) return false;
    auto* bar = new QMenuBar(top);
    bar->setNativeMenuBar(false);
    bar->setContextMenuPolicy(Qt::NoContextMenu);
    top->setMenuBar(bar);  // the window deletes an earlier bar
    top->fit_client();
    LayerState& state = layer();
    state.current_bar = bar;
    state.current_bar_window = owner;
    state.current_menu = nullptr;
    return true;
}

void add_menu_title(std::string_view text) {
    LayerState& state = layer();
    if (state.current_bar.isNull()) return;
    QMenu* menu = state.current_bar->addMenu(to_qt(text));
    menu->setContextMenuPolicy(Qt::NoContextMenu);
    state.current_menu = menu;
    if (TopWindow* top = window_widget(state.current_bar_window)) top->fit_client();
}

void add_menu_item(int32_t id, std::string_view text) {
    LayerState& state = layer();
    if (state.current_menu.isNull()) return;
    add_item_to(state.current_menu.data(), id, to_qt(text), current_menu_window());
}

void add_menu_separator() {
    LayerState& state = layer();
    if (!state.current_menu.isNull()) state.current_menu->addSeparator();
}

bool create_popup_menu(int32_t number) {
    if (!layer_running()) return false;
    LayerState& state = layer();
    auto menu = std::make_unique<QMenu>();
    menu->setContextMenuPolicy(Qt::NoContextMenu);
    state.current_menu = menu.get();
    state.popups[number] = std::move(menu);
    return true;
}

void show_popup_menu(int32_t number, WindowHandle window) {
    LayerState& state = layer();
    const auto found = state.popups.find(number);
    if (found == state.popups.end()) return;
    int32_t owner = window_number_of_handle(window);
    if (owner < 0) owner = state.current_window;
    state.popup_window = owner;
    bring_to_front(window_widget(owner));
    ++state.popups_shown;
    // Shown without a loop of its own: the item chosen arrives through wait_event.
    found->second->popup(QCursor::pos() - QPoint(1, 1));
}

std::vector<MenuInfo> inspect_menu_bar(int32_t window_number) {
    std::vector<MenuInfo> menus;
    TopWindow* top = window_widget(window_number);
    if (top == nullptr || top->menuWidget() == nullptr) return menus;
    const auto* bar = static_cast<const QMenuBar*>(top->menuWidget());
    for (const QAction* action : bar->actions()) {
        if (const QMenu* menu = action->menu()) {
            menus.push_back(MenuInfo{from_qt(menu->title()), entries_of(*menu)});
        }
    }
    return menus;
}

std::vector<MenuEntry> inspect_popup_menu(int32_t number) {
    const auto found = layer().popups.find(number);
    return found == layer().popups.end() ? std::vector<MenuEntry>{} : entries_of(*found->second);
}

int32_t popup_menus_shown() { return layer().popups_shown; }

}  // namespace tarvok
