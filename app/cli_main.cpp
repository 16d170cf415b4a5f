#include "app/cli_main.h"

#include <cerrno>
#include <cstdint>
#include <ios>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

#include "app/cli_expanded_source.h"
#include "app/cli_listing.h"
#include "app/cli_options.h"
#include "app/cli_report.h"
#include "app/cli_window.h"
#include "assembler/context.h"
#include "assembler/display_ids.h"
#include "assembler/driver.h"
#include "assembler/source_document.h"
#include "assembler/source_files.h"
#include "codegen/instruction_table.h"
#include "runtime/file/file.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"

namespace tarvok {

namespace {

namespace fs = std::filesystem;

// Keeps the window layer started for one run.
class WindowLayerSession {
public:
    WindowLayerSession() {
        static char name[] = "tarvok-asm";
        char* argv[] = {name, nullptr};
        int argc = 1;
        started_ = start_window_layer(argc, argv);
    }
    ~WindowLayerSession() {
        set_message_observer(nullptr);
        clear_script();
        if (started_) {
            stop_window_layer();
        }
    }
    WindowLayerSession(const WindowLayerSession&) = delete;
    WindowLayerSession& operator=(const WindowLayerSession&) = delete;
    bool started() const { return started_; }

private:
    bool started_ = false;
};

// Runs the assembly in the source file's folder: relative names in include directives then name
// files beside the source, whatever folder tarvok-asm was started in. The previous working folder
// comes back afterwards.
class SourceFolder {
public:
    explicit SourceFolder(const fs::path& source) {
        std::error_code ec;
        previous_ = fs::current_path(ec);
        if (ec) {
            return;
        }
        const fs::path folder = fs::absolute(source, ec).parent_path();
        if (ec || folder.empty()) {
            return;
        }
        fs::current_path(folder, ec);
        changed_ = !ec;
    }
    ~SourceFolder() {
        if (changed_) {
            std::error_code ec;
            fs::current_path(previous_, ec);
        }
    }
    SourceFolder(const SourceFolder&) = delete;
    SourceFolder& operator=(const SourceFolder&) = delete;

private:
    fs::path previous_;
    bool changed_ = false;
};

int usage_error(std::ostream& err, const std::string& problem) {
    err << "tarvok-asm: " << problem << "\nTry 'tarvok-asm --help' for more information.\n";
    return ExitUsage;
}

// Flushes standard output; false, after saying so on standard error, when it could not be written
// (a full disk, a pipe nobody reads).
bool written_out(std::ostream& out, std::ostream& err) {
    errno = 0;
    out.flush();
    if (out) {
        return true;
    }
    const int cause = errno;
    err << "tarvok-asm: cannot write to standard output" << (cause != 0 ? ": " + std::string(std::strerror(cause)) : "")
        << '\n';
    return false;
}

// A file the run writes, as the command line names it.
struct OutputFile {
    std::string_view what;    // "the label file"
    std::string name;         // as given; "" when not asked for
    std::string path;         // where it is written
    std::string_view option;  // the option that names it
};

// The file a name on the command line stands for: "-" is standard output.
std::string file_path(const std::string& name) { return name == "-" ? std::string("/dev/stdout") : name; }

// True when the two names stand for the same file, whether it exists yet or not.
bool same_file(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) {
        return true;
    }
    // The folders that exist are resolved, links included; the rest is taken as written.
    const auto resolved = [](const std::string& name) {
        std::error_code error;
        fs::path path = fs::weakly_canonical(fs::absolute(name, error), error).lexically_normal();
        return error ? fs::path() : path;
    };
    const fs::path first = resolved(a);
    return !first.empty() && first == resolved(b);
}

// The problem when one of the files to write would replace the source or another of them; ""
// when they are all different.
std::string clashing_output(const std::string& source, const std::vector<OutputFile>& files) {
    for (std::size_t i = 0; i < files.size(); ++i) {
        const OutputFile& file = files[i];
        if (file.name.empty()) {
            continue;
        }
        const std::string clash = std::string(file.what) + ' ' + file.name + " would replace ";
        const std::string remedy = "; name another one with " + std::string(file.option) + '\n';
        if (same_file(source, file.path)) {
            return source + ": " + clash + "the source" + remedy;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (!files[j].name.empty() && same_file(files[j].path, file.path)) {
                return "tarvok-asm: " + clash + std::string(files[j].what) + remedy;
            }
        }
    }
    return "";
}

// Writes a file the run makes beside the program file, through a temporary file renamed into
// place like the program file; false, after saying why on standard error, when it could not be
// written.
bool write_output(const OutputFile& file, std::string_view text, std::ostream& err) {
    errno = 0;
    if (replace_file(file.path, text) == ReplaceResult::Written) {
        return true;
    }
    const int cause = errno;
    err << "tarvok-asm: cannot write " << file.what << ' ' << file.name
        << (cause != 0 ? ": " + std::string(std::strerror(cause)) : "") << '\n';
    return false;
}

SourceDocument source_document(const std::string& source) {
    std::error_code ec;
    SourceDocument doc;
    doc.source_path = source;
    doc.loaded_path = source;
    doc.loaded_folder = fs::absolute(source, ec).parent_path().string();
    return doc;
}

std::string too_long_text(const std::string& source) {
    return source + ": the source text is longer than the editor's limit of 1,000,000 characters\n";
}

}  // namespace

