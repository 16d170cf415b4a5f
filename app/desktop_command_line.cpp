#include "app/desktop_command_line.h"

namespace tarvok {

DesktopCommandLine parse_desktop_command_line(const std::vector<std::string>& args) {
    DesktopCommandLine line;
    bool options_ended = false;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (options_ended || arg.empty() || arg[0] != '-' || arg == "-") {
            files.push_back(arg);
        } else if (arg == "--") {
            options_ended = true;
        } else if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else {
            line.error = "unknown option " + arg;
            return line;
        }
    }
    if (line.help || line.version) {
        return line;
    }
    if (files.size() > 1) {
        line.error = "more than one source file given (" + files[0] + ", " + files[1] + ")";
        return line;
    }
    if (!files.empty()) {
        if (files[0].empty()) {
            line.error = "the source file name is empty";
            return line;
        }
        line.file = files[0];
    }
    return line;
}

std::string desktop_usage_text() {
    return "Usage: tarvok [FILE]\n"
           "Starts the Tarvok editor and 6502 cross-assembler for Commodore 64 programs.\n"
           "\n"
           "  FILE         load this source file into the editor at start-up, as Load Source\n"
           "               does\n"
           "  --help       show this text\n"
           "  --version    print the version\n"
           "\n"
           "Exit status: 0 after Quit Assembler, 1 when there is no display or the main window\n"
           "cannot be opened, 2 for a usage error.\n"
           "Without a display, start it on a virtual screen: xvfb-run -a tarvok\n";
}

}  // namespace tarvok
