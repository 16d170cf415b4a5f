#include "app/cli_source_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace tarvok {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

SourceFile read_source_file(std::string_view path, int32_t limit) {
    SourceFile result;
    const std::string name(path);
    std::error_code ec;
    if (std::filesystem::is_directory(name, ec)) {
        result.reason = "is a folder";
        return result;
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(name.c_str(), "rb"));
    if (!file) {
        result.reason = std::strerror(errno);
        return result;
    }
    // At most two bytes per character (CR LF): more bytes than that cannot fit.
    const std::size_t most = 2 * static_cast<std::size_t>(limit < 0 ? 0 : limit);
    char buffer[65536];
    while (true) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
        if (n > 0) {
            const void* zero = std::memchr(buffer, 0, n);
            const std::size_t take = zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - buffer) : n;
            result.text.append(buffer, take);
            if (result.text.size() > most) {
                result.status = SourceFileStatus::TooLong;
                result.text.clear();
                return result;
            }
            if (zero != nullptr) {
                break;
            }
        }
        if (n < sizeof buffer) {
            if (std::ferror(file.get()) != 0) {
                result.reason = std::strerror(errno);
                result.text.clear();
                return result;
            }
            break;
        }
    }
    result.status = SourceFileStatus::Read;
    return result;
}

}  // namespace tarvok
