// Runs the contract cases against whichever window backend this program was linked with.
#include <gtest/gtest.h>

#include "runtime/window/window.h"

int main(int argc, char** argv) {
    if (!tarvok::start_window_layer(argc, argv)) return 2;
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    tarvok::stop_window_layer();
    return result;
}
