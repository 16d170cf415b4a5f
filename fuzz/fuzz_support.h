#pragma once
// What the fuzz targets share: a private working folder for the files a target reads and writes,
// and the desktop program started over the in-memory window layer, where a requester without a
// scripted answer is cancelled.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "assembler/context.h"
#include "shell/shell_state.h"

namespace tarvok::fuzzing {

// A fresh folder (in /dev/shm when there is one, so that the many small writes stay in memory),
// made the current folder and $TMPDIR for the rest of the run. Made once; later calls give the
// same path.
const std::string& private_folder();

// Writes bytes to a file of the private folder and returns its path.
std::string put_file(std::string_view name, std::string_view bytes);

// The number of entries in the private folder's subfolder "tmp" ($TMPDIR): what the program left
// behind there.
std::size_t temporary_files_left();

// The desktop program's state, started once before the first input (LLVMFuzzerInitialize, in
// fuzz_support.cpp): window layer, main window, editor, settings, in the private folder.
struct Program {
    ShellState state;
    AssemblyContext ctx;
};
Program& program();

// The fuzzer's bytes as a text.
inline std::string_view text_of(const uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Stops the run as a failure the fuzzer records, with the reason on standard error.
[[noreturn]] void fail(std::string_view reason);

}  // namespace tarvok::fuzzing
