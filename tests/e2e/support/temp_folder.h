#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end.

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvok::e2e {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of a file in the folder.
    std::string file(std::string_view name) const;
    // Writes bytes to a file in the folder; returns its path.
    std::string write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

// All bytes of a file; "" when it cannot be read.
std::string read_bytes(const std::filesystem::path& path);

}  // namespace tarvok::e2e
