#include "tools/shipped_files.h"

#include <filesystem>
#include <system_error>

namespace tarvok {

#ifndef TARVOK_DATA_DIR
#error "TARVOK_DATA_DIR must name the installed data folder (set by the build)"
#endif

std::vector<std::string> shipped_file_folders() {
    std::vector<std::string> folders;
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && program.has_parent_path()) {
        folders.push_back(program.parent_path().string());
    }
    folders.emplace_back(TARVOK_DATA_DIR);
    return folders;
}

FileHandle open_shipped_file(std::string_view name, const std::vector<std::string>& folders,
                             std::string& path) {
    path = std::string(name);
    FileHandle file = open_for_reading(path);
    for (auto folder = folders.begin(); !file.is_open() && folder != folders.end(); ++folder) {
        const std::string candidate = (std::filesystem::path(*folder) / name).string();
        file = open_for_reading(candidate);
        if (file.is_open()) {
            path = candidate;
        }
    }
    return file;
}

}  // namespace tarvok
