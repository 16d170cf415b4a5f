#pragma once
// The base of every contract case. The suite runs unchanged against both window backends, so it
// uses the window layer's own header and its scripting header and nothing else. Each case opens
// the windows it needs and closes them again; answers, logs and the observer start empty.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/window/script.h"
#include "runtime/window/window.h"

namespace tarvok::contract {

class ContractTest : public ::testing::Test {
protected:
    void SetUp() override {
        set_scripted(true);
        clear_script();
        clear_logs();
        set_message_observer(nullptr);
    }

    void TearDown() override {
        for (const int32_t number : opened_) close_window(number);
        clear_script();
        clear_logs();
        set_message_observer(nullptr);
    }

    // Opens window number (closed again after the case) at a fixed place.
    WindowHandle open_test_window(int32_t number, std::string_view title = "Contract") {
        opened_.push_back(number);
        return open_window(number, 40, 30, 640, 480, title, WindowCaption | WindowSystemMenu);
    }

    // Window 0 with the main editor (control 0) holding text.
    void open_editor(std::string_view text = "") {
        open_test_window(0, "Tarvok");
        ASSERT_NE(create_editor(MainEditorId, 10, 40, 620, 390), 0u);
        ASSERT_TRUE(set_control_text(MainEditorId, text));
    }

private:
    std::vector<int32_t> opened_;
};

// Every line of the main editor as count_items and get_item_text give them.
std::vector<std::string> editor_lines();

// The next event that is not one the window system makes on its own (moved, resized, activated),
// for cases that posted the events they wait for.
int32_t next_posted_event();

// Lines joined with "\n".
std::string joined(const std::vector<std::string>& lines);

}  // namespace tarvok::contract
