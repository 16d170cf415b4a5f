#pragma once
// A fresh folder per test, removed with everything in it afterwards, and plain helpers that put
// bytes into files and take them out again without going through the code under test.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvok::testing_files {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = ::testing::TempDir() + "tarvok_file_XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~TempFolder() {
        if (path_.empty()) return;
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    bool ok() const { return !path_.empty(); }
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

    // Names of everything in the folder, sorted.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string path_;
};

inline void put_bytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string get_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A FIFO with no writer. Should a reader block in opening it, it is let go after two seconds (and
// every reader after it at once) by opening the other end, so that code that waits fails its test instead of hanging it.
class Fifo {
public:
    explicit Fifo(std::string path) : path_(std::move(path)) {
        made_ = ::mkfifo(path_.c_str(), 0644) == 0;
        if (made_) watcher_ = std::thread([this] { watch(); });
    }
    ~Fifo() {
        stop_ = true;
        if (watcher_.joinable()) watcher_.join();
    }
    Fifo(const Fifo&) = delete;
    Fifo& operator=(const Fifo&) = delete;

    bool made() const { return made_; }
    // True when a reader was found waiting in open and had to be let go.
    bool released_a_reader() const { return released_; }

private:
    void watch() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!stop_ && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        // A writer opened without waiting succeeds only while a reader has the FIFO open.
        while (!stop_) {
            const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ::close(fd);
                released_ = true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    std::string path_;
    bool made_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<bool> released_{false};
    std::thread watcher_;
};

}  // namespace tarvok::testing_files
