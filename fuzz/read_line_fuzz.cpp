// read_line over arbitrary bytes: the lines read, joined again with their endings, give back
// every byte of the file, and every line ending is CR, LF, CR LF or NUL.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz/fuzz_support.h"
#include "runtime/file/file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace tarvok;
    if (size == 0) {
        return 0;
    }
    std::string bytes(fuzzing::text_of(data, size));
    FileHandle file(::fmemopen(bytes.data(), bytes.size(), "rb"));
    if (!file) {
        fuzzing::fail("fmemopen failed");
    }
    std::size_t consumed = 0;
    while (!at_end_of_file(file)) {
        const std::string line = read_line(file);
        if (bytes.compare(consumed, line.size(), line) != 0) {
            fuzzing::fail("a line is not the bytes of the file");
        }
        consumed += line.size();
        if (consumed < size) {
            const char ending = bytes[consumed];
            if (ending != '\r' && ending != '\n' && ending != '\0') {
                fuzzing::fail("a line ended without a line ending");
            }
            consumed += ending == '\r' && consumed + 1 < size && bytes[consumed + 1] == '\n' ? 2 : 1;
        }
    }
    if (consumed != size) {
        fuzzing::fail("bytes were lost between lines");
    }
    return 0;
}
