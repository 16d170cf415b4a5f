// Runs the window layer's GUI cases on the real Qt widgets (offscreen under CTest).
#include <gtest/gtest.h>

#include "runtime/window/window.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!tarvok::start_window_layer(argc, argv)) return 2;
    const int result = RUN_ALL_TESTS();
    tarvok::stop_window_layer();
    return result;
}
