#include "app/cli_main.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "app/cli_options.h"
#include "app/cli_report.h"
#include "app/cli_window.h"
#include "assembler/context.h"
#include "assembler/display_ids.h"
#include "assembler/driver.h"
#include "assembler/source_document.h"
#include "assembler/source_files.h"
#include "codegen/instruction_table.h"
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

    const SourceFile file = read_source_file(options.source, EditorTextLimit);
    if (file.status == SourceFileStatus::Unreadable) {
        err << options.source << ": cannot read the source file: " << file.reason << '\n';
        return ExitUsage;
    }
    if (file.status == SourceFileStatus::TooLong) {
        err << too_long_text(options.source);
        return ExitUsage;
    }

    // "-o -" names standard output, which is written into like any device.
    const std::string requested = options.output == "-" ? std::string("/dev/stdout") : options.output;
    std::error_code ec;
    if (fs::equivalent(options.source, requested, ec)) {
        err << options.source << ": the program file " << options.output
            << " would replace the source; name another one with -o\n";
        return ExitUsage;
    }
    // The save requester gets the output path as the user meant it, whatever folder the run
    // works in.
    const fs::path output_path = fs::absolute(requested, ec);
    const std::string output = ec ? requested : output_path.string();

    WindowLayerSession session;
    if (!session.started() || !open_assembly_window()) {
        err << "tarvok-asm: the window layer could not be started\n";
        return ExitUsage;
    }
    if (!set_control_text(MainEditorId, file.text)) {
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

    SourceDocument doc;
    doc.source_path = options.source;
    doc.loaded_path = options.source;
    doc.loaded_folder = fs::absolute(options.source, ec).parent_path().string();
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

    if (options.symbols) {
        out << symbol_listing(ctx);
        if (!written_out(out, err)) {
            return ExitNotWritten;
        }
    }
    return ctx.output_written != 0 ? ExitWritten : ExitNotWritten;
}

}  // namespace tarvok
