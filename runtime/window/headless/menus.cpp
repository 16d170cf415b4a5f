// Menus: a menu bar per window (drop-down menus with their items and separators in order) and
// popup menus by number. Showing a popup menu only counts the showing: the item a user would
// choose arrives as a posted menu command.
#include "runtime/window/headless/layer_state.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"

namespace tarvok {

using headless::CurrentMenu;
using headless::layer;

namespace {

// The items of the current drop-down or popup menu, nullptr when the current menu takes none.
std::vector<MenuEntry>* current_items() {
    headless::Layer& state = layer();
    const CurrentMenu& current = state.current_menu;
    if (current.kind == CurrentMenu::Kind::Popup) {
        const auto found = state.popup_menus.find(current.number);
        return found == state.popup_menus.end() ? nullptr : &found->second;
    }
    if (current.kind == CurrentMenu::Kind::DropDown) {
        const auto found = state.menu_bars.find(current.number);
        if (found == state.menu_bars.end() || current.title >= found->second.size()) return nullptr;
        return &found->second[current.title].items;
    }
    return nullptr;
}

int32_t window_of_handle(WindowHandle handle) {
    for (const auto& [number, window] : layer().windows) {
        if (handle != 0 && window.handle == handle) return number;
    }
    return -1;
}

}  // namespace

bool create_menu_bar(int32_t /*number*/, WindowHandle window) {
    const int32_t owner = window_of_handle(window);
    if (owner < 0) return false;
    headless::Layer& state = layer();
    state.menu_bars[owner].clear();
    state.current_menu = {CurrentMenu::Kind::Bar, owner, 0};
    return true;
}

void add_menu_title(std::string_view text) {
    headless::Layer& state = layer();
    CurrentMenu& current = state.current_menu;
    if (current.kind != CurrentMenu::Kind::Bar && current.kind != CurrentMenu::Kind::DropDown) return;
    const auto found = state.menu_bars.find(current.number);
    if (found == state.menu_bars.end()) return;
    found->second.push_back(MenuInfo{std::string(text), {}});
    current.kind = CurrentMenu::Kind::DropDown;
    current.title = found->second.size() - 1;
}

void add_menu_item(int32_t id, std::string_view text) {
    if (auto* items = current_items()) items->push_back(MenuEntry{id, std::string(text), false});
}

void add_menu_separator() {
    if (auto* items = current_items()) items->push_back(MenuEntry{-1, "", true});
}

bool create_popup_menu(int32_t number) {
    headless::Layer& state = layer();
    state.popup_menus[number].clear();
    state.current_menu = {CurrentMenu::Kind::Popup, number, 0};
    return true;
}

void show_popup_menu(int32_t number, WindowHandle /*window*/) {
    headless::Layer& state = layer();
    if (state.popup_menus.contains(number)) ++state.popups_shown;
}

std::vector<MenuInfo> inspect_menu_bar(int32_t window_number) {
    const auto& bars = layer().menu_bars;
    const auto found = bars.find(window_number);
    return found == bars.end() ? std::vector<MenuInfo>{} : found->second;
}

std::vector<MenuEntry> inspect_popup_menu(int32_t number) {
    const auto& popups = layer().popup_menus;
    const auto found = popups.find(number);
    return found == popups.end() ? std::vector<MenuEntry>{} : found->second;
}

int32_t popup_menus_shown() { return layer().popups_shown; }

}  // namespace tarvok
