#include "runtime/memory/huge_page_heap.h"

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#endif

namespace tarvok {

#if defined(__GLIBC__)
namespace {

constexpr std::uintptr_t HugePage = std::uintptr_t{2} << 20;
constexpr std::size_t LargestHeapBlock = std::size_t{32} << 20;  // the most glibc accepts
constexpr std::size_t MostPad = std::size_t{512} << 20;
constexpr std::uintptr_t ChunkHeader = 64;  // more than malloc's bookkeeping before a block

// The block from the heap's old top to the first 2 MiB boundary of the new space, held for the
// whole run. It is never written, so it costs no memory. volatile: it is never read either, and
// the compiler could otherwise drop it.
void* volatile below_boundary = nullptr;

}  // namespace

void prepare_huge_page_heap(std::size_t pad) {
    pad = std::min(pad, MostPad);
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(LargestHeapBlock));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(pad * 2 + LargestHeapBlock));
    mallopt(M_TOP_PAD, static_cast<int>(pad));
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // A block as long as the pad (up to the largest heap block) makes the heap grow now, by the
    // block and the pad. The block's own header lies below the new space, and the only byte of
    // the new space malloc writes before the advice below is the header after the block, the
    // block's length in: beyond where the buffers of even the longest source reach. (A page
    // touched before the advice would keep the 2 MiB around it from ever being a huge page.)
    const std::size_t reach = std::min(pad, LargestHeapBlock - HugePage);
    void* block = std::malloc(reach);
    if (block == nullptr) return;
    const auto top = reinterpret_cast<std::uintptr_t>(block);
    const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t start = (before + page - 1) & ~(page - 1);
    // The heap did not grow (no room, or malloc works elsewhere): there is nothing to offer.
    if (after < start + reach) {
        std::free(block);
        return;
    }
    madvise(reinterpret_cast<void*>(start), after - start, MADV_HUGEPAGE);
    // The new space starts wherever the heap ended, mostly not on a 2 MiB boundary, and the 2 MiB
    // around that start cannot be one huge page: the first megabyte or so of buffers would fault
    // in page by page. So the block is cut back to end at the boundary (its rest returns to the
    // heap) and kept, and every later block lies above it.
    const std::uintptr_t boundary = (start + HugePage - 1) & ~(HugePage - 1);
    if (boundary > top + 4096) {
        below_boundary = std::realloc(block, boundary - top - ChunkHeader);
    } else {
        std::free(block);
    }
}
#else
void prepare_huge_page_heap(std::size_t) {}
#endif

}  // namespace tarvok
