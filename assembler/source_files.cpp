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

}  // namespace

SourceFile read_source_file(std::string_view path, int32_t limit) {
    SourceFile result;
    FileHandle file = open_file(path, result);
    if (!file) {
        return result;
    }
    // At most two bytes per character (CR LF): more bytes than that cannot fit.
    const std::size_t most = 2 * static_cast<std::size_t>(limit < 0 ? 0 : limit);
    // Room for the whole file at once, so that the text is not copied as it grows.
    if (const int64_t size = file.size(); size > 0) {
        result.text.reserve(std::min(static_cast<std::size_t>(size), most + 1));
    }
    std::array<char, 65536> buffer{};
    for (;;) {
        const std::size_t n = file.read_bytes(buffer.data(), buffer.size());
        const void* zero = n > 0 ? std::memchr(buffer.data(), 0, n) : nullptr;
        const std::size_t take =
            zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - buffer.data()) : n;
        result.text.append(buffer.data(), take);
        if (result.text.size() > most) {
            result.status = SourceFileStatus::TooLong;
            result.text.clear();
            return result;
        }
        if (zero != nullptr) {
            // Only the rest of this block is looked at; a file that goes on past it has more text.
            const std::string_view rest(buffer.data() + take, n - take);
            result.text_after_zero = rest.find_first_not_of('\0') != std::string_view::npos || n == buffer.size();
            break;
        }
        if (n < buffer.size()) {
            break;
        }
    }
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
