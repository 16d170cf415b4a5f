#include "runtime/file/temporary_file.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace tarvok {

namespace {

std::string temporary_folder() {
    const char* folder = std::getenv("TMPDIR");
    std::string name = folder != nullptr && *folder != '\0' ? folder : "/tmp";
    if (name.back() != '/') {
        name += '/';
    }
    return name;
}

}  // namespace

bool TemporaryFile::create(std::string_view prefix, std::string_view bytes) {
    remove();
    std::string name = temporary_folder() + std::string(prefix) + "XXXXXX";
    // mkostemp makes the file with a name nobody else holds, mode 0600, never through a link.
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    path_ = name;
    bool written = true;
    while (written && !bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        written = n > 0;
        if (written) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
    }
    if (::close(fd) != 0 || !written) {
        remove();
        return false;
    }
    return true;
}

void TemporaryFile::remove() {
    if (!path_.empty()) {
        ::unlink(path_.c_str());
        path_.clear();
    }
}

}  // namespace tarvok
