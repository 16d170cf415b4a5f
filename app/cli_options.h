#pragma once
// The command line of tarvok-asm: which source to assemble, where the program file goes, and what
// else to print.

#include <string>
#include <string_view>
#include <vector>

namespace tarvok {

struct CliOptions {
    std::string source;     // the source file, as given
    std::string output;     // the program file: as given with -o, else derived from source
    bool output_given = false;
    bool p00 = false;       // write a P00 file instead of a PRG file
    std::string p00_name;   // the C64 file name for the P00 header, as given
    bool symbols = false;   // print the variables and labels after the run
    std::string labels;     // the VICE label file to write after a good run; "" for none
    std::string listing;    // the assembly listing to write after a good run; "" for none
    bool help = false;      // print the usage and do nothing else
    bool version = false;   // print the version and do nothing else
};

struct ParsedCommandLine {
    CliOptions options;
    std::string error;  // "" when the command line is usable
};

// Reads the arguments that follow the program name.
ParsedCommandLine parse_command_line(const std::vector<std::string>& args);

// The program file name that goes with a source file: its extension (the part of the file name
// from its last dot, unless the name starts with that dot) replaced by ".prg" or ".p00", or that
// extension appended when the name has none.
std::string default_output_name(std::string_view source, bool p00);

// The text --help prints.
std::string usage_text();

}  // namespace tarvok
