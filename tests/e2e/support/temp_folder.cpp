#include "tests/e2e/support/temp_folder.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <system_error>

#include <unistd.h>

namespace tarvok::e2e {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::error_code ec;
    const auto base = std::filesystem::temp_directory_path(ec);
    for (int attempt = 0;; ++attempt) {
        path_ = base / ("tarvok-e2e-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        if (std::filesystem::create_directory(path_, ec) || attempt > 100) {
            break;
        }
    }
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::file(std::string_view name) const { return (path_ / std::string(name)).string(); }

std::string TempFolder::write(std::string_view name, std::string_view bytes) const {
    const std::string p = file(name);
    std::ofstream out(p, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p;
}

std::string read_bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return "";
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tarvok::e2e
