// tarvok-asm: the command-line assembler. Assembles one source file into a PRG or P00 file over
// the in-memory window layer; every message box becomes a line on standard error.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli_main.h"
#include "runtime/memory/huge_page_heap.h"

int main(int argc, char** argv) {
    // A reader that went away makes a write to standard output fail, which is reported, instead of
    // ending the program silently.
    std::signal(SIGPIPE, SIG_IGN);
    // One short run that builds buffers of a few megabytes for a long source.
    tarvok::prepare_huge_page_heap(std::size_t{32} << 20);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    return tarvok::run_tarvok_asm(args, std::cout, std::cerr);
}
