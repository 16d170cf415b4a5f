// Hostile and broken files met by the desktop program's file commands: each is answered with its
// box (or with silence where the program always is silent) and nothing the user has is lost: the
// editor keeps its text unless the command put the file's text in, an earlier file on disk stays
// whole, and the program goes on.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "assembler/source_files.h"
#include "shell/control_ids.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/unprivileged.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

namespace fs = std::filesystem;

const std::string Before = "*=$1000\n nop";  // the editor's text before each command; caret on line 1
const std::string Unchanged = "=";
const std::string TooMuch = std::string(TooMuchTextMessage);
const std::string LoadRefused = "Load Error.|Couldn't open the file!";
const std::string Utf8AndHigh = "; caf\xC3\xA9 \xE2\x82\xAC \x80\xA3\xFF";

std::vector<std::string> boxes() {
    std::vector<std::string> rows;
    for (const MessageRecord& message : message_log()) rows.push_back(message.title + "|" + message.text);
    return rows;
}

enum class Make { Bytes, Folder, Fifo, Missing };

struct HostileRow {
    const char* what;
    int32_t menu;  // the command: Load Source or one of the merges
    Make make;     // what stands under the chosen name
    std::string bytes;
    std::vector<std::string> boxes;
    std::string editor;  // the editor's text afterwards; Unchanged for Before
};

class HostileFiles : public ShellTest {
protected:
    // Gives the file of the row to the command's requester and runs the command.
    void run_row(const HostileRow& row) {
        const std::string path = path_of("chosen");
        std::error_code ignored;
        fs::remove_all(path, ignored);
        if (row.make == Make::Bytes) write_file("chosen", row.bytes);
        if (row.make == Make::Folder) fs::create_directory(path);
        if (row.make == Make::Fifo) ::mkfifo(path.c_str(), 0600);
        ASSERT_TRUE(set_control_text(SourceEditor, Before));
        set_editor_caret(1, 1);
        clear_logs();
        // A PRG merge skips the load address of a file whose name holds "prg" only.
        script_file_answer(row.menu == MenuMergePrg ? path + ".prg" : path);
        if (row.menu == MenuMergePrg && row.make == Make::Bytes) fs::rename(path, path + ".prg");
        post_and_run(EventMenuCommand, MainWindow, row.menu);
    }
};

