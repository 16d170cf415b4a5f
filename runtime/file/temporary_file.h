#pragma once
// A private file in the system's temporary folder ($TMPDIR, else /tmp): created under a fresh name
// that no other file has, readable and writable by its owner only, and removed when the object
// goes (or earlier with remove), whatever happened in between.

#include <string>
#include <string_view>

namespace tarvok {

class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() { remove(); }

    // Creates the file with the bytes, named with the prefix and six random characters. False when
    // it cannot be created or completely written; nothing is left behind then. A file this object
    // made before is removed first.
    bool create(std::string_view prefix, std::string_view bytes);
    // Deletes the file; nothing happens when there is none.
    void remove();

    bool exists() const { return !path_.empty(); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace tarvok
