#include "runtime/window/qt/display_probe.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace tarvok {

namespace {

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

bool x_display_answers() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool ok = connection != nullptr && xcb_connection_has_error(connection) == 0;
    if (connection != nullptr) {
        xcb_disconnect(connection);  // also frees a connection that failed
    }
    return ok;
}

}  // namespace

bool display_reachable() {
    const std::string_view platform = environment("QT_QPA_PLATFORM");
    const std::string_view x_display = environment("DISPLAY");
    const std::string_view wayland = environment("WAYLAND_DISPLAY");
    if (!platform.empty()) {
        // An explicit X platform still needs its display; anything else (offscreen, wayland, ...)
        // is Qt's to judge.
        return platform.substr(0, 3) != "xcb" || x_display_answers();
    }
    if (!wayland.empty()) {
        return true;
    }
    return !x_display.empty() && x_display_answers();
}

}  // namespace tarvok
