#include "tests/e2e/support/run_process.h"

#include <cstdlib>
#include <filesystem>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/e2e/support/temp_folder.h"

extern char** environ;

namespace tarvok::e2e {

namespace {

// Runs the program in a child with its outputs sent to files in the capture folder.
int spawn_and_wait(const std::string& program, const std::vector<std::string>& args, const std::string& cwd,
                   const std::string& out_path, const std::string& err_path, OutputSink sink) {
    std::vector<std::string> words;
    words.push_back(program);
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipe_ends[2] = {-1, -1};
    if (sink == OutputSink::ClosedPipe && ::pipe(pipe_ends) == 0) {
        ::close(pipe_ends[0]);  // nobody will ever read
        posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], 1);
        posix_spawn_file_actions_addclose(&actions, pipe_ends[1]);
    } else {
        const bool full = sink == OutputSink::DeviceFull;
        posix_spawn_file_actions_addopen(&actions, 1, full ? "/dev/full" : out_path.c_str(),
                                         full ? O_WRONLY : O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    // A relative program path is meant from the test's folder, not from cwd.
    std::string resolved = program;
    if (program.find('/') != std::string::npos) {
        resolved = std::filesystem::absolute(program).string();
    }
    if (!cwd.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
    }
    pid_t pid = 0;
    const int started = posix_spawnp(&pid, resolved.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (pipe_ends[1] >= 0) {
        ::close(pipe_ends[1]);
    }
    if (started != 0) {
        return -1;
    }
    int status = 0;
    if (waitpid(pid, &status, 0) < 0 || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

}  // namespace

ProcessResult run_process(const std::string& program, const std::vector<std::string>& args,
                          const std::string& cwd, OutputSink sink) {
    TempFolder capture;
    ProcessResult result;
    const std::string out_path = capture.file("stdout");
    const std::string err_path = capture.file("stderr");
    result.exit_code = spawn_and_wait(program, args, cwd, out_path, err_path, sink);
    result.out = read_bytes(out_path);
    result.err = read_bytes(err_path);
    return result;
}

std::string find_on_path(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) {
        return "";
    }
    std::string list(path);
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = list.find(':', start);
        const std::string dir = list.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!dir.empty()) {
            const std::filesystem::path candidate = std::filesystem::path(dir) / name;
            if (::access(candidate.c_str(), X_OK) == 0 && !std::filesystem::is_directory(candidate)) {
                return candidate.string();
            }
        }
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return "";
}

}  // namespace tarvok::e2e
