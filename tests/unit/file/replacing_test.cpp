// Whole files: reading all bytes, and replacing a file through a temporary file beside it so that
// a failed write leaves the earlier file as it was and no temporary file behind.
#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "runtime/file/file.h"
#include "tests/unit/file/temp_folder.h"

namespace tarvok {
namespace {

using testing_files::get_bytes;
using testing_files::put_bytes;
using testing_files::TempFolder;
using Names = std::vector<std::string>;

TEST(WholeFiles, ReadWholeFile) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string bytes("\x01\x08\xA9\x00\r\n\x00\xFF", 8);
    put_bytes(folder.file("prog.prg"), bytes);
    put_bytes(folder.file("empty"), "");
    EXPECT_EQ(read_whole_file(folder.file("prog.prg")), bytes);
    EXPECT_EQ(read_whole_file(folder.file("empty")), std::string());
    EXPECT_FALSE(read_whole_file(folder.file("missing")).has_value());
    EXPECT_FALSE(read_whole_file(folder.path()).has_value());
    EXPECT_FALSE(read_whole_file("").has_value());

    const std::string big(3 * 65536 + 17, '\xEA');
    put_bytes(folder.file("big"), big);
    EXPECT_EQ(read_whole_file(folder.file("big")), big);
}

TEST(WholeFiles, ReplacingCreatesAndReplaces) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string path = folder.file("game.prg");
    EXPECT_TRUE(write_file_replacing(path, std::string("\x00\x10\x60", 3)));
    EXPECT_EQ(get_bytes(path), std::string("\x00\x10\x60", 3));
    EXPECT_TRUE(write_file_replacing(path, "second, longer contents"));
    EXPECT_EQ(get_bytes(path), "second, longer contents");
    EXPECT_TRUE(write_file_replacing(path, "3rd"));
    EXPECT_EQ(get_bytes(path), "3rd");
    EXPECT_TRUE(write_file_replacing(path, ""));
    EXPECT_EQ(get_bytes(path), "");
    EXPECT_EQ(folder.entries(), (Names{"game.prg"}));  // no temporary file left
}

TEST(WholeFiles, ReplacingKeepsPermissions) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string path = folder.file("source.asm");
    put_bytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(write_file_replacing(path, "new"));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    // A new file gets the usual permissions of a new file, not those of a private temporary file.
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(write_file_replacing(folder.file("fresh.asm"), "x"));
    ::umask(mask);
    ASSERT_EQ(::stat(folder.file("fresh.asm").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
}

TEST(WholeFiles, ReplacingFailsWithoutAFolder) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    put_bytes(folder.file("plain"), "not a folder");
    struct Row { std::string path; };
    const Row rows[] = {
        {folder.file("missing/out.prg")},
        {folder.file("plain/out.prg")},  // its folder is a regular file: even root cannot write
        {folder.file("ends-with-slash/")},
        {""},
        {folder.file("nul") + std::string(1, '\0') + "x"},
    };
    for (const Row& r : rows) EXPECT_FALSE(write_file_replacing(r.path, "data")) << r.path;
    EXPECT_EQ(get_bytes(folder.file("plain")), "not a folder");
    EXPECT_EQ(folder.entries(), (Names{"plain"}));
}

TEST(WholeFiles, ReplacingAFolderFailsAndLeavesNoTemporaryFile) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    ASSERT_EQ(::mkdir(folder.file("out.prg").c_str(), 0755), 0);
    put_bytes(folder.file("out.prg/inside"), "kept");
    EXPECT_FALSE(write_file_replacing(folder.file("out.prg"), "data"));
    EXPECT_EQ(folder.entries(), (Names{"out.prg"}));
    EXPECT_EQ(get_bytes(folder.file("out.prg/inside")), "kept");
}

// Limits the size of files this process may write, and ignores the signal the limit raises, for
// as long as it lives. Root cannot write past the limit either.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        active_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, old_handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return active_; }

private:
    rlimit saved_{};
    void (*old_handler_)(int) = SIG_DFL;
    bool active_ = false;
};

TEST(WholeFiles, FailedWriteKeepsTheEarlierFile) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string path = folder.file("game.prg");
    put_bytes(path, "the earlier program");
    bool written = true;
    {
        FileSizeLimit limit(64);
        ASSERT_TRUE(limit.active());
        written = write_file_replacing(path, std::string(4096, 'N'));
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(get_bytes(path), "the earlier program");
    EXPECT_EQ(folder.entries(), (Names{"game.prg"}));
}

TEST(WholeFiles, ReplacingThroughALinkReplacesTheLinkedFile) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    put_bytes(folder.file("real.asm"), "old");
    ASSERT_EQ(::symlink("real.asm", folder.file("link.asm").c_str()), 0);
    ASSERT_TRUE(write_file_replacing(folder.file("link.asm"), "new"));
    EXPECT_EQ(get_bytes(folder.file("real.asm")), "new");
    struct stat info {};
    ASSERT_EQ(::lstat(folder.file("link.asm").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(folder.entries(), (Names{"link.asm", "real.asm"}));
}

TEST(WholeFiles, ReplacingAPlainNameUsesTheCurrentFolder) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    char previous[4096] = {};
    ASSERT_NE(::getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(::chdir(folder.path().c_str()), 0);
    const bool written = write_file_replacing("tarc.bin", "colours");
    const int back = ::chdir(previous);
    ASSERT_EQ(back, 0);
    EXPECT_TRUE(written);
    EXPECT_EQ(get_bytes(folder.file("tarc.bin")), "colours");
    EXPECT_EQ(folder.entries(), (Names{"tarc.bin"}));
}

}  // namespace
}  // namespace tarvok
