// Writing: exact bytes of every write, truncation and update modes, switching between reading and
// writing on one handle, failures that must be reported, and closing.
#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "runtime/file/file.h"
#include "tests/unit/file/temp_folder.h"

namespace tarvok {
namespace {

using testing_files::get_bytes;
using testing_files::put_bytes;
using testing_files::TempFolder;

TEST(FileWriting, ExactBytesOfEachWrite) {
    struct Row { const char* what; void (*write)(FileHandle&); std::string bytes; };
    const Row rows[] = {
        {"empty line", [](FileHandle& f) { EXPECT_TRUE(write_line(f, "")); }, "\r\n"},
        {"line", [](FileHandle& f) { EXPECT_TRUE(write_line(f, "rts")); }, "rts\r\n"},
        {"empty text", [](FileHandle& f) { EXPECT_TRUE(write_text(f, "")); }, ""},
        {"text", [](FileHandle& f) { EXPECT_TRUE(write_text(f, "a\nb")); }, "a\nb"},
        {"text with NUL", [](FileHandle& f) { EXPECT_TRUE(write_text(f, std::string("a\0b", 3))); },
         std::string("a\0b", 3)},
        {"byte low bits", [](FileHandle& f) { EXPECT_TRUE(write_byte(f, 0x141)); }, "A"},
        {"byte -1", [](FileHandle& f) { EXPECT_TRUE(write_byte(f, -1)); }, "\xFF"},
        {"byte 0", [](FileHandle& f) { EXPECT_TRUE(write_byte(f, 0)); }, std::string(1, '\0')},
        {"int32", [](FileHandle& f) { EXPECT_TRUE(write_int32(f, 0x12345678)); }, "\x78\x56\x34\x12"},
        {"int32 -2", [](FileHandle& f) { EXPECT_TRUE(write_int32(f, -2)); }, "\xFE\xFF\xFF\xFF"},
        {"load address", [](FileHandle& f) { write_byte(f, 0x01); write_byte(f, 0x08); }, "\x01\x08"},
    };
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    for (const Row& r : rows) {
        const std::string path = folder.file("out");
        {
            FileHandle file = create_for_writing(path);
            ASSERT_TRUE(file) << r.what;
            r.write(file);
            EXPECT_TRUE(close_file(file)) << r.what;
        }
        EXPECT_EQ(get_bytes(path), r.bytes) << r.what;
    }
}

TEST(FileWriting, WrittenValuesReadBack) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const std::string path = folder.file("round");
    {
        FileHandle file = create_for_writing(path);
        ASSERT_TRUE(file);
        const int32_t values[] = {0, 1, -1, 65535, -2147483647 - 1, 2147483647};
        for (int32_t v : values) write_int32(file, v);
        write_line(file, "*=$1000");
        write_byte(file, 200);
    }  // closed by the handle going out of scope
    FileHandle file = open_for_reading(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(file_size(file), 6 * 4 + 9 + 1);
    const int32_t values[] = {0, 1, -1, 65535, -2147483647 - 1, 2147483647};
    for (int32_t v : values) EXPECT_EQ(read_int32(file), v);
    EXPECT_EQ(read_line(file), "*=$1000");
    EXPECT_EQ(read_byte(file), 200 - 256);
    EXPECT_TRUE(at_end_of_file(file));
}

TEST(FileWriting, CreateTruncatesAnExistingFile) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    put_bytes(folder.file("t"), "old contents");
    FileHandle file = create_for_writing(folder.file("t"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file_size(file), 0);
    write_text(file, "new");
    EXPECT_TRUE(close_file(file));
    EXPECT_EQ(get_bytes(folder.file("t")), "new");
}

TEST(FileWriting, UpdateCreatesWhenMissingAndKeepsContents) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    {
        FileHandle file = open_for_update(folder.file("settings"));
        ASSERT_TRUE(file);
        EXPECT_EQ(file_size(file), 0);
        EXPECT_TRUE(at_end_of_file(file));
        EXPECT_TRUE(write_int32(file, 7));
    }
    EXPECT_EQ(get_bytes(folder.file("settings")), std::string("\x07\x00\x00\x00", 4));

