#include "runtime/window/headless/placement.h"

#include <algorithm>

#include "runtime/window/window.h"

namespace tarvok::headless {

namespace {
Rectangle centred_on_screen(int32_t width, int32_t height) {
    const int32_t outer_width = std::min(width, ScreenWidth);
    const int32_t outer_height = std::min(height, ScreenHeight);
    return {(ScreenWidth - outer_width) / 2, (ScreenHeight - outer_height) / 2, width, height};
}
}  // namespace

Rectangle place_window(int32_t x, int32_t y, int32_t width, int32_t height, int32_t flags,
                       const std::optional<Rectangle>& active) {
    if ((flags & WindowCentreOnScreen) != 0) return centred_on_screen(width, height);
    if ((flags & WindowCentreOnActive) != 0) {
        if (!active) return centred_on_screen(width, height);
        const int32_t left = active->x + (active->width - width) / 2;
        const int32_t top = active->y + (active->height - height) / 2;
        return {std::max(left, 0), std::max(top, 0), width, height};
    }
    return {x, y, width, height};
}

}  // namespace tarvok::headless
