// File primitives over POSIX files. Paths are byte strings handed to the operating system
// unchanged; a path holding a NUL byte cannot name a file and is refused.

#include "runtime/file/file.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tarvok {

namespace {

// The path as a C string; nothing when it is empty or holds a NUL byte.
std::optional<std::string> os_path(std::string_view path) {
    if (path.empty() || path.find('\0') != std::string_view::npos) return std::nullopt;
    return std::string(path);
}

// A descriptor for reading a regular file, or -1 with errno set. Opening does not wait: a FIFO
// without a writer, a device, a socket or a folder is refused (EISDIR for a folder, ENXIO for the
// others), so that reading a file never blocks the program.
int open_regular_for_reading(const std::string& name) {
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int cause = S_ISDIR(info.st_mode) ? EISDIR : ENXIO;
        ::close(fd);
        errno = cause;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// Opens path with the given open(2) flags (a regular file only, when reading) and wraps the
// descriptor in a stdio stream.
FileHandle open_stream(std::string_view path, int flags, const char* mode) {
    const auto name = os_path(path);
    if (!name) return FileHandle();
    const int fd = flags == O_RDONLY ? open_regular_for_reading(*name)
                                     : ::open(name->c_str(), flags | O_CLOEXEC, 0666);
    if (fd < 0) return FileHandle();
    std::FILE* file = ::fdopen(fd, mode);
    if (file == nullptr) {
        ::close(fd);
        return FileHandle();
    }
    return FileHandle(file);
}

}  // namespace

// ---- FileHandle ----

FileHandle::FileHandle(FileHandle&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)),
      pushed_back_(std::exchange(other.pushed_back_, -1)),
      write_failed_(std::exchange(other.write_failed_, false)),
      reading_(std::exchange(other.reading_, false)),
      writing_(std::exchange(other.writing_, false)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        close();
        file_ = std::exchange(other.file_, nullptr);
        pushed_back_ = std::exchange(other.pushed_back_, -1);
        write_failed_ = std::exchange(other.write_failed_, false);
        reading_ = std::exchange(other.reading_, false);
        writing_ = std::exchange(other.writing_, false);
    }
    return *this;
}

FileHandle::~FileHandle() { close(); }

bool FileHandle::close() {
    if (file_ == nullptr) return true;
    const bool flushed = std::fclose(file_) == 0;
    const bool ok = flushed && !write_failed_;
    file_ = nullptr;
    pushed_back_ = -1;
    write_failed_ = false;
    reading_ = false;
    writing_ = false;
    return ok;
}

void FileHandle::prepare_read() {
    if (writing_) {
        if (std::fflush(file_) != 0) write_failed_ = true;
        writing_ = false;
    }
    reading_ = true;
}

void FileHandle::prepare_write() {
    if (reading_) {
        // A put-back byte has been read from the file but not used: the write goes where it was.
        std::fseek(file_, pushed_back_ >= 0 ? -1L : 0L, SEEK_CUR);
        pushed_back_ = -1;
        reading_ = false;
    }
    writing_ = true;
}

int FileHandle::next_byte() {
    if (file_ == nullptr) return -1;
    if (pushed_back_ >= 0) return std::exchange(pushed_back_, -1);
    prepare_read();
    const int c = getc_unlocked(file_);
    return c == EOF ? -1 : c;
}

void FileHandle::put_back(int byte) {
    if (file_ == nullptr || byte < 0) return;
    pushed_back_ = byte & 0xFF;
}

std::size_t FileHandle::read_bytes(void* data, std::size_t size) {
    if (file_ == nullptr || size == 0) return 0;
    auto* out = static_cast<unsigned char*>(data);
    std::size_t count = 0;
    if (pushed_back_ >= 0) {
        out[count++] = static_cast<unsigned char>(std::exchange(pushed_back_, -1));
    }
    prepare_read();
    count += std::fread(out + count, 1, size - count, file_);
    return count;
}

bool FileHandle::write_bytes(const void* data, std::size_t size) {
    if (file_ == nullptr) return false;
    if (size == 0) return true;
    prepare_write();
    if (std::fwrite(data, 1, size, file_) != size) {
        write_failed_ = true;
        return false;
    }
    return true;
}

int64_t FileHandle::size() {
    if (file_ == nullptr) return -1;
    if (writing_ && std::fflush(file_) != 0) write_failed_ = true;
    struct stat info {};
    if (::fstat(::fileno(file_), &info) != 0) return -1;
    return static_cast<int64_t>(info.st_size);
}

