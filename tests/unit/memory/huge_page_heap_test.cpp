// The prepared heap gives a long buffer huge pages: touching megabytes of fresh memory costs a
// handful of page faults instead of one per 4 KiB page. Each test runs in a process of its own.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "runtime/memory/huge_page_heap.h"

namespace tarvok {
namespace {

bool huge_pages_on_advice() {
    std::ifstream setting("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string line;
    return std::getline(setting, line) && line.find("[never]") == std::string::npos;
}

long minor_faults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

bool sanitized() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

TEST(HugePageHeap, FreshMegabytesFaultInFewSteps) {
#if !defined(__GLIBC__)
    GTEST_SKIP() << "the heap is prepared only over glibc's malloc";
#endif
    if (sanitized()) GTEST_SKIP() << "the sanitizer's allocator does not use the heap";
    if (!huge_pages_on_advice()) GTEST_SKIP() << "transparent huge pages are off";
    prepare_huge_page_heap(std::size_t{32} << 20);
    // As the assembler does: a few buffers of a megabyte or more, made one after the other.
    constexpr std::size_t Sizes[] = {1000000, 3 << 20, 2 << 20};
    char* blocks[3] = {};
    const long before = minor_faults();
    std::size_t sum = 0;
    for (int i = 0; i < 3; ++i) {
        blocks[i] = static_cast<char*>(std::malloc(Sizes[i]));
        ASSERT_NE(blocks[i], nullptr);
        std::memset(blocks[i], i + 1, Sizes[i]);
        sum += static_cast<unsigned char>(blocks[i][Sizes[i] - 1]);
    }
    const long faults = minor_faults() - before;
    for (char* block : blocks) std::free(block);
    EXPECT_EQ(sum, 6u);
    // 6 MB in 4 KiB pages would be about 1,500 faults; in 2 MiB pages it is four or five.
    EXPECT_LT(faults, 40) << "touching 6 MB took " << faults << " page faults";
}

}  // namespace
}  // namespace tarvok
