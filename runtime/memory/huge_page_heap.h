#pragma once
// How a Tarvok process sets up its heap before the first long source arrives.

#include <cstddef>

namespace tarvok {

// Sets glibc's malloc up for a program that builds and frees a few buffers of megabytes each:
// large blocks come from the heap and what is freed stays there for the next allocation, instead
// of each large block being mapped fresh (its pages faulted in one by one) and returned to the
// system when freed. The heap then grows at once by the pad and a block as long as the pad (at most
// 30 MiB) of address space; only what is touched becomes memory. That space is offered to the kernel for transparent huge pages, and
// the heap's next blocks start at a 2 MiB boundary, so that all of it can be huge pages: a long
// source then costs a few faults of 2 MiB instead of one per 4 KiB page. Where huge pages are
// off, or the C library is not glibc, only what can be done is done. Call it once, early.
void prepare_huge_page_heap(std::size_t pad);

}  // namespace tarvok
