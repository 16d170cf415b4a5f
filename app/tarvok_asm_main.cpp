// tarvok-asm: the command-line assembler. Assembles one source file into a PRG or P00 file over
// the in-memory window layer; every message box becomes a line on standard error.
#include <csignal>
#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#endif
#include <iostream>
#include <string>
#include <vector>

#include "app/cli_main.h"

#if defined(__GLIBC__)
namespace {

// One short run: the heap is set up once for all of it. Large blocks come from the heap and what
// is freed stays there for the next allocation, instead of each large block being mapped fresh
// (and its pages faulted in one by one) and returned to the system when freed. The heap grows in
// one step by 32 MiB of address space (only what is touched is memory), and that space is offered
// to the kernel for transparent huge pages: a long source then costs a few faults of 2 MiB instead
// of a fault per 4 KiB page. Where huge pages are off, the advice does nothing.
void prepare_heap() {
    constexpr std::size_t Pad = std::size_t{32} << 20;
    mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
    mallopt(M_TOP_PAD, static_cast<int>(Pad));
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // Larger than the room left at the top of the heap, so that the heap grows by the pad now.
    void* block = std::malloc(256 * 1024);
    std::free(block);
    const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t start = (before + page - 1) & ~(page - 1);
    if (block != nullptr && after > start + Pad / 2) {
        madvise(reinterpret_cast<void*>(start), after - start, MADV_HUGEPAGE);
    }
}

}  // namespace
#endif

int main(int argc, char** argv) {
    // A reader that went away makes a write to standard output fail, which is reported, instead of
    // ending the program silently.
    std::signal(SIGPIPE, SIG_IGN);
#if defined(__GLIBC__)
    prepare_heap();
#endif
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    return tarvok::run_tarvok_asm(args, std::cout, std::cerr);
}
