// Windows: records by number on the virtual screen, the current and the active window, and the
// layer's start and stop.
#include <iterator>
#include <optional>

#include "runtime/window/headless/layer_state.h"
#include "runtime/window/headless/placement.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"

namespace tarvok {

using headless::layer;

bool start_window_layer(int& /*argc*/, char** /*argv*/) { return true; }

void stop_window_layer() { headless::reset_layer(); }

WindowHandle open_window(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                         std::string_view title, int32_t flags) {
    close_window(number);
    headless::Layer& state = layer();
    std::optional<headless::Rectangle> active;
    if (const auto found = state.windows.find(state.active_window); found != state.windows.end()) {
        const headless::WindowRecord& window = found->second;
        active = headless::Rectangle{window.x, window.y, window.width, window.height};
    }
    const headless::Rectangle place = headless::place_window(x, y, width, height, flags, active);
    headless::WindowRecord& window = state.windows[number];
    window.handle = headless::new_handle();
    window.title = std::string(title);
    window.x = place.x;
    window.y = place.y;
    window.width = width;
    window.height = height;
    window.flags = flags;
    state.current_window = number;
    state.active_window = number;
    return window.handle;
}

void close_window(int32_t number) {
    headless::Layer& state = layer();
    if (state.windows.erase(number) == 0) return;
    for (auto it = state.controls.begin(); it != state.controls.end();) {
        it = it->second.window == number ? state.controls.erase(it) : std::next(it);
    }
    std::erase_if(state.creation_order, [&state](int32_t id) { return !state.controls.contains(id); });
    state.menu_bars.erase(number);
    if (state.current_menu.kind == headless::CurrentMenu::Kind::Bar ||
        state.current_menu.kind == headless::CurrentMenu::Kind::DropDown) {
        if (state.current_menu.number == number) state.current_menu = {};
    }
    if (state.current_window == number) state.current_window = -1;
    if (state.active_window == number) state.active_window = -1;
}

void use_window(int32_t number) {
    headless::Layer& state = layer();
    if (!state.windows.contains(number)) return;
    state.current_window = number;
    state.active_window = number;
}

WindowHandle window_handle() {
    const headless::Layer& state = layer();
    const auto found = state.windows.find(state.current_window);
    return found == state.windows.end() ? 0 : found->second.handle;
}

WindowInfo inspect_window(int32_t number) {
    WindowInfo info;
    const headless::Layer& state = layer();
    const auto found = state.windows.find(number);
    if (found == state.windows.end()) return info;
    const headless::WindowRecord& window = found->second;
    info.open = true;
    info.title = window.title;
    info.x = window.x;
    info.y = window.y;
    info.client_width = window.width;
    info.client_height = window.height;
    info.flags = window.flags;
    return info;
}

}  // namespace tarvok