// ---- open and close ----

FileHandle open_for_reading(std::string_view path) {
    return open_stream(path, O_RDONLY, "rb");
}

FileHandle create_for_writing(std::string_view path) {
    return open_stream(path, O_WRONLY | O_CREAT | O_TRUNC, "wb");
}

FileHandle open_for_update(std::string_view path) {
    return open_stream(path, O_RDWR | O_CREAT, "r+b");
}

bool close_file(FileHandle& handle) { return handle.close(); }

// ---- reading ----

bool at_end_of_file(FileHandle& handle) {
    const int byte = handle.next_byte();
    if (byte < 0) return true;
    handle.put_back(byte);
    return false;
}

int64_t file_size(FileHandle& handle) {
    if (!handle.is_open()) return 0;
    const int64_t size = handle.size();
    return size < 0 ? 0 : size;
}

std::optional<std::string> read_line_within(FileHandle& handle, std::size_t max_length) {
    std::string line;
    for (;;) {
        const int byte = handle.next_byte();
        if (byte < 0 || byte == 0x0A || byte == 0x00) break;
        if (byte == 0x0D) {
            // CR LF is one line ending; anything else after a lone CR starts the next line.
            const int after = handle.next_byte();
            if (after >= 0 && after != 0x0A) handle.put_back(after);
            break;
        }
        if (line.size() == max_length) return std::nullopt;
        line.push_back(static_cast<char>(byte));
    }
    return line;
}

std::string read_line(FileHandle& handle) {
    return *read_line_within(handle, std::string().max_size());
}

int32_t read_block(FileHandle& handle, void* buffer, int32_t n) {
    if (n <= 0 || buffer == nullptr) return 0;
    return static_cast<int32_t>(handle.read_bytes(buffer, static_cast<std::size_t>(n)));
}

int32_t read_byte(FileHandle& handle) {
    const int byte = handle.next_byte();
    if (byte < 0) return 0;
    return byte >= 0x80 ? byte - 0x100 : byte;
}

int32_t read_int32(FileHandle& handle) {
    std::array<unsigned char, 4> bytes{};
    if (handle.read_bytes(bytes.data(), bytes.size()) != bytes.size()) return 0;
    const uint32_t value = static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
                           (static_cast<uint32_t>(bytes[2]) << 16) |
                           (static_cast<uint32_t>(bytes[3]) << 24);
    return static_cast<int32_t>(value);
}

// ---- writing ----

bool write_text(FileHandle& handle, std::string_view s) {
    if (!handle.is_open()) return false;
    return handle.write_bytes(s.data(), s.size());
}

bool write_line(FileHandle& handle, std::string_view s) {
    if (!handle.is_open()) return false;
    std::string line;
    line.reserve(s.size() + 2);
    line.append(s);
    line.append("\r\n");
    return handle.write_bytes(line.data(), line.size());
}

bool write_byte(FileHandle& handle, int32_t b) {
    const auto byte = static_cast<unsigned char>(static_cast<uint32_t>(b) & 0xFFu);
    return handle.write_bytes(&byte, 1);
}

bool write_int32(FileHandle& handle, int32_t v) {
    const auto value = static_cast<uint32_t>(v);
    const std::array<unsigned char, 4> bytes{
        static_cast<unsigned char>(value & 0xFFu), static_cast<unsigned char>((value >> 8) & 0xFFu),
        static_cast<unsigned char>((value >> 16) & 0xFFu), static_cast<unsigned char>(value >> 24)};
    return handle.write_bytes(bytes.data(), bytes.size());
}

// ---- whole files ----

void delete_file(std::string_view path) {
    const auto name = os_path(path);
    if (name) ::unlink(name->c_str());
}

bool file_exists(std::string_view path) {
    const auto name = os_path(path);
    struct stat info {};
    return name && ::stat(name->c_str(), &info) == 0;
}

std::optional<std::string> read_whole_file(std::string_view path) {
    const auto name = os_path(path);
    if (!name) return std::nullopt;
    const int fd = open_regular_for_reading(*name);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::string content;
    if (::fstat(fd, &info) == 0 && info.st_size > 0) content.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, 65536> chunk{};
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) break;
        content.append(chunk.data(), static_cast<std::size_t>(got));
    }
    ::close(fd);
    return content;
}

}  // namespace tarvok
