#pragma once
// A fresh in-memory window layer and an empty working folder for each test, with helpers to start
// the shell, post events and read what the program showed.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "assembler/context.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"
#include "shell/shell_state.h"

namespace tarvok::testing {

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the shell's start-up; fails the test when the main window cannot be built.
    void start();
    // Posts one event and runs the event loop until the queue is empty or quitting is confirmed.
    void post_and_run(int32_t kind, int32_t window, int32_t id = 0, int32_t type = EventTypeNone);
    void run_posted();

    // Writes bytes to a file of the working folder.
    void write_file(std::string_view name, std::string_view bytes) const;
    std::string read_file(std::string_view name) const;
    std::string path_of(std::string_view name) const;

    // The texts of the message boxes shown since the logs were last cleared.
    static std::vector<std::string> message_texts();

    ShellState state;
    AssemblyContext ctx;

private:
    std::filesystem::path folder_;
    std::filesystem::path previous_folder_;
};

// Four bytes, least significant first, as the settings file stores its numbers.
std::string int32_bytes(int32_t v);

// 0-based line of the end of the main editor's selection.
int32_t selected_editor_line();

// The text a command that is not built yet shows.
std::string not_available(std::string_view command);

}  // namespace tarvok::testing
