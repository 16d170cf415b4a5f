#pragma once
// Where a new window goes on the virtual screen. Windows have no frame here, so the outer
// rectangle is the client rectangle.

#include <cstdint>
#include <optional>

namespace tarvok::headless {

// The virtual screen that windows are placed on.
inline constexpr int32_t ScreenWidth = 1920;
inline constexpr int32_t ScreenHeight = 1080;

struct Rectangle {
    int32_t x = 0, y = 0, width = 0, height = 0;
};

// Flag 1 centres on the screen (each dimension first clamped to the screen's); flag 2 centres
// over the active window, negative coordinates becoming 0, or as flag 1 without an active window;
// otherwise x and y stay as given.
Rectangle place_window(int32_t x, int32_t y, int32_t width, int32_t height, int32_t flags,
                       const std::optional<Rectangle>& active);

}  // namespace tarvok::headless
