#pragma once
// File primitives. A FileHandle owns one open file and closes it when it goes out of scope.
// Open operations report failure by returning a handle that is not open; reading from a handle
// that is not open yields 0 bytes, "" or 0, and writing to it writes nothing and reports failure.
// Unlike the platform this program grew up on, every write reports whether it succeeded, so that
// a caller can tell the user that a file could not be written.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace tarvok {

class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(std::FILE* file) : file_(file) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    ~FileHandle();

    bool is_open() const { return file_ != nullptr; }
    explicit operator bool() const { return is_open(); }

    // Closes the file; true when everything written reached the file system.
    bool close();

    // The next byte 0-255, or -1 at the end of the file or on a read error.
    int next_byte();
    // Puts the byte just read back so that next_byte returns it again (one byte of put-back).
    void put_back(int byte);
    // Reads up to size bytes (a put-back byte first); returns how many were read.
    std::size_t read_bytes(void* data, std::size_t size);
    // Writes raw bytes; false when not all of them could be written.
    bool write_bytes(const void* data, std::size_t size);
    // Size of the file in bytes; -1 when it cannot be told.
    int64_t size();

private:
    // A file open for update switches between reading and writing only through a flush or a seek;
    // these remember which way the last access went.
    void prepare_read();
    void prepare_write();

    std::FILE* file_ = nullptr;
    int pushed_back_ = -1;
    bool write_failed_ = false;
    bool reading_ = false;
    bool writing_ = false;
};

// An existing regular file, read only; not open when it cannot be opened or is no regular file (a
// folder, FIFO, device or socket): opening never waits for a writer or a device.
FileHandle open_for_reading(std::string_view path);
// A new, empty file; an existing file of that name is truncated.
FileHandle create_for_writing(std::string_view path);
// Reading and writing from position 0; created when missing, never truncated.
FileHandle open_for_update(std::string_view path);

// Closes the file; closing a handle that is not open does nothing. False when buffered data could
// not be written.
bool close_file(FileHandle& handle);

// True when no further byte can be read.
bool at_end_of_file(FileHandle& handle);
// Size of the file in bytes; 0 when the handle is not open.
int64_t file_size(FileHandle& handle);

// The next line: it ends at the first CR, LF or NUL byte or at the end of the file; the ending byte
// is consumed, and an LF directly after a CR belongs to the same line ending.
std::string read_line(FileHandle& handle);
// read_line for a line that may be at most max_length bytes long: nothing when it has not ended
// by then (its first max_length + 1 bytes are consumed, no more).
std::optional<std::string> read_line_within(FileHandle& handle, std::size_t max_length);
// Reads up to n bytes into buffer; returns the number of bytes read.
int32_t read_block(FileHandle& handle, void* buffer, int32_t n);
// The next byte as a signed value -128..127; 0 when nothing could be read.
int32_t read_byte(FileHandle& handle);
// The next four bytes as a little-endian signed 32-bit value; 0 when they could not be read.
int32_t read_int32(FileHandle& handle);

// Each write returns false when the bytes could not all be written.
bool write_text(FileHandle& handle, std::string_view s);
bool write_line(FileHandle& handle, std::string_view s);  // s followed by CR LF
bool write_byte(FileHandle& handle, int32_t b);             // the low 8 bits of b
bool write_int32(FileHandle& handle, int32_t v);            // four bytes, least significant first

// Deletes the file; no report when it does not exist.
void delete_file(std::string_view path);

// True when a file or folder of that name exists.
bool file_exists(std::string_view path);

// All bytes of a regular file; nothing when it cannot be opened or read, or is no regular file.
std::optional<std::string> read_whole_file(std::string_view path);

// Writes bytes as the whole content of path, the way careful editors do (runtime/file/replacing.cpp
// has the rules): normally to a temporary file in the same folder, then renamed over path, so that
// a failed write leaves any earlier file of that name untouched and never leaves a half-written one
// behind; written in place where a rename would change what the user has (a device, FIFO or
// /dev/stdout, hard links, an owner or group the new file could not get, a folder that takes no
// new file). Symbolic links are followed, dangling ones too. False when the file could not be
// written.
bool write_file_replacing(std::string_view path, std::string_view bytes);

// What replace_file did: the new content is in place; the file could not even be opened or created
// (no such folder, no permission, a folder of that name, a file the user may not write); or it was
// opened but could not be completely written (a full disk: a regular file is left as it was).
enum class ReplaceResult { Written, NotCreated, NotWritten };

// write_file_replacing that also tells the two kinds of failure apart.
ReplaceResult replace_file(std::string_view path, std::string_view bytes);

}  // namespace tarvok
