#include "assembler/source_files.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "runtime/file/file.h"
#include "runtime/text/text.h"
#include "runtime/window/window.h"

namespace tarvok {

namespace {

// Opens a file for one of the readers below; reason says why it cannot be opened.
FileHandle open_file(std::string_view path, SourceFile& result) {
    std::error_code ec;
    const std::filesystem::file_status status =
        std::filesystem::status(std::filesystem::path(std::string(path)), ec);
    if (std::filesystem::is_directory(status)) {
        result.reason = "is a folder";
        return FileHandle();
    }
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        result.reason = "is not a regular file";  // a FIFO, device or socket: nothing is read from it
        return FileHandle();
    }
    errno = 0;
    FileHandle file = open_for_reading(path);
    if (!file) {
        result.reason = errno != 0 ? std::strerror(errno) : "cannot be opened";
    }
    return file;
}

// The blocks a source file is judged in: what follows a zero byte is looked at up to the end of
// its block, and a full block is taken to go on.
constexpr std::size_t ZeroBlock = 65536;

}  // namespace

SourceFile read_source_file(std::string_view path, int32_t limit) {
    SourceFile result;
    FileHandle file = open_file(path, result);
    if (!file) {
        return result;
    }
    // At most two bytes per character (CR LF): more bytes than that cannot fit. Nothing past the
    // block that holds the first byte too many decides anything.
    const std::size_t most = 2 * static_cast<std::size_t>(limit < 0 ? 0 : limit);
    const std::size_t cap = (most / ZeroBlock + 1) * ZeroBlock;
    // The file is read straight into the text, all of it in one read where its size is known (one
    // byte more, so that the read itself finds the end); a file longer than it said grows the text
    // a block at a time.
    std::string& text = result.text;
    const int64_t size = file.size();
    text.resize(std::min(size > 0 ? static_cast<std::size_t>(size) + 1 : ZeroBlock, cap));
    std::size_t total = 0;
    for (;;) {
        const std::size_t want = text.size() - total;
        const std::size_t n = file.read_bytes(text.data() + total, want);
        total += n;
        if (n < want || total == cap) {
            break;
        }
        text.resize(std::min(total + ZeroBlock, cap));
    }
    const auto* zero = static_cast<const char*>(std::memchr(text.data(), 0, total));
    const std::size_t end = zero != nullptr ? static_cast<std::size_t>(zero - text.data()) : total;
    if (end > most) {
        result.status = SourceFileStatus::TooLong;
        std::string().swap(text);
        return result;
    }
    if (zero != nullptr) {
        // Only the rest of the zero byte's block is looked at; a file that fills it has more text.
        const std::size_t block_end = std::min(total, (end / ZeroBlock + 1) * ZeroBlock);
        const std::string_view rest(text.data() + end, block_end - end);
        result.text_after_zero = rest.find_first_not_of('\0') != std::string_view::npos ||
                                 block_end - end / ZeroBlock * ZeroBlock == ZeroBlock;
    }
    text.resize(end);
    result.status = SourceFileStatus::Read;
    return result;
}

SourceFile read_data_file(std::string_view path, bool skip_load_address, int32_t limit) {
    SourceFile result;
    FileHandle file = open_file(path, result);
    if (!file) {
        return result;
    }
    const std::size_t most = static_cast<std::size_t>(limit < 0 ? 0 : limit) / 2;
    std::size_t skip = skip_load_address ? 2 : 0;
    std::array<char, 65536> buffer{};
    for (;;) {
        const std::size_t n = file.read_bytes(buffer.data(), buffer.size());
        const std::size_t skipped = skip < n ? skip : n;
        skip -= skipped;
        result.text.append(buffer.data() + skipped, n - skipped);
        if (result.text.size() > most) {
            result.status = SourceFileStatus::TooLong;
            result.text.clear();
            return result;
        }
        if (n < buffer.size()) {
            break;
        }
    }
    result.status = SourceFileStatus::Read;
    return result;
}

std::string data_lines(std::string_view bytes) {
    constexpr std::size_t ValuesPerLine = 8;
    std::string lines;
    lines.reserve(bytes.size() * 4 + bytes.size() / ValuesPerLine * 6 + 6);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % ValuesPerLine == 0) {
            lines += i == 0 ? "byte " : "\nbyte ";
        } else {
            lines += ',';
        }
        lines += format_decimal(static_cast<unsigned char>(bytes[i]));
    }
    return lines;
}

std::string source_file_bytes() {
    const int32_t count = count_items(MainEditorId);
    std::string bytes;
    for (int32_t i = 0; i <= count; ++i) {
        bytes += get_item_text(MainEditorId, i);
        bytes += "\r\n";
    }
    bytes.push_back('\0');
    return bytes;
}

}  // namespace tarvok
