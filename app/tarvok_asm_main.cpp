// tarvok-asm: the command-line assembler. Assembles one source file into a PRG or P00 file over
// the in-memory window layer; every message box becomes a line on standard error.
#include <csignal>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <iostream>
#include <string>
#include <vector>

#include "app/cli_main.h"

int main(int argc, char** argv) {
    // A reader that went away makes a write to standard output fail, which is reported, instead of
    // ending the program silently.
    std::signal(SIGPIPE, SIG_IGN);
#if defined(__GLIBC__)
    // One short run: large blocks come from the heap and what is freed stays there for the next
    // allocation, instead of each large block being mapped fresh (and its pages faulted in one by
    // one) and returned to the system when freed.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
#endif
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    return tarvok::run_tarvok_asm(args, std::cout, std::cerr);
}
