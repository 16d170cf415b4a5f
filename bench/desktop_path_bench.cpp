// The desktop program's path for one long source, over the Qt editor (offscreen): loading the text
// into the editor, colouring the whole text once, and a whole "Assemble To  Prg File" run (which
// reads every editor line), each timed several times; also the cost of reading one editor line
// near the start of the text and near its end. bench/compare.sh sets these beside tarvok-asm's time.
//
//   bench_desktop_path SOURCE OUTPUT [ROUNDS]
//
// SOURCE is read as Load Source reads a file; the program file goes to OUTPUT (compare.sh checks
// that it is the file tarvok-asm writes). Prints one "name milliseconds" line per measure (the
// median of the rounds) and exits with 1 when the run did not write its file cleanly.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "assembler/context.h"
#include "assembler/source_files.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"
#include "shell/control_ids.h"
#include "shell/dispatch.h"
#include "shell/shell.h"
#include "shell/shell_state.h"

namespace tarvok {
namespace {

using Clock = std::chrono::steady_clock;

double milliseconds_since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Lets Qt do what it has pending (layout, painting), as the event loop does before the user sees
// the result of a command.
void settle() { wait_event(); }

// Milliseconds to read count editor lines from first on, one get_item_text each.
double read_lines(int32_t first, int32_t count) {
    const Clock::time_point start = Clock::now();
    std::size_t bytes = 0;
    for (int32_t i = first; i < first + count; ++i) {
        bytes += get_item_text(SourceEditor, i).size();
    }
    const double ms = milliseconds_since(start);
    if (bytes == 0) {
        std::cerr << "bench_desktop_path: lines " << first << " on are empty\n";
    }
    return ms;
}

int run(const std::string& source, const std::string& output, int rounds) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static char name[] = "bench_desktop_path";
    char* argv[] = {name, nullptr};
    int argc = 1;
    if (!start_window_layer(argc, argv)) {
        std::cerr << "bench_desktop_path: the window layer could not be started\n";
        return 1;
    }
    set_scripted(true);
    ShellState shell;
    AssemblyContext ctx;
    if (!start_shell(shell, ctx)) {
        std::cerr << "bench_desktop_path: the main window could not be opened\n";
        return 1;
    }
    const SourceFile file = read_source_file(source, EditorTextLimit);
    if (file.status != SourceFileStatus::Read) {
        std::cerr << "bench_desktop_path: cannot read " << source << '\n';
        return 1;
    }

    std::vector<double> load, colour, assemble, first_lines, last_lines;
    constexpr int32_t SampleLines = 2000;
    for (int round = 0; round < rounds; ++round) {
        Clock::time_point start = Clock::now();
        if (!set_control_text(SourceEditor, file.text)) {
            std::cerr << "bench_desktop_path: the source does not fit the editor\n";
            return 1;
        }
        settle();
        load.push_back(milliseconds_since(start));

        // Another colour each round, so that every character's colour really changes.
        start = Clock::now();
        colour_editor_range(0, 1, -1, -1, round % 2 == 0 ? 0x0000A0 : 0x00A000);
        settle();
        colour.push_back(milliseconds_since(start));

        const int32_t lines = count_items(SourceEditor);
        first_lines.push_back(read_lines(0, SampleLines));
        last_lines.push_back(read_lines(lines - SampleLines, SampleLines));

        clear_script();
        clear_logs();
        script_file_answer(output);
        std::remove(output.c_str());
        start = Clock::now();
        dispatch_menu_command(shell, ctx, MenuAssemblePrg);
        settle();
        assemble.push_back(milliseconds_since(start));
        if (ctx.error != 0 || ctx.output_written == 0 || !message_log().empty()) {
            std::cerr << "bench_desktop_path: the assembly did not write its file cleanly\n";
            for (const MessageRecord& m : message_log()) std::cerr << "  " << m.title << ": " << m.text << '\n';
            return 1;
        }
    }
    std::cout << "load_ms " << median(load) << '\n'
              << "colour_ms " << median(colour) << '\n'
              << "assemble_ms " << median(assemble) << '\n'
              << "first_lines_ms " << median(first_lines) << '\n'
              << "last_lines_ms " << median(last_lines) << '\n';
    close_all_windows();
    stop_window_layer();
    return 0;
}

}  // namespace
}  // namespace tarvok

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: bench_desktop_path SOURCE OUTPUT [ROUNDS]\n";
        return 2;
    }
    const int rounds = argc == 4 ? std::max(1, std::atoi(argv[3])) : 5;
    return tarvok::run(argv[1], argv[2], rounds);
}
