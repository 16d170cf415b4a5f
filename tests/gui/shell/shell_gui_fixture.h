#pragma once
// The shell on the real Qt widgets: each case starts the program's main window in an empty working
// folder with every requester answered from the script, and closes everything afterwards.

#include <gtest/gtest.h>

#include <QApplication>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "assembler/context.h"
#include "runtime/window/qt/qt_access.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"
#include "shell/shell_state.h"

namespace tarvok::gui {

class ShellGuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Lets Qt deliver the user input just simulated, then runs the event loop over the events it
    // produced until none are left or quitting is confirmed.
    void deliver_and_run();

    std::string path_of(std::string_view name) const;
    std::string read_file(std::string_view name) const;
    static std::vector<std::string> message_texts();

    ShellState state;
    AssemblyContext ctx;

private:
    std::filesystem::path folder_;
    std::filesystem::path previous_folder_;
};

std::string not_available(std::string_view command);

// True when the widget is of the Qt class that shows that kind of control.
bool widget_fits_kind(QWidget* widget, ControlKind kind);

}  // namespace tarvok::gui