TEST_F(HostileFiles, AreAnsweredAndTheEditorKeepsItsText) {
    std::string long_line(100'000, 'x');
    long_line.front() = ';';
    const HostileRow rows[] = {
        {"source of more than 1,000,000 bytes", MenuLoadSource, Make::Bytes, std::string(1'000'001, ';'),
         {"Load Error.|" + TooMuch}, Unchanged},
        {"zero byte with text after it", MenuLoadSource, Make::Bytes, std::string("*=$c000\0 lda lost", 17),
         {"Load Warning.|" + std::string(TextAfterZeroMessage)}, "*=$c000"},
        {"zero byte ending a file Tarvok saved", MenuLoadSource, Make::Bytes, std::string("*=$c000\r\n\r\n\0", 12),
         {}, "*=$c000\n\n"},
        {"line of 100,000 characters", MenuLoadSource, Make::Bytes, long_line + "\r\n rts", {}, long_line + "\n rts"},
        {"UTF-8 and bytes 128-255", MenuLoadSource, Make::Bytes, Utf8AndHigh + "\r\n", {}, Utf8AndHigh + "\n"},
        {"a folder", MenuLoadSource, Make::Folder, "", {LoadRefused}, Unchanged},
        {"a FIFO", MenuLoadSource, Make::Fifo, "", {LoadRefused}, Unchanged},
        {"a file gone since it was chosen", MenuLoadSource, Make::Missing, "", {LoadRefused}, Unchanged},
        {"PRG file of 0 bytes", MenuMergePrg, Make::Bytes, "", {}, Unchanged},
        {"PRG file of 1 byte", MenuMergePrg, Make::Bytes, "\x01", {}, Unchanged},
        {"PRG file of 2 bytes", MenuMergePrg, Make::Bytes, "\x01\x08", {}, Unchanged},
        {"merged source in UTF-8 and bytes 128-255", MenuMergeSource, Make::Bytes, Utf8AndHigh, {},
         "*=$1000\n" + Utf8AndHigh + "\n nop"},
        {"merged folder", MenuMergeSource, Make::Folder, "", {"Merge Error.|Couldn't open the file!."}, Unchanged},
        {"merged FIFO", MenuMergeBinary, Make::Fifo, "", {"Merge File Error.|Could Not Open/Find File."}, Unchanged},
        {"binary file too big for the editor", MenuMergeBinary, Make::Bytes, std::string(600'000, '\x01'),
         {"Merge File Error.|" + TooMuch}, Unchanged},
    };
    start();
    for (const HostileRow& row : rows) {
        SCOPED_TRACE(row.what);
        run_row(row);
        EXPECT_EQ(boxes(), row.boxes);
        EXPECT_EQ(editor_text(), row.editor == Unchanged ? Before : row.editor);
    }
}

// Saving where the disk is full: the earlier file stays whole and the user is told.
TEST_F(HostileFiles, AFullDiskKeepsTheEarlierFileAndTellsTheUser) {
    start();
    struct Row {
        const char* what;
        int32_t menu;
        std::string name;  // chosen in the requester, with "All Files" selected
        std::string box;
    };
    const Row rows[] = {
        {"Save Source into /dev/full", MenuSaveSource, "/dev/full", "Save Error.|Couldn't open the file!/dev/full"},
        {"Save Source over an earlier file", MenuSaveSource, path_of("earlier.asm"),
         "Save Error.|Couldn't open the file!" + path_of("earlier.asm")},
        {"Save Selected Source into /dev/full", MenuSaveSelection, "/dev/full",
         "Save File Error.|Could Not Open/Find File."},
        {"Save Selected Source over an earlier file", MenuSaveSelection, path_of("earlier.asm"),
         "Save File Error.|Could Not Open/Find File."},
    };
    const std::string text = std::string(5000, ';') + "\n rts";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        write_file("earlier.asm", "the earlier source");
        ASSERT_TRUE(set_control_text(SourceEditor, text));
        post_and_run(EventMenuCommand, MainWindow, MenuSelectAll);
        clear_logs();
        script_file_answer(row.name, 2);
        {
            testing_files::FileSizeLimit limit(1000);
            ASSERT_TRUE(limit.active());
            post_and_run(EventMenuCommand, MainWindow, row.menu);
        }
        EXPECT_EQ(boxes(), std::vector<std::string>{row.box});
        EXPECT_EQ(read_file("earlier.asm"), "the earlier source");
        EXPECT_EQ(editor_text(), text);
        EXPECT_TRUE(fs::is_character_file("/dev/full"));
    }
}

// As an ordinary user: a file that may not be read, a folder that may not be written, a settings
// file that may not be written. Each ends in its box (or in silence for the settings), the editor
// keeps its text and the program goes on to the next command.
TEST_F(HostileFiles, PermissionsAreAnsweredForAnOrdinaryUser) {
    const std::string reason = testing_users::cannot_switch_user();
    if (!reason.empty()) GTEST_SKIP() << reason;
    start();
    ASSERT_EQ(::chmod(path_of("").c_str(), 0755), 0);
    write_file("secret.asm", " lda #1");
    ASSERT_EQ(::chmod(path_of("secret.asm").c_str(), 0600), 0);
    fs::create_directory(path_of("locked"));
    ASSERT_EQ(::chmod(path_of("locked").c_str(), 0755), 0);
    struct Row {
        const char* what;
        int32_t menu;
        std::string chosen;
        std::string box;
    };
    const Row rows[] = {
        {"unreadable source", MenuLoadSource, path_of("secret.asm"), LoadRefused},
        {"unreadable source merged", MenuMergeSource, path_of("secret.asm"), "Merge Error.|Couldn't open the file!."},
        {"save into a folder without write permission", MenuSaveSource, path_of("locked/new.asm"),
         "Save Error.|Couldn't open the file!" + path_of("locked/new.asm")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(set_control_text(SourceEditor, Before));
        const std::optional<int> answered = testing_users::as_nobody([&] {
            clear_logs();
            script_file_answer(row.chosen, 2);
            post_and_run(EventMenuCommand, MainWindow, row.menu);
            // The next command still runs: the program is alive and the text untouched.
            post_and_run(EventMenuCommand, MainWindow, MenuSelectAll);
            return boxes() == std::vector<std::string>{row.box} && editor_text() == Before ? 0 : 1;
        });
        ASSERT_TRUE(answered.has_value());
        EXPECT_EQ(*answered, 0);
        EXPECT_EQ(fs::exists(path_of("locked/new.asm")), false);
    }

    // A settings file the user may not write: a colour change is shown and kept for the session,
    // without a box (as for any settings file that cannot be written); the file stays as it was.
    write_file("tarc.bin", "the administrator's settings");
    ASSERT_TRUE(set_control_text(SourceEditor, Before));
    const std::optional<int> recoloured = testing_users::as_nobody([&] {
        clear_logs();
        script_colour_answer(0x0000FF);
        post_and_run(EventMenuCommand, MainWindow, MenuTextColour);
        post_and_run(EventMenuCommand, MainWindow, MenuSelectAll);
        return message_log().empty() && editor_text() == Before && editor_colour_at(0) == 0x0000FF ? 0 : 1;
    });
    ASSERT_TRUE(recoloured.has_value());
    EXPECT_EQ(*recoloured, 0);
    EXPECT_EQ(read_file("tarc.bin"), "the administrator's settings");
}

}  // namespace
}  // namespace tarvok::testing
