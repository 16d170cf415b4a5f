#pragma once
// tarvok-asm as a whole: from its arguments to its exit status.

#include <ostream>
#include <string>
#include <vector>

namespace tarvok {

inline constexpr int ExitWritten = 0;     // the program file was written
inline constexpr int ExitNotWritten = 1;  // an error stopped the assembly, or nothing to save
inline constexpr int ExitUsage = 2;       // bad command line, or the source cannot be loaded

// Runs tarvok-asm with the arguments that follow the program name. The usage and --symbols go to
// out, every message box and every complaint about the command line to err. The window layer
// (the in-memory backend) is started and stopped inside.
int run_tarvok_asm(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarvok
