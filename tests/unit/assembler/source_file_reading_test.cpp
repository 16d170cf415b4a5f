// A source file read in one piece gives what reading it block by block gives: the text up to the
// first zero byte, the refusal of a text too long for the editor, and whether text follows the
// zero byte (looked for to the end of the zero byte's block of 64 KiB, a full block counting as
// more text), over files around the limit and around the blocks' ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>

#include "assembler/source_files.h"
#include "tests/unit/file/temp_folder.h"

namespace tarvok {
namespace {

using testing_files::put_bytes;
using testing_files::TempFolder;

// The file read 64 KiB at a time, each block's text up to a zero byte appended, and refused as
// soon as the text is longer than two bytes per character of the limit.
SourceFile read_by_blocks(const std::string& path, int32_t limit) {
    SourceFile result;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return result;
    const std::size_t most = 2 * static_cast<std::size_t>(limit < 0 ? 0 : limit);
    std::vector<char> buffer(65536);
    for (;;) {
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file);
        const void* zero = n > 0 ? std::memchr(buffer.data(), 0, n) : nullptr;
        const std::size_t take =
            zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - buffer.data()) : n;
        result.text.append(buffer.data(), take);
        if (result.text.size() > most) {
            std::fclose(file);
            result.status = SourceFileStatus::TooLong;
            result.text.clear();
            return result;
        }
        if (zero != nullptr) {
            const std::string_view rest(buffer.data() + take, n - take);
            result.text_after_zero = rest.find_first_not_of('\0') != std::string_view::npos || n == buffer.size();
            break;
        }
        if (n < buffer.size()) break;
    }
    std::fclose(file);
    result.status = SourceFileStatus::Read;
    return result;
}

TEST(SourceFileReading, InOnePieceAsBlockByBlock) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string path = folder.file("source.asm");
    constexpr std::size_t Block = 65536;
    int32_t files = 0;
    for (const int32_t limit : {-1, 3, 32'767, 32'768, 70'000}) {
        const std::size_t most = 2 * static_cast<std::size_t>(std::max(limit, 0));
        std::set<std::size_t> lengths = {0, 1, 9, Block - 1, Block, Block + 1, 2 * Block, 2 * Block + 5};
        std::set<std::size_t> zeros = {0, 4, Block - 3, Block - 1, Block, Block + 2, std::string::npos};
        for (const std::size_t near : {most, most + 1, most + 2}) {
            lengths.insert(near);
            zeros.insert(near);
            if (near > 0) zeros.insert(near - 1);
        }
        for (const std::size_t length : lengths) {
            for (const std::size_t zero : zeros) {  // npos: no zero byte
                if (zero != std::string::npos && zero >= length) continue;
                // After the zero byte: only zeros, zeros then a last byte of text, or text at once.
                for (int tail = 0; tail < (zero == std::string::npos ? 1 : 3); ++tail) {
                    std::string bytes(length, 'a');
                    for (std::size_t i = 5; i < length; i += 37) bytes[i] = i % 2 == 0 ? '\n' : '\r';
                    if (zero != std::string::npos) {
                        std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(zero), bytes.end(), '\0');
                        if (tail == 1) bytes.back() = 'z';
                        if (tail == 2 && zero + 1 < length) bytes[zero + 1] = 'z';
                    }
                    std::filesystem::remove(path);  // a new file: no flush of the old one's blocks
                    put_bytes(path, bytes);
                    ++files;
                    SCOPED_TRACE("limit " + std::to_string(limit) + " length " + std::to_string(length) +
                                 " zero " + std::to_string(zero) + " tail " + std::to_string(tail));
                    const SourceFile expected = read_by_blocks(path, limit);
                    const SourceFile read = read_source_file(path, limit);
                    ASSERT_EQ(read.status, expected.status);
                    ASSERT_EQ(read.text, expected.text);
                    ASSERT_EQ(read.text_after_zero, expected.text_after_zero);
                }
            }
        }
    }
    EXPECT_GT(files, 500) << files;
}

}  // namespace
}  // namespace tarvok
