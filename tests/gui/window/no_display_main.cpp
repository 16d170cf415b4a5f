// Starting the desktop window layer with no display at all must fail cleanly instead of letting
// Qt end the process. CTest runs this with DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM empty.
#include <cstdio>

#include "runtime/window/window.h"

int main(int argc, char** argv) {
    if (tarvok::start_window_layer(argc, argv)) {
        std::puts("start_window_layer succeeded without a display");
        tarvok::stop_window_layer();
        return 1;
    }
    std::puts("1 passed, 0 failed");
    return 0;
}
