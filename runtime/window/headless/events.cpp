// Events: a queue that post_event fills and wait_event empties, one event at a time, in order.
// With nothing queued wait_event does not block (nobody could post while it waited): it reports
// EventNone with no window, id 0 and no type.
#include "runtime/window/headless/layer_state.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"

namespace tarvok {

using headless::layer;

void post_event(int32_t kind, int32_t window, int32_t id, int32_t type) {
    layer().events.push_back({kind, window, id, type});
}

std::size_t posted_events_left() { return layer().events.size(); }

int32_t wait_event() {
    headless::Layer& state = layer();
    if (state.events.empty()) {
        state.last_event = headless::PostedEvent{};
    } else {
        state.last_event = state.events.front();
        state.events.pop_front();
    }
    return state.last_event.kind;
}

int32_t event_window() { return layer().last_event.window; }

int32_t event_id() { return layer().last_event.id; }

int32_t event_type() { return layer().last_event.type; }

}  // namespace tarvok
