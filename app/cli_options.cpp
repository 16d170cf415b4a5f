#include "app/cli_options.h"

#include <utility>

namespace tarvok {

namespace {

// The value of an option that takes one: "-o NAME", "-oNAME", "--p00 NAME" or "--p00=NAME".
// Returns false when the value is missing.
bool option_value(const std::vector<std::string>& args, std::size_t& i, std::string_view inline_value,
                  bool has_inline, std::string& value) {
    if (has_inline) {
        value = std::string(inline_value);
        return true;
    }
    if (i + 1 >= args.size()) {
        return false;
    }
    value = args[++i];
    return true;
}

// The options that name a file to write after a good run.
struct FileOption {
    std::string_view long_name;   // "--list"
    std::string_view short_name;  // "-l", or "" when there is none
    std::string_view what;        // "the listing file"
    std::string CliOptions::*value;
};

constexpr FileOption FileOptions[] = {
    {"--labels", "-l", "the label file", &CliOptions::labels},
    {"--list", "", "the listing file", &CliOptions::listing},
};

// The file option arg gives and how long its name is there: "--list" and "-l" when the value
// follows, "--list=" or "-l" when it is joined to the name; nullptr when arg is none of them.
std::pair<const FileOption*, std::size_t> file_option_in(std::string_view arg) {
    for (const FileOption& option : FileOptions) {
        if (arg == option.long_name) {
            return {&option, arg.size()};
        }
        if (arg.size() > option.long_name.size() && arg.substr(0, option.long_name.size()) == option.long_name &&
            arg[option.long_name.size()] == '=') {
            return {&option, option.long_name.size() + 1};
        }
        if (!option.short_name.empty() && arg.substr(0, option.short_name.size()) == option.short_name) {
            return {&option, option.short_name.size()};
        }
    }
    return {nullptr, 0};
}

}  // namespace

ParsedCommandLine parse_command_line(const std::vector<std::string>& args) {
    ParsedCommandLine parsed;
    CliOptions& o = parsed.options;
    bool options_ended = false;
    bool p00_given = false;
    std::vector<std::string> sources;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options_ended || arg.empty() || arg[0] != '-' || arg == "-") {
            sources.push_back(arg);
            continue;
        }
        if (arg == "--") {
            options_ended = true;
        } else if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (arg == "--symbols") {
            o.symbols = true;
        } else if (const auto [option, name_length] = file_option_in(arg); option != nullptr) {
            std::string& value = o.*(option->value);
            if (!value.empty()) {
                parsed.error = std::string(option->what) + " is given twice";
                return parsed;
            }
            const bool has_inline = arg.size() > name_length || arg.back() == '=';
            if (!option_value(args, i, std::string_view(arg).substr(name_length), has_inline, value)) {
                parsed.error = "option " + arg + " needs a file name";
                return parsed;
            }
            if (value.empty()) {
                parsed.error = std::string(option->what) + " name is empty";
                return parsed;
            }
        } else if (arg.rfind("-o", 0) == 0 && arg.rfind("--", 0) != 0) {
            if (o.output_given) {
                parsed.error = "the output file is given twice";
                return parsed;
            }
            if (!option_value(args, i, std::string_view(arg).substr(2), arg.size() > 2, o.output)) {
                parsed.error = "option -o needs a file name";
                return parsed;
            }
            if (o.output.empty()) {
                parsed.error = "the output file name is empty";
                return parsed;
            }
            o.output_given = true;
        } else if (arg == "--p00" || arg.rfind("--p00=", 0) == 0) {
            if (p00_given) {
                parsed.error = "option --p00 is given twice";
                return parsed;
            }
            const bool has_inline = arg.size() > 5;
            if (!option_value(args, i, std::string_view(arg).substr(has_inline ? 6 : 5), has_inline,
                              o.p00_name)) {
                parsed.error = "option --p00 needs the C64 file name";
                return parsed;
            }
            if (o.p00_name.empty()) {
                parsed.error = "the C64 file name after --p00 is empty";
                return parsed;
            }
            o.p00 = true;
            p00_given = true;
        } else {
            parsed.error = "unknown option " + arg;
            return parsed;
        }
    }

    if (o.help || o.version) {
        return parsed;
    }
    if (sources.empty()) {
        parsed.error = "no source file given";
        return parsed;
    }
    if (sources.size() > 1) {
        parsed.error = "more than one source file given (" + sources[0] + ", " + sources[1] + ")";
        return parsed;
    }
    if (o.symbols && o.output == "-") {
        parsed.error = "the program (-o -) and the symbol listing cannot both go to standard output";
        return parsed;
    }
    for (const FileOption& option : FileOptions) {
        if (o.symbols && o.*(option.value) == "-") {
            parsed.error = std::string(option.what) + " (" + std::string(option.long_name) +
                           " -) and the symbol listing cannot both go to standard output";
            return parsed;
        }
    }
    o.source = sources[0];
    if (o.source.empty()) {
        parsed.error = "the source file name is empty";
        return parsed;
    }
    if (!o.output_given) {
        o.output = default_output_name(o.source, o.p00);
    }
    return parsed;
}

std::string default_output_name(std::string_view source, bool p00) {
    const std::string_view extension = p00 ? ".p00" : ".prg";
    const std::size_t slash = source.find_last_of('/');
    const std::size_t name_start = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = source.find_last_of('.');
    std::string name;
    if (dot != std::string_view::npos && dot > name_start) {
        name = std::string(source.substr(0, dot));
    } else {
        name = std::string(source);
    }
    return name + std::string(extension);
}

std::string usage_text() {
    return "Usage: tarvok-asm [-o OUTPUT] [--p00 NAME] [--symbols] [-l LABELS]\n"
           "                  [--list LISTING] SOURCE\n"
           "Assembles a Tarvok 6502 source file into a C64 program file.\n"
           "\n"
           "  -o OUTPUT    write the program to OUTPUT, exactly as named (default: SOURCE with\n"
           "               its extension replaced by .prg, or by .p00 with --p00); -o - writes\n"
           "               it to standard output\n"
           "  --p00 NAME   write a P00 file whose C64 file name is NAME (upper-cased, at most\n"
           "               16 characters are kept)\n"
           "  --symbols    after the run, print one line per variable and then per label:\n"
           "                 variable NAME VALUE LINE\n"
           "                 label NAME ADDRESS LINE\n"
           "               (decimal numbers, lines counted from 1)\n"
           "  -l LABELS, --labels LABELS\n"
           "               with the program file, write the labels, and the variables of 256\n"
           "               or more, to LABELS for the VICE monitor, in address order:\n"
           "                 al C:c000 .start\n"
           "  --list LISTING\n"
           "               with the program file, write a listing to LISTING: each line of the\n"
           "               source, includes expanded, with its number, address and bytes:\n"
           "                   12  C000  A9 00     start lda #0\n"
           "               (a name - stands for standard output here too)\n"
           "  --help       show this text\n"
           "  --version    print the version\n"
           "\n"
           "Every message of the assembly goes to standard error as SOURCE:LINE: TITLE: TEXT.\n"
           "Exit status: 0 when the program file was written, 1 when it was not (an error\n"
           "stopped the assembly or there was nothing to save) or the symbols, the label\n"
           "file or the listing could not be written, 2 for a usage error, a source file\n"
           "that cannot be read, or help or version text that could not be written.\n"
           "\n"
           "Example: assemble, then start VICE with the labels in its monitor\n"
           "  tarvok-asm -o game.prg -l game.lbl --list game.lst game.asm\n"
           "  x64sc -moncommands game.lbl game.prg\n";
}

}  // namespace tarvok
