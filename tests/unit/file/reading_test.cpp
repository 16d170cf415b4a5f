// Reading: lines with every kind of ending, the end-of-file test and its put-back, signed bytes,
// little-endian numbers, blocks, and what a handle that is not open gives.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "runtime/file/file.h"
#include "tests/unit/file/temp_folder.h"

namespace tarvok {
namespace {

using testing_files::get_bytes;
using testing_files::put_bytes;
using testing_files::TempFolder;

// Reads the file the way the program's readers do: at_end_of_file before each read_line.
std::vector<std::string> read_all_lines(const std::string& path) {
    std::vector<std::string> lines;
    FileHandle file = open_for_reading(path);
    if (!file) return {"<not open>"};
    while (!at_end_of_file(file)) {
        lines.push_back(read_line(file));
        if (lines.size() > 100) break;  // a reader that never ends is a failure, not a hang
    }
    return lines;
}

TEST(FileReading, LinesEndAtCrLfCrLfAndNul) {
    struct Row { std::string bytes; std::vector<std::string> lines; };
    const std::vector<Row> rows = {
        {std::string("a\r\nb\rc\nd"), {"a", "b", "c", "d"}},
        {"", {}},
        {"a", {"a"}},
        {"a\r", {"a"}},                 // CR as the very last byte ends the last line
        {"a\n", {"a"}},
        {"a\r\n", {"a"}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {"\r\r\n", {"", ""}},           // the second CR is put back and starts the next line
        {"\n\r", {"", ""}},
        {"\n\r\nb", {"", "", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {std::string("a\0b", 3), {"a", "b"}},
        {std::string("a\r\0b", 4), {"a", "", "b"}},  // a NUL after a CR is put back, then ends a line
        {std::string("\0", 1), {""}},
        {"lda #$10\r\nrts\r\n", {"lda #$10", "rts"}},
        {"\xC4\xFF\r\n\x80", {"\xC4\xFF", "\x80"}},
        {"a\n\rb", {"a", "", "b"}},
    };
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    int n = 0;
    for (const Row& r : rows) {
        const std::string path = folder.file("lines" + std::to_string(n++));
        put_bytes(path, r.bytes);
        EXPECT_EQ(read_all_lines(path), r.lines) << "row " << n - 1;
    }
}

TEST(FileReading, LineWithinALengthReadsNoFurtherThanOneByteBeyondIt) {
    struct Row {
        std::string bytes;
        std::size_t max;
        std::optional<std::string> line;
        int next;  // the byte read after it, -1 at the end
    };
    const std::vector<Row> rows = {
        {"abc\r\nX", 3, "abc", 'X'},
        {"abc", 3, "abc", -1},
        {std::string("ab\0c", 4), 3, "ab", 'c'},
        {"abcd\r\n", 3, std::nullopt, '\r'},
        {"ab", 0, std::nullopt, 'b'},
        {"\n", 0, "", -1},
        {"", 5, "", -1},
    };
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    int n = 0;
    for (const Row& r : rows) {
        const std::string path = folder.file("within" + std::to_string(n++));
        put_bytes(path, r.bytes);
        FileHandle file = open_for_reading(path);
        ASSERT_TRUE(file);
        EXPECT_EQ(read_line_within(file, r.max), r.line) << "row " << n - 1;
        EXPECT_EQ(file.next_byte(), r.next) << "row " << n - 1;
    }
}

TEST(FileReading, ReadLineAtTheEndGivesEmptyLines) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    put_bytes(folder.file("x"), "last");
    FileHandle file = open_for_reading(folder.file("x"));
    ASSERT_TRUE(file);
    EXPECT_EQ(read_line(file), "last");
    EXPECT_EQ(read_line(file), "");
    EXPECT_EQ(read_line(file), "");
    EXPECT_TRUE(at_end_of_file(file));
}

TEST(FileReading, AtEndOfFileDoesNotConsume) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    put_bytes(folder.file("empty"), "");
    put_bytes(folder.file("xy"), "xy");

    FileHandle empty = open_for_reading(folder.file("empty"));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(at_end_of_file(empty));
    EXPECT_EQ(read_line(empty), "");

    FileHandle file = open_for_reading(folder.file("xy"));
    ASSERT_TRUE(file);
    EXPECT_FALSE(at_end_of_file(file));
    EXPECT_FALSE(at_end_of_file(file));
    EXPECT_EQ(read_byte(file), 'x');
    EXPECT_FALSE(at_end_of_file(file));
    EXPECT_EQ(read_byte(file), 'y');
    EXPECT_TRUE(at_end_of_file(file));
    EXPECT_TRUE(at_end_of_file(file));
}

TEST(FileReading, SignedBytes) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    put_bytes(folder.file("b"), std::string("\x00\x01\x7F\x80\xFE\xFF", 6));
    FileHandle file = open_for_reading(folder.file("b"));
    ASSERT_TRUE(file);
    const int32_t expected[] = {0, 1, 127, -128, -2, -1};
    for (int32_t value : expected) EXPECT_EQ(read_byte(file), value);
    EXPECT_TRUE(at_end_of_file(file));
    EXPECT_EQ(read_byte(file), 0);  // nothing left
}

TEST(FileReading, LittleEndianInt32) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    put_bytes(folder.file("n"), std::string("\x78\x56\x34\x12\xFF\xFF\xFF\xFF\x00\x00\x00\x80\x01\x02\x03", 15));
    FileHandle file = open_for_reading(folder.file("n"));
    ASSERT_TRUE(file);
    EXPECT_EQ(read_int32(file), 0x12345678);
    EXPECT_EQ(read_int32(file), -1);
    EXPECT_EQ(read_int32(file), -2147483647 - 1);
    EXPECT_EQ(read_int32(file), 0);  // only three bytes left
    EXPECT_EQ(read_int32(file), 0);
}

TEST(FileReading, Int32AfterAPutBackByte) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    put_bytes(folder.file("n"), std::string("\x01\x02\x00\x00", 4));
    FileHandle file = open_for_reading(folder.file("n"));
    ASSERT_TRUE(file);
    ASSERT_FALSE(at_end_of_file(file));  // holds the first byte back
    EXPECT_EQ(read_int32(file), 0x0201);
}