int run_tarvok_asm(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ParsedCommandLine parsed = parse_command_line(args);
    if (!parsed.error.empty()) {
        return usage_error(err, parsed.error);
    }
    const CliOptions& options = parsed.options;
    if (options.help) {
        out << usage_text();
        return written_out(out, err) ? ExitWritten : ExitUsage;
    }
    if (options.version) {
        out << "tarvok-asm " << TARVOK_VERSION << '\n';
        return written_out(out, err) ? ExitWritten : ExitUsage;
    }

    SourceFile file = read_source_file(options.source, EditorTextLimit);
    if (file.status == SourceFileStatus::Unreadable) {
        err << options.source << ": cannot read the source file: " << file.reason << '\n';
        return ExitUsage;
    }
    if (file.status == SourceFileStatus::TooLong) {
        err << too_long_text(options.source);
        return ExitUsage;
    }
    if (file.text_after_zero) {
        err << options.source << ": warning: the text ends at a zero byte; what follows it is not assembled\n";
    }

    // "-" names standard output, which is written into like any device.
    const std::string requested = file_path(options.output);
    const OutputFile labels{"the label file", options.labels, file_path(options.labels), "--labels"};
    const OutputFile listing{"the listing file", options.listing, file_path(options.listing), "--list"};
    const std::string clash = clashing_output(
        options.source, {{"the program file", options.output, requested, "-o"}, labels, listing});
    if (!clash.empty()) {
        err << clash;
        return ExitUsage;
    }
    std::error_code ec;
    // The save requester gets the output path as the user meant it, whatever folder the run
    // works in.
    const fs::path output_path = fs::absolute(requested, ec);
    const std::string output = ec ? requested : output_path.string();

    WindowLayerSession session;
    if (!session.started() || !open_assembly_window()) {
        err << "tarvok-asm: the window layer could not be started\n";
        return ExitUsage;
    }
    // The editor takes the text over: no copy of it is made.
    if (!set_control_text(MainEditorId, std::move(file.text))) {
        err << too_long_text(options.source);
        return ExitUsage;
    }
    set_control_file_name(CurrentSourceField, options.source);
    set_control_state(ProgressBar, 0);

    clear_script();
    clear_logs();
    if (options.p00) {
        script_text_answer(options.p00_name);
    }
    script_file_answer(output);
    AssemblyContext ctx;
    // A box that selects its line only once it is answered is printed with that line.
    set_message_observer([&](const MessageRecord& message) {
        MessageRecord shown = message;
        if (ctx.line_selected_after_box >= 0) {
            shown.selected_line = ctx.line_selected_after_box;
        }
        err << message_line(options.source, shown) << '\n';
        err.flush();
    });

    SourceDocument doc = source_document(options.source);
    ctx.output_kind = options.p00 ? OutputKind::P00 : OutputKind::Prg;
    ctx.quiet = 0;
    ctx.keep_output_name = 1;
    ctx.ask_include_names = 0;  // no file requester on a terminal: a directive must name its file
    load_opcode_table();
    {
        SourceFolder folder(options.source);
        assemble(ctx, doc);
    }
    set_message_observer(nullptr);

    // The PRG file holds every byte, as the desktop program writes it; a C64 loads none past $FFFF.
    const int64_t code_end = static_cast<int64_t>(ctx.start_address) + static_cast<int64_t>(ctx.object_image.size());
    if (ctx.output_written != 0 && code_end > 0x10000) {
        err << options.source << ": warning: the program runs past $FFFF (code end $" << std::hex << std::uppercase
            << code_end << std::dec << "); a C64 cannot load the bytes from $10000 on\n";
    }

    if (options.symbols) {
        out << symbol_listing(ctx);
        if (!written_out(out, err)) {
            return ExitNotWritten;
        }
    }
    if (ctx.output_written == 0) {
        return ExitNotWritten;
    }

    // The label file and the listing go with a written program file only.
    bool written = true;
    if (!labels.name.empty()) {
        written = write_output(labels, vice_label_file(ctx), err) && written;
    }
    if (!listing.name.empty()) {
        std::optional<ExpandedSource> text;
        {
            SourceFolder folder(options.source);
            text = expand_editor_text(source_document(options.source), ctx.line_count);
        }
        if (!text) {
            err << options.source << ": an included file changed during the run; no listing written\n";
            written = false;
        } else {
            written = write_output(listing, assembly_listing(ctx, *text), err) && written;
        }
    }
    return written ? ExitWritten : ExitNotWritten;
}

}  // namespace tarvok
