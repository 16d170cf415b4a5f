// Whole files: reading all bytes, and replacing a file through a temporary file beside it so that
// a failed write leaves the earlier file as it was and no temporary file behind.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "runtime/file/file.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/unprivileged.h"
#include "tests/unit/file/temp_folder.h"

namespace tarvok {
namespace {

using testing_files::FileSizeLimit;
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

// A full disk (here: a file size limit) while writing: the earlier file is as it was, whether it
// was to be replaced or, having a second name, written in place.
TEST(WholeFiles, FailedWriteKeepsTheEarlierFile) {
    for (const bool linked : {false, true}) {
        SCOPED_TRACE(linked ? "hard-linked, written in place" : "replaced");
        TempFolder folder;
        ASSERT_TRUE(folder.ok());
        const std::string path = folder.file("game.prg");
        put_bytes(path, "the earlier program");
        if (linked) {
            ASSERT_EQ(::link(path.c_str(), folder.file("copy.prg").c_str()), 0);
        }
        bool written = true;
        {
            FileSizeLimit limit(64);
            ASSERT_TRUE(limit.active());
            written = write_file_replacing(path, std::string(4096, 'N'));
        }
        EXPECT_FALSE(written);
        EXPECT_EQ(get_bytes(path), "the earlier program");
        EXPECT_EQ(folder.entries(), linked ? (Names{"copy.prg", "game.prg"}) : (Names{"game.prg"}));
    }
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

struct FileInfo {
    bool exists = false;
    mode_t type = 0;
    mode_t mode = 0;
    uid_t uid = 0;
    gid_t gid = 0;
    ino_t inode = 0;
};

FileInfo info_of(const std::string& path) {
    struct stat st {};
    FileInfo info;
    if (::lstat(path.c_str(), &st) != 0) return info;
    return {true, static_cast<mode_t>(st.st_mode & S_IFMT), static_cast<mode_t>(st.st_mode & 07777), st.st_uid,
            st.st_gid, st.st_ino};
}

// A file with the given bytes, permissions and owner.
void make_file(const std::string& path, const std::string& bytes, mode_t mode, uid_t uid = ::geteuid(),
               gid_t gid = ::getegid()) {
    put_bytes(path, bytes);
    EXPECT_EQ(::chown(path.c_str(), uid, gid), 0) << path;
    EXPECT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

void make_folder(const std::string& path, mode_t mode) {
    EXPECT_EQ(::mkdir(path.c_str(), 0700), 0) << path;
    EXPECT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

constexpr uid_t Root = 0;
using testing_users::NobodyGroup;
using testing_users::NobodyUser;

// Who writes: whoever runs the test, root only, or the user nobody.
enum class Writer { Anyone, Root, Nobody };

// What replace_file does to what the user has: each row sets up files in a fresh folder, writes
// "new" to one path and checks what is there afterwards.
TEST(WholeFiles, ReplacingKeepsWhatTheUserHas) {
    struct Row {
        const char* what;
        Writer writer;
        std::string (*setup)(const TempFolder&);  // returns the path to write
        ReplaceResult expected;
        void (*check)(const TempFolder&);
    };
    const Row rows[] = {
        {"hard links: both names see the new bytes", Writer::Anyone,
         [](const TempFolder& f) {
             put_bytes(f.file("a.prg"), "old");
             EXPECT_EQ(::link(f.file("a.prg").c_str(), f.file("b.prg").c_str()), 0);
             return f.file("a.prg");
         },
         ReplaceResult::Written,
         [](const TempFolder& f) {
             EXPECT_EQ(get_bytes(f.file("b.prg")), "new");
             EXPECT_EQ(info_of(f.file("a.prg")).inode, info_of(f.file("b.prg")).inode);
             EXPECT_EQ(f.entries(), (Names{"a.prg", "b.prg"}));
         }},
        {"dangling link: its target is created, the link stays", Writer::Anyone,
         [](const TempFolder& f) {
             make_folder(f.file("sub"), 0755);
             EXPECT_EQ(::symlink("sub/real.prg", f.file("out.prg").c_str()), 0);
             return f.file("out.prg");
         },
         ReplaceResult::Written,
         [](const TempFolder& f) {
             EXPECT_EQ(get_bytes(f.file("sub/real.prg")), "new");
             EXPECT_EQ(info_of(f.file("out.prg")).type, S_IFLNK);
         }},
        {"chain of relative links through another folder", Writer::Anyone,
         [](const TempFolder& f) {
             make_folder(f.file("d"), 0755);
             put_bytes(f.file("real.asm"), "old");
             EXPECT_EQ(::symlink("../real.asm", f.file("d/l2").c_str()), 0);
             EXPECT_EQ(::symlink("d/l2", f.file("l1").c_str()), 0);
             return f.file("l1");
         },
         ReplaceResult::Written,
         [](const TempFolder& f) {
             EXPECT_EQ(get_bytes(f.file("real.asm")), "new");
             EXPECT_EQ(info_of(f.file("l1")).type, S_IFLNK);
             EXPECT_EQ(info_of(f.file("d/l2")).type, S_IFLNK);
             EXPECT_EQ(f.entries(), (Names{"d", "l1", "real.asm"}));
         }},
        {"links in a loop", Writer::Anyone,
         [](const TempFolder& f) {
             EXPECT_EQ(::symlink("l2", f.file("l1").c_str()), 0);
             EXPECT_EQ(::symlink("l1", f.file("l2").c_str()), 0);
             return f.file("l1");
         },
         ReplaceResult::NotCreated, [](const TempFolder& f) { EXPECT_EQ(f.entries(), (Names{"l1", "l2"})); }},
        {"a socket cannot be written", Writer::Anyone,
         [](const TempFolder& f) {
             const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             f.file("sock").copy(address.sun_path, sizeof address.sun_path - 1);
             EXPECT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
             ::close(s);
             return f.file("sock");
         },
         ReplaceResult::NotCreated, [](const TempFolder& f) { EXPECT_EQ(info_of(f.file("sock")).type, S_IFSOCK); }},
        {"root writes a write-protected file, which stays write-protected", Writer::Root,
         [](const TempFolder& f) {
             make_file(f.file("ro.prg"), "old", 0444);
             return f.file("ro.prg");
         },
         ReplaceResult::Written,
         [](const TempFolder& f) {
             EXPECT_EQ(get_bytes(f.file("ro.prg")), "new");
             EXPECT_EQ(info_of(f.file("ro.prg")).mode, 0444u);
         }},
        {"root keeps another user's owner, group and permissions", Writer::Root,
         [](const TempFolder& f) {
             make_file(f.file("theirs.asm"), "old", 0640, NobodyUser, NobodyGroup);
             return f.file("theirs.asm");
         },
         ReplaceResult::Written,
         [](const TempFolder& f) {
             const FileInfo info = info_of(f.file("theirs.asm"));
             EXPECT_EQ(get_bytes(f.file("theirs.asm")), "new");
             EXPECT_EQ(info.uid, NobodyUser);
             EXPECT_EQ(info.gid, NobodyGroup);
             EXPECT_EQ(info.mode, 0640u);
             EXPECT_EQ(f.entries(), (Names{"theirs.asm"}));
         }},
        {"own file in a folder without write permission: written in place", Writer::Nobody,
         [](const TempFolder& f) {
             make_folder(f.file("ro"), 0755);
             make_file(f.file("ro/mine.prg"), "old", 0644, NobodyUser, NobodyGroup);
             return f.file("ro/mine.prg");
         },
         ReplaceResult::Written,
         [](const TempFolder& f) {
             EXPECT_EQ(get_bytes(f.file("ro/mine.prg")), "new");
             EXPECT_EQ(std::filesystem::directory_entry(f.file("ro/mine.prg")).exists(), true);
         }},
        {"another user's writable file in a sticky folder: written in place", Writer::Nobody,
         [](const TempFolder& f) {
             make_folder(f.file("tmp"), 01777);
             make_file(f.file("tmp/shared.prg"), "old", 0666, Root, Root);
             return f.file("tmp/shared.prg");
         },
         ReplaceResult::Written,
         [](const TempFolder& f) {
             EXPECT_EQ(get_bytes(f.file("tmp/shared.prg")), "new");
             EXPECT_EQ(info_of(f.file("tmp/shared.prg")).uid, Root);
         }},
        {"another user's writable file in an open folder keeps its owner", Writer::Nobody,
         [](const TempFolder& f) {
             make_folder(f.file("open"), 0777);
             make_file(f.file("open/shared.prg"), "old", 0666, Root, Root);
             return f.file("open/shared.prg");
         },
         ReplaceResult::Written,
         [](const TempFolder& f) {
             const FileInfo info = info_of(f.file("open/shared.prg"));
             EXPECT_EQ(get_bytes(f.file("open/shared.prg")), "new");
             EXPECT_EQ(info.uid, Root);
             EXPECT_EQ(info.gid, Root);
         }},
        {"new file in a sticky folder", Writer::Nobody,
         [](const TempFolder& f) {
             make_folder(f.file("tmp"), 01777);
             return f.file("tmp/fresh.prg");
         },
         ReplaceResult::Written,
         [](const TempFolder& f) {
             EXPECT_EQ(get_bytes(f.file("tmp/fresh.prg")), "new");
             EXPECT_EQ(info_of(f.file("tmp/fresh.prg")).uid, NobodyUser);
         }},
        {"write-protected file (0444) is refused", Writer::Nobody,
         [](const TempFolder& f) {
             make_folder(f.file("open"), 0777);
             make_file(f.file("open/ro.prg"), "old", 0444, NobodyUser, NobodyGroup);
             return f.file("open/ro.prg");
         },
         ReplaceResult::NotCreated,
         [](const TempFolder& f) {
             EXPECT_EQ(get_bytes(f.file("open/ro.prg")), "old");
             EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.file("open")), {}), 1);
         }},
        {"another user's file that nobody may write is refused", Writer::Nobody,
         [](const TempFolder& f) {
             make_folder(f.file("open"), 0777);
             make_file(f.file("open/theirs.prg"), "old", 0644, Root, Root);
             return f.file("open/theirs.prg");
         },
         ReplaceResult::NotCreated, [](const TempFolder& f) { EXPECT_EQ(get_bytes(f.file("open/theirs.prg")), "old"); }},
        {"new file in a folder without write permission is refused", Writer::Nobody,
         [](const TempFolder& f) {
             make_folder(f.file("ro"), 0755);
             return f.file("ro/new.prg");
         },
         ReplaceResult::NotCreated,
         [](const TempFolder& f) {
             EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.file("ro")), {}), 0);
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const std::string reason = r.writer == Writer::Anyone ? "" : testing_users::cannot_switch_user();
        if (!reason.empty()) {
            std::cout << "[ SKIPPED  ] " << r.what << ": " << reason << '\n';
            continue;
        }
        TempFolder folder;
        ASSERT_TRUE(folder.ok());
        ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
        const std::string path = r.setup(folder);
        std::optional<int> result;
        if (r.writer == Writer::Nobody) {
            result = testing_users::as_nobody([&] { return static_cast<int>(replace_file(path, "new")); });
        } else {
            result = static_cast<int>(replace_file(path, "new"));
        }
        ASSERT_TRUE(result.has_value());
        EXPECT_EQ(*result, static_cast<int>(r.expected));
        r.check(folder);
    }
}

// Devices and FIFOs are written into, never replaced by a regular file.
TEST(WholeFiles, ReplacingWritesIntoDevicesAndFifos) {
    EXPECT_EQ(replace_file("/dev/full", "program"), ReplaceResult::NotWritten);
    EXPECT_EQ(info_of("/dev/full").type, S_IFCHR);
    EXPECT_EQ(replace_file("/dev/null", "program"), ReplaceResult::Written);
    EXPECT_EQ(info_of("/dev/null").type, S_IFCHR);

    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string fifo = folder.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = get_bytes(fifo); });
    const std::string program(100000, '\xA9');  // more than a pipe holds at once
    EXPECT_EQ(replace_file(fifo, program), ReplaceResult::Written);
    reader.join();
    EXPECT_EQ(received, program);
    EXPECT_EQ(info_of(fifo).type, S_IFIFO);
    EXPECT_EQ(folder.entries(), (Names{"pipe"}));
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
