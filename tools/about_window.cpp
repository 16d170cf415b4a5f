#include "tools/about_window.h"

#include "runtime/window/window.h"

namespace tarvok {

namespace {

constexpr int32_t AboutWindowNumber = 3;

}  // namespace

void open_about_window() {
    constexpr int32_t frame = WindowCaption | WindowSystemMenu | WindowSizingBorder;
    if (open_window(AboutWindowNumber, 315, 134, 183, 96, "About", frame) == 0) {
        return;
    }
    create_label(AboutNameLabel, 10, 10, 160, 20, AboutNameText, LabelCentred);
    create_label(AboutVersionLabel, 10, 40, 160, 20, AboutVersionText, LabelCentred);
    create_label(AboutMakerLabel, 10, 70, 160, 20, AboutMakerText, LabelCentred);
}

}  // namespace tarvok
