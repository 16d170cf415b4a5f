// Writing a whole file the way careful editors do. The new content goes to a temporary file beside
// the target and is renamed over it, so that a failed write leaves the earlier file untouched and
// never a half-written one. Where a rename would change what the user has, the file is written in
// place instead:
//   - a target that is no regular file (a device, FIFO, terminal, /dev/stdout): written into, as
//     every Unix tool does; a name that leads to one of this process's own descriptors
//     (/dev/stdout, /dev/fd/N) is written through that descriptor;
//   - a file with more than one name (hard links), which a rename would split;
//   - a file whose owner or group the new file could not be given;
//   - a file in a folder that cannot take a new file or in which the rename is refused (no write
//     permission, a sticky folder), when the file itself may be written.
// Symbolic links are followed, dangling ones too: the file they lead to is written or created and
// the link stays. A file the user may not write with a plain open (0444, unless root) is refused.

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "runtime/file/file.h"

namespace tarvok {

namespace {

// Links followed before a path counts as a loop, as the kernel's own limit.
constexpr int MaxLinks = 40;

// Where a path leads once its symbolic links are followed.
struct Target {
    std::string folder;   // the folder that holds it, with every link resolved
    std::string path;     // folder + "/" + name
    int descriptor = -1;  // an open descriptor of this process that the path names, or -1
};

std::optional<std::string> real_folder(const std::string& folder) {
    char* resolved = ::realpath(folder.empty() ? "." : folder.c_str(), nullptr);
    if (resolved == nullptr) return std::nullopt;
    std::string result(resolved);
    std::free(resolved);
    return result;
}

// True for this process's descriptor folder, /proc/PID/fd (or a thread's, below it), which
// /dev/stdout, /dev/fd and /proc/self/fd lead to.
bool is_own_descriptor_folder(const std::string& folder) {
    const std::string own = "/proc/" + std::to_string(::getpid()) + "/";
    return folder.compare(0, own.size(), own) == 0 && folder.size() >= 3 &&
           folder.compare(folder.size() - 3, 3, "/fd") == 0;
}

// The descriptor a name in the descriptor folder stands for, when it is open.
int open_descriptor(const std::string& name) {
    if (name.empty() || name.size() > 9 || name.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    const int fd = std::atoi(name.c_str());
    return ::fcntl(fd, F_GETFD) == -1 ? -1 : fd;
}

// Follows symbolic links from path to the file they lead to, which need not exist yet; nothing
// when its folder does not exist, it ends in "/" or the links loop.
std::optional<Target> follow_links(std::string path) {
    for (int hops = 0; hops <= MaxLinks; ++hops) {
        const std::size_t slash = path.rfind('/');
        const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        if (name.empty()) return std::nullopt;
        const auto folder =
            real_folder(slash == std::string::npos ? std::string() : slash == 0 ? "/" : path.substr(0, slash));
        if (!folder) return std::nullopt;
        Target target;
        target.folder = *folder;
        target.path = (*folder == "/" ? std::string() : *folder) + "/" + name;
        if (is_own_descriptor_folder(*folder)) {
            target.descriptor = open_descriptor(name);
            if (target.descriptor >= 0) return target;
        }
        struct stat info {};
        if (::lstat(target.path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(target.path.c_str(), link.data(), link.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= link.size()) return std::nullopt;
        link.resize(static_cast<std::size_t>(length));
        path = link[0] == '/' ? link : target.folder + "/" + link;
    }
    return std::nullopt;
}

// Writes all bytes to a descriptor, going on after partial writes and interruptions.
bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The permission bits a newly created file would get.
mode_t default_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// Flushes the folder's entry list so that a completed rename survives a crash. Best effort: some
// file systems cannot sync a folder, and the rename itself has already succeeded.
void sync_folder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Writes into something that is no regular file: a device, FIFO or terminal. Opening a FIFO
// waits for its reader, as with any Unix tool.
ReplaceResult write_into(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return ReplaceResult::NotCreated;
    const bool written = write_all(fd, bytes);
    const bool closed = ::close(fd) == 0;
    return written && closed ? ReplaceResult::Written : ReplaceResult::NotWritten;
}

// Overwrites an existing regular file in place. A longer content gets its room first, so that a
// full disk or a file size limit is found while the old content is still whole (the file then
// gets its old size back).
ReplaceResult write_in_place(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return ReplaceResult::NotCreated;
    struct stat old {};
    const auto size = static_cast<off_t>(bytes.size());
    bool written = ::fstat(fd, &old) == 0;
    if (written && size > old.st_size && ::fallocate(fd, 0, 0, size) != 0 && errno != EOPNOTSUPP) {
        const int restored = ::ftruncate(fd, old.st_size);  // room taken before the failure is given back
        static_cast<void>(restored);
        written = false;
    }
    written = written && write_all(fd, bytes) && ::ftruncate(fd, size) == 0 && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    return written && closed ? ReplaceResult::Written : ReplaceResult::NotWritten;
}

}  // namespace

ReplaceResult replace_file(std::string_view path, std::string_view bytes) {
    if (path.empty() || path.find('\0') != std::string_view::npos) return ReplaceResult::NotCreated;
    const std::optional<Target> target = follow_links(std::string(path));
    if (!target) return ReplaceResult::NotCreated;
    if (target->descriptor >= 0) {
        return write_all(target->descriptor, bytes) ? ReplaceResult::Written : ReplaceResult::NotWritten;
    }

    struct stat old {};
    const bool exists = ::stat(target->path.c_str(), &old) == 0;
    if (exists) {
        if (S_ISDIR(old.st_mode)) return ReplaceResult::NotCreated;
        if (!S_ISREG(old.st_mode)) return write_into(target->path, bytes);
        // Refused like a plain open would refuse it; root may write any file.
        if (::faccessat(AT_FDCWD, target->path.c_str(), W_OK, AT_EACCESS) != 0) return ReplaceResult::NotCreated;
        if (old.st_nlink > 1) return write_in_place(target->path, bytes);
    }

    // The temporary file sits beside the target so that the final rename stays on one file system.
    // Long names are shortened so that the temporary name still fits the folder's name limit.
    const std::string name = target->path.substr(target->path.rfind('/') + 1);
    std::string temp = target->path.substr(0, target->path.size() - name.size()) + "." + name.substr(0, 200) +
                       ".tmpXXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return exists ? write_in_place(target->path, bytes) : ReplaceResult::NotCreated;
    const auto discard = [&](bool descriptor_open) {
        if (descriptor_open) ::close(fd);
        ::unlink(temp.c_str());
    };

    // The new file gets the owner, group and permissions of the one it replaces (the owner first:
    // changing it clears set-user-ID bits), or the permissions of a new file.
    if (exists) {
        struct stat made {};
        if (::fstat(fd, &made) != 0 ||
            ((made.st_uid != old.st_uid || made.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0)) {
            discard(true);
            return write_in_place(target->path, bytes);
        }
    }
    const mode_t mode = exists ? static_cast<mode_t>(old.st_mode & 07777) : default_file_mode();
    if (::fchmod(fd, mode) != 0 || !write_all(fd, bytes) || ::fsync(fd) != 0) {
        discard(true);
        return ReplaceResult::NotWritten;
    }
    if (::close(fd) != 0) {
        discard(false);
        return ReplaceResult::NotWritten;
    }
    if (::rename(temp.c_str(), target->path.c_str()) != 0) {
        const int cause = errno;
        discard(false);
        // A sticky folder or a mount point refuses the rename, not the write.
        const bool refused = cause == EPERM || cause == EACCES || cause == EBUSY;
        return exists && refused ? write_in_place(target->path, bytes) : ReplaceResult::NotWritten;
    }
    sync_folder(target->folder);
    return ReplaceResult::Written;
}

bool write_file_replacing(std::string_view path, std::string_view bytes) {
    return replace_file(path, bytes) == ReplaceResult::Written;
}

}  // namespace tarvok