    put_bytes(folder.file("u"), "abcd");
    FileHandle file = open_for_update(folder.file("u"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file_size(file), 4);
    EXPECT_TRUE(write_text(file, "XY"));  // from position 0, nothing truncated
    EXPECT_EQ(file_size(file), 4);
    EXPECT_TRUE(close_file(file));
    EXPECT_EQ(get_bytes(folder.file("u")), "XYcd");
}

TEST(FileWriting, UpdateSwitchesBetweenReadingAndWriting) {
    struct Row { const char* what; const char* initial; void (*steps)(FileHandle&); const char* result; };
    const Row rows[] = {
        // at_end_of_file holds a byte back: the write goes where that byte was.
        {"peek then write", "abcd", [](FileHandle& f) { EXPECT_FALSE(at_end_of_file(f)); write_text(f, "Z"); }, "Zbcd"},
        {"read then write", "abcd", [](FileHandle& f) { EXPECT_EQ(read_byte(f), 'a'); write_text(f, "Z"); }, "aZcd"},
        {"write then read", "abcd",
         [](FileHandle& f) { write_text(f, "Q"); EXPECT_EQ(read_byte(f), 'b'); write_text(f, "R"); }, "QbRd"},
        // read_line looks one byte past a CR and puts it back when it is not LF.
        {"line then write", "ab\rcd", [](FileHandle& f) { EXPECT_EQ(read_line(f), "ab"); write_text(f, "!"); }, "ab\r!d"},
        {"read to end then append", "abcd",
         [](FileHandle& f) { while (!at_end_of_file(f)) read_byte(f); write_text(f, "+"); }, "abcd+"},
    };
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    for (const Row& r : rows) {
        put_bytes(folder.file("rw"), r.initial);
        {
            FileHandle file = open_for_update(folder.file("rw"));
            ASSERT_TRUE(file) << r.what;
            r.steps(file);
            EXPECT_TRUE(close_file(file)) << r.what;
        }
        EXPECT_EQ(get_bytes(folder.file("rw")), r.result) << r.what;
    }
}

TEST(FileWriting, FullDeviceReportsFailure) {
    if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full on this machine";
    {
        // A short write fits the buffer; the failure shows when the file is closed.
        FileHandle file = create_for_writing("/dev/full");
        ASSERT_TRUE(file);
        write_line(file, "lda #$00");
        EXPECT_FALSE(close_file(file));
    }
    {
        // A long write fails at once and the handle remembers it.
        FileHandle file = create_for_writing("/dev/full");
        ASSERT_TRUE(file);
        EXPECT_FALSE(write_text(file, std::string(1 << 20, 'x')));
        EXPECT_FALSE(close_file(file));
    }
}

TEST(FileWriting, MovedHandleOwnsTheFile) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    FileHandle outer;
    {
        FileHandle inner = create_for_writing(folder.file("m"));
        ASSERT_TRUE(inner);
        write_text(inner, "kept");
        outer = std::move(inner);
        EXPECT_FALSE(inner.is_open());  // NOLINT(bugprone-use-after-move): moved-from state is defined
    }
    ASSERT_TRUE(outer.is_open());
    EXPECT_TRUE(write_text(outer, "!"));
    EXPECT_TRUE(close_file(outer));
    EXPECT_FALSE(outer.is_open());
    EXPECT_EQ(get_bytes(folder.file("m")), "kept!");
}

TEST(FileWriting, DeleteAndExists) {
    TempFolder folder;
    ASSERT_TRUE(folder.ok());
    put_bytes(folder.file("tempinc.txt"), "x");
    EXPECT_TRUE(file_exists(folder.file("tempinc.txt")));
    delete_file(folder.file("tempinc.txt"));
    EXPECT_FALSE(file_exists(folder.file("tempinc.txt")));
    delete_file(folder.file("tempinc.txt"));  // silent when missing
    delete_file("");
    EXPECT_TRUE(file_exists(folder.path()));
    delete_file(folder.path());  // folders are not deleted
    EXPECT_TRUE(file_exists(folder.path()));
}

}  // namespace
}  // namespace tarvok
