#include "shell/about_command.h"

#include "runtime/window/window.h"
#include "shell/control_ids.h"
#include "tools/about_window.h"

namespace tarvok {

void about_command() {
    open_about_window();
    // Every event is thrown away until the first close request of any window. An empty event
    // queue (the in-memory window layer with nothing left to deliver) ends the wait as well,
    // since no further input can arrive.
    for (;;) {
        const int32_t kind = wait_event();
        if (kind == EventCloseRequest || kind == EventNone) {
            break;
        }
    }
    close_window(AboutWindow);
}

}  // namespace tarvok
