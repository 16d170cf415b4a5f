#include "tests/gui/window/gui_fixture.h"

#include <ostream>

namespace tarvok::gui {

void PrintTo(const SeenEvent& event, std::ostream* out) {
    *out << "{kind " << event.kind << ", window " << event.window << ", id " << event.id
         << ", type " << event.type << "}";
}

void GuiTest::SetUp() {
    set_scripted(false);
    clear_script();
    clear_logs();
    set_message_observer(nullptr);
    take_events();
}

void GuiTest::TearDown() {
    for (const int32_t number : opened_) close_window(number);
    set_scripted(false);
    clear_script();
    clear_logs();
    take_events();
}

WindowHandle GuiTest::open_test_window(int32_t number, int32_t width, int32_t height,
                                       int32_t flags) {
    opened_.push_back(number);
    return open_window(number, 20, 20, width, height, "Gui", flags);
}

std::vector<SeenEvent> take_events() {
    QApplication::processEvents();
    std::vector<SeenEvent> events;
    while (posted_events_left() > 0) {
        const int32_t kind = wait_event();
        events.push_back(SeenEvent{kind, event_window(), event_id(), event_type()});
    }
    return events;
}

}  // namespace tarvok::gui
