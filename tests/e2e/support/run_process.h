#pragma once
// Running another program (tarvok-asm, 64tass) and collecting what it printed.

#include <string>
#include <vector>

namespace tarvok::e2e {

struct ProcessResult {
    int exit_code = -1;  // -1 when it could not be started or did not exit normally
    std::string out;
    std::string err;
};

// Where the child's standard output goes.
enum class OutputSink {
    Collected,   // into ProcessResult::out
    DeviceFull,  // /dev/full: every write fails for lack of space
    ClosedPipe,  // a pipe whose reading end is already closed
};

// Starts program (a path, or a name looked up on PATH) with args in the folder cwd ("" keeps the
// current one) and waits for it.
ProcessResult run_process(const std::string& program, const std::vector<std::string>& args,
                          const std::string& cwd = "", OutputSink sink = OutputSink::Collected);

// The full path of a program found on PATH; "" when there is none.
std::string find_on_path(const std::string& name);

}  // namespace tarvok::e2e
