#pragma once
// The command line of the desktop program: an optional source file to load at start-up, and the
// two options that print something and end the program before any window opens.

#include <string>
#include <vector>

namespace tarvok {

struct DesktopCommandLine {
    std::string file;     // the source file to load at start-up; "" for none
    bool help = false;    // print the usage and do nothing else
    bool version = false; // print the version and do nothing else
    std::string error;    // "" when the command line is usable
};

// Reads the arguments that follow the program name.
DesktopCommandLine parse_desktop_command_line(const std::vector<std::string>& args);

// The text --help prints.
std::string desktop_usage_text();

}  // namespace tarvok
