// How the assembly time grows with the size of the source: generated sources of 250,000,
// 500,000 and 1,000,000 characters (the editor's limit) with many labels, variables, branches,
// data lines and every addressing mode, assembled over the in-memory window layer. The time per
// character should stay flat from one size to the next.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>
#include <system_error>

#include <unistd.h>

#include "app/cli_window.h"
#include "assembler/context.h"
#include "assembler/driver.h"
#include "assembler/source_document.h"
#include "codegen/instruction_table.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"
#include "tests/oracle/program_generator.h"

namespace tarvok {
namespace {

namespace fs = std::filesystem;

// A generated source of at most that many characters, made once per size.
const GeneratedProgram& source_of(int64_t chars) {
    static std::map<int64_t, GeneratedProgram> made;
    auto found = made.find(chars);
    if (found == made.end()) {
        GeneratorSettings settings;
        settings.statements = 10'000'000;  // the character limit ends the source
        settings.max_source_chars = static_cast<int32_t>(chars);
        settings.comment_percent = 25;
        settings.variable_percent = 3;
        settings.with_tass = false;
        found = made.emplace(chars, generate_program(1, settings)).first;
    }
    return found->second;
}

// A private folder for the program files, removed at the end.
class OutputFolder {
public:
    OutputFolder() {
        std::error_code ec;
        path_ = fs::temp_directory_path(ec) / ("tarvok-bench-" + std::to_string(::getpid()));
        fs::create_directories(path_, ec);
    }
    ~OutputFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    OutputFolder(const OutputFolder&) = delete;
    OutputFolder& operator=(const OutputFolder&) = delete;
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

// The editor holds the source; each iteration is one whole assembly run.
void run_assemblies(benchmark::State& state, bool quiet) {
    const GeneratedProgram& program = source_of(state.range(0));
    static char name[] = "bench";
    char* argv[] = {name, nullptr};
    int argc = 1;
    start_window_layer(argc, argv);
    open_assembly_window();
    if (!set_control_text(MainEditorId, program.tarvok)) {
        state.SkipWithError("the generated source does not fit the editor");
        stop_window_layer();
        return;
    }
    load_opcode_table();
    OutputFolder folder;
    const std::string output = folder.file("bench.prg");
    AssemblyContext ctx;
    SourceDocument doc;
    ctx.keep_output_name = 1;
    ctx.output_kind = OutputKind::Prg;

    for (auto _ : state) {
        clear_script();
        clear_logs();
        script_file_answer(output);
        ctx.quiet = quiet ? 1 : 0;
        assemble(ctx, doc);
        benchmark::DoNotOptimize(ctx.object_image.data());
        if (ctx.error != 0 || !message_log().empty() || (!quiet && ctx.output_written == 0)) {
            state.SkipWithError("the generated source did not assemble cleanly");
            break;
        }
    }
    const auto chars = static_cast<double>(program.tarvok.size());
    state.SetComplexityN(static_cast<int64_t>(program.tarvok.size()));
    state.counters["chars"] = chars;
    state.counters["lines"] = program.line_count;
    state.counters["labels"] = program.labels;
    state.counters["variables"] = program.variables;
    state.counters["bytes"] = program.byte_count;
    state.counters["chars_per_s"] = benchmark::Counter(chars, benchmark::Counter::kIsIterationInvariantRate);
    stop_window_layer();
}

// "Assemble To  Prg File": the whole run, the PRG file written to a temporary folder.
void BM_AssembleToPrg(benchmark::State& state) { run_assemblies(state, false); }

// The symbol list's refresh: the same run without a file.
void BM_SymbolRefreshRun(benchmark::State& state) { run_assemblies(state, true); }

BENCHMARK(BM_AssembleToPrg)
    ->Arg(250'000)
    ->Arg(500'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_SymbolRefreshRun)
    ->Arg(250'000)
    ->Arg(500'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace tarvok

BENCHMARK_MAIN();