TEST(FileReading, Blocks) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    put_bytes(folder.file("blk"), "0123456789");
    FileHandle file = open_for_reading(folder.file("blk"));
    ASSERT_TRUE(file);
    char buffer[16] = {};
    EXPECT_EQ(read_block(file, buffer, 0), 0);
    EXPECT_EQ(read_block(file, buffer, -4), 0);
    ASSERT_FALSE(at_end_of_file(file));
    EXPECT_EQ(read_block(file, buffer, 4), 4);
    EXPECT_EQ(std::string(buffer, 4), "0123");
    EXPECT_EQ(read_block(file, buffer, 16), 6);
    EXPECT_EQ(std::string(buffer, 6), "456789");
    EXPECT_EQ(read_block(file, buffer, 16), 0);
}

TEST(FileReading, SizeOfFile) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    put_bytes(folder.file("s"), std::string(1234, 'z'));
    FileHandle file = open_for_reading(folder.file("s"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file_size(file), 1234);
    read_line(file);
    EXPECT_EQ(file_size(file), 1234);  // the position does not matter
}

TEST(FileReading, OpenFailures) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    put_bytes(folder.file("real"), "x");
    EXPECT_FALSE(open_for_reading(folder.file("missing")).is_open());
    EXPECT_FALSE(open_for_reading(folder.path()).is_open());  // a folder is not a file
    EXPECT_FALSE(open_for_reading("").is_open());
    EXPECT_FALSE(open_for_reading(folder.file("real") + std::string(1, '\0') + "x").is_open());
    EXPECT_TRUE(open_for_reading(folder.file("real")).is_open());
    EXPECT_FALSE(create_for_writing(folder.file("missing/inner")).is_open());
    EXPECT_FALSE(create_for_writing(folder.path()).is_open());
    EXPECT_FALSE(open_for_update(folder.file("real/inner")).is_open());  // its folder is a file
    EXPECT_EQ(get_bytes(folder.file("real")), "x");
}

// Reading takes regular files only, and never waits in opening one: a FIFO without a writer, a
// device, a socket and a folder are refused at once, as a file that cannot be opened.
TEST(FileReading, OnlyRegularFilesAreReadAndOpeningNeverWaits) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    put_bytes(folder.file("real"), "x");
    testing_files::Fifo fifo(folder.file("fifo"));
    ASSERT_TRUE(fifo.made());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socket_path = folder.file("socket");
    ASSERT_LT(socket_path.size(), sizeof address.sun_path);
    socket_path.copy(address.sun_path, socket_path.size());
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const struct {
        std::string path;
        bool regular;
    } rows[] = {
        {folder.file("real"), true},
        {folder.file("fifo"), false},
        {socket_path, false},
        {"/dev/null", false},
        {folder.path(), false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(open_for_reading(row.path).is_open(), row.regular) << row.path;
        EXPECT_EQ(read_whole_file(row.path).has_value(), row.regular) << row.path;
    }
    EXPECT_FALSE(fifo.released_a_reader()) << "opening the FIFO waited for a writer";
    ::close(server);
}

TEST(FileReading, HandleThatIsNotOpen) {
    FileHandle none;
    char buffer[4] = {};
    EXPECT_FALSE(none.is_open());
    EXPECT_TRUE(at_end_of_file(none));
    EXPECT_EQ(read_line(none), "");
    EXPECT_EQ(read_byte(none), 0);
    EXPECT_EQ(read_int32(none), 0);
    EXPECT_EQ(read_block(none, buffer, 4), 0);
    EXPECT_EQ(file_size(none), 0);
    EXPECT_FALSE(write_text(none, "x"));
    EXPECT_FALSE(write_line(none, ""));
    EXPECT_FALSE(write_byte(none, 1));
    EXPECT_FALSE(write_int32(none, 1));
    close_file(none);
    close_file(none);
    EXPECT_FALSE(none.is_open());
}

}  // namespace
}  // namespace tarvok
