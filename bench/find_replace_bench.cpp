// "All Instances" replacing over a text at the editor's 1,000,000-character limit, run the way the
// find window's "Find" button runs it. Built twice: over the in-memory window layer, and over the
// Qt editor of the desktop program (offscreen). The time per thousand replaced lines should stay
// the same whether one line in ten or every line is replaced.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "assembler/context.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"
#include "shell/control_ids.h"
#include "shell/find_replace.h"
#include "shell/shell.h"
#include "shell/shell_state.h"

namespace tarvok {
namespace {

// Lines of about 30 characters up to the editor's limit; every nth holds "$d020" once.
std::string border_source(int32_t every, int32_t& matching_lines) {
    std::string text;
    matching_lines = 0;
    for (int32_t line = 0;; ++line) {
        const bool matching = line % every == 0;
        const std::string next = matching ? " sta $d020 ; border colour" : " lda #$01   ; next colour";
        if (text.size() + next.size() + 1 > static_cast<std::size_t>(EditorTextLimit)) break;
        text += next;
        text += '\n';
        matching_lines += matching ? 1 : 0;
    }
    return text;
}

void BM_ReplaceAllInstances(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static char name[] = "bench";
    char* argv[] = {name, nullptr};
    int argc = 1;
    if (!start_window_layer(argc, argv)) {
        state.SkipWithError("no window layer");
        return;
    }
    set_scripted(true);
    ShellState shell;
    AssemblyContext ctx;
    start_shell(shell, ctx);
    int32_t matching_lines = 0;
    const std::string text = border_source(static_cast<int32_t>(state.range(0)), matching_lines);

    for (auto _ : state) {
        state.PauseTiming();
        set_control_text(SourceEditor, text);
        open_find_window();
        set_control_text(FindSearchField, "$d020");
        set_control_text(ReplaceTextField, "$d021");
        set_control_state(ReplaceWithBox, 1);
        set_control_state(AllInstancesBox, 1);
        shell.find_start = 0;
        shell.continue_search = 0;
        clear_logs();
        state.ResumeTiming();
        find_or_replace(shell);
        state.PauseTiming();
        if (message_log().size() != 1 || get_item_text(SourceEditor, 0) != " sta $d021 ; border colour") {
            state.SkipWithError("the replacement did not end with its summary");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["lines_replaced"] = matching_lines;
    // Seconds per thousand replaced lines.
    state.counters["per_1000_lines"] = benchmark::Counter(
        matching_lines / 1000.0,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    close_all_windows();
    stop_window_layer();
}

BENCHMARK(BM_ReplaceAllInstances)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tarvok

BENCHMARK_MAIN();
