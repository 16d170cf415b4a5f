#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "runtime/file/file.h"
#include "runtime/window/window.h"
#include "shell/shell.h"

namespace tarvok::fuzzing {

const std::string& private_folder() {
    static const std::string folder = [] {
        struct stat info {};
        const char* base = ::stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode) ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/tarvok-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr || ::chdir(pattern.c_str()) != 0) {
            fail("cannot make the private folder");
        }
        // The folder goes when the fuzzer ends normally (a crash leaves it for a look).
        static std::string removed_at_exit;
        removed_at_exit = pattern;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(removed_at_exit, ignored);
        });
        const std::string tmp = pattern + "/tmp";
        ::mkdir(tmp.c_str(), 0700);
        ::setenv("TMPDIR", tmp.c_str(), 1);
        return pattern;
    }();
    return folder;
}

std::string put_file(std::string_view name, std::string_view bytes) {
    const std::string path = private_folder() + "/" + std::string(name);
    if (!write_file_replacing(path, bytes)) {
        fail("cannot write " + path);
    }
    return path;
}

std::size_t temporary_files_left() {
    DIR* dir = ::opendir((private_folder() + "/tmp").c_str());
    if (dir == nullptr) {
        return 0;
    }
    std::size_t count = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        count += name != "." && name != ".." ? 1 : 0;
    }
    ::closedir(dir);
    return count;
}

Program& program() {
    static Program started;
    return started;
}

void fail(std::string_view reason) {
    std::fprintf(stderr, "fuzz target: %.*s\n", static_cast<int>(reason.size()), reason.data());
    std::abort();
}

}  // namespace tarvok::fuzzing

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    using namespace tarvok;
    fuzzing::private_folder();
    int argc = 0;
    if (!start_window_layer(argc, nullptr) || !start_shell(fuzzing::program().state, fuzzing::program().ctx)) {
        fuzzing::fail("the program could not start");
    }
    return 0;
}
