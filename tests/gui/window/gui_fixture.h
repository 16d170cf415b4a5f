#pragma once
// The base of the window layer's GUI cases: real widgets, driven with QTest. Each case starts
// with no windows, an empty event queue, no scripted answers and the layer not scripted.

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdint>
#include <vector>

#include "runtime/window/qt/qt_access.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"

namespace tarvok::gui {

struct SeenEvent {
    int32_t kind = EventNone;
    int32_t window = -1;
    int32_t id = 0;
    int32_t type = EventTypeNone;
    bool operator==(const SeenEvent&) const = default;
};

void PrintTo(const SeenEvent& event, std::ostream* out);

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens window number with a caption and system menu at a fixed place; closed after the case.
    WindowHandle open_test_window(int32_t number, int32_t width = 640, int32_t height = 480,
                                  int32_t flags = WindowCaption | WindowSystemMenu);

private:
    std::vector<int32_t> opened_;
};

// Lets Qt deliver what is pending, then takes every event the layer queued, in order.
std::vector<SeenEvent> take_events();

}  // namespace tarvok::gui
