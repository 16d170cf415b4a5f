#include "tools/shipped_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tarvok {

#if !defined(TARVOK_DATA_DIR) || !defined(TARVOK_DATA_DIR_FROM_BIN)
#error "the build must name the installed data folder"
#endif

std::vector<std::string> shipped_file_folders() {
    std::vector<std::string> folders;
    auto add = [&folders](const std::filesystem::path& folder) {
        const std::string name = folder.lexically_normal().string();
        if (std::find(folders.begin(), folders.end(), name) == folders.end()) {
            folders.push_back(name);
        }
    };
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && program.has_parent_path()) {
        add(program.parent_path());
        // An installation whose prefix was chosen when it was installed: the data folder as
        // seen from the program's own folder.
        add(program.parent_path() / TARVOK_DATA_DIR_FROM_BIN);
    }
    add(TARVOK_DATA_DIR);
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
