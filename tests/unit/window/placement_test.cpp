// Where windows go on the virtual 1920 x 1080 screen of the in-memory layer.
#include <gtest/gtest.h>

#include "runtime/window/headless/placement.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"

namespace tarvok {
namespace {

TEST(WindowPlacement, PlacementRows) {
    using headless::Rectangle;
    struct Row {
        const char* what;
        int32_t x, y, width, height, flags;
        bool has_active;
        Rectangle active;
        int32_t left, top;
    };
    const Row rows[] = {
        {"centred on the screen", 0, 0, 786, 487, WindowCentreOnScreen, false, {}, 567, 296},
        {"centred on the screen with frame styles", 5, 5, 575, 451,
         WindowCaption | WindowSystemMenu | WindowCentreOnScreen, false, {}, 672, 314},
        {"larger than the screen goes to the corner", 0, 0, 2500, 1300, WindowCentreOnScreen, false,
         {}, 0, 0},
        {"at x and y", 65, 26, 650, 487, WindowCaption, false, {}, 65, 26},
        {"at x and y even with an active window", 201, 261, 314, 102, 0, true, {0, 0, 800, 600},
         201, 261},
        {"centred on the active window", 0, 0, 200, 100, WindowCentreOnActive, true,
         {100, 100, 600, 400}, 300, 250},
        {"a window larger than the active one clips at 0", 0, 0, 900, 700, WindowCentreOnActive,
         true, {100, 50, 400, 300}, 0, 0},
        {"centred on the active window without one is centred on the screen", 0, 0, 200, 100,
         WindowCentreOnActive, false, {}, 860, 490},
        {"flag 1 wins over flag 2", 0, 0, 200, 100, WindowCentreOnScreen | WindowCentreOnActive, true,
         {0, 0, 300, 300}, 860, 490},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const std::optional<Rectangle> active =
            row.has_active ? std::optional<Rectangle>(row.active) : std::nullopt;
        const Rectangle place =
            headless::place_window(row.x, row.y, row.width, row.height, row.flags, active);
        EXPECT_EQ(place.x, row.left);
        EXPECT_EQ(place.y, row.top);
        EXPECT_EQ(place.width, row.width);
        EXPECT_EQ(place.height, row.height);
    }
}

class WindowsOnTheScreen : public ::testing::Test {
protected:
    void TearDown() override { stop_window_layer(); }
};

TEST_F(WindowsOnTheScreen, TheActiveWindowIsTheLastOpenedOrUsed) {
    open_window(0, 0, 0, 786, 487, "Tarvok", WindowCentreOnScreen);
    EXPECT_EQ(inspect_window(0).x, 567);
    EXPECT_EQ(inspect_window(0).y, 296);
    open_window(3, 315, 134, 183, 96, "About", WindowCaption);
    open_window(4, 0, 0, 100, 50, "Centred", WindowCentreOnActive);
    EXPECT_EQ(inspect_window(4).x, 315 + (183 - 100) / 2) << "over window 3, the last opened";
    EXPECT_EQ(inspect_window(4).y, 134 + (96 - 50) / 2);
    use_window(0);
    open_window(5, 0, 0, 186, 87, "Centred", WindowCentreOnActive);
    EXPECT_EQ(inspect_window(5).x, 567 + 300);
    EXPECT_EQ(inspect_window(5).y, 296 + 200);
    close_window(5);
    open_window(6, 0, 0, 20, 10, "Centred", WindowCentreOnActive);
    EXPECT_EQ(inspect_window(6).x, 950) << "the active window was closed: centred on the screen";
    EXPECT_EQ(inspect_window(6).y, 535);
}

TEST_F(WindowsOnTheScreen, ReopeningCentresWithoutTheWindowItReplaces) {
    open_window(1, 10, 10, 400, 300, "C64 Memory", 0);
    open_window(1, 0, 0, 400, 300, "C64 Memory", WindowCentreOnActive);
    EXPECT_EQ(inspect_window(1).x, 760);
    EXPECT_EQ(inspect_window(1).y, 390);
}

}  // namespace
}  // namespace tarvok
