#include "app/cli_options.h"

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
    return "Usage: tarvok-asm [-o OUTPUT] [--p00 NAME] [--symbols] SOURCE\n"
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
           "  --help       show this text\n"
           "  --version    print the version\n"
           "\n"
           "Every message of the assembly goes to standard error as SOURCE:LINE: TITLE: TEXT.\n"
           "Exit status: 0 when the program file was written, 1 when it was not (an error\n"
           "stopped the assembly or there was nothing to save) or the symbols could not be\n"
           "written, 2 for a usage error, a source file that cannot be read, or help or\n"
           "version text that could not be written.\n";
}

}  // namespace tarvok
