// Reading the file requesters' filter lists and default files.
#include <gtest/gtest.h>

#include "runtime/window/qt/file_filter.h"
#include "runtime/window/qt/qt_access.h"

namespace tarvok {
namespace {

TEST(FileFilter, PatternsComeFromEachPair) {
    struct Row {
        const char* filter;
        std::vector<std::pair<std::string, std::vector<std::string>>> expected;
    };
    const Row rows[] = {
        {"Text (*.txt)|*.txt| Asm (*.asm)|*.asm| All Files (*.*)|*.*",
         {{"Text (*.txt)", {"*.txt"}}, {" Asm (*.asm)", {"*.asm"}}, {" All Files (*.*)", {"*"}}}},
        {"PrgFiles (*.*)|*.prg", {{"PrgFiles (*.*)", {"*.prg"}}}},
        {"Sources|*.txt;*.asm|", {{"Sources", {"*.txt", "*.asm"}}}},
        {"Binary|", {}},
        {"Odd|*.bin|Lonely", {{"Odd", {"*.bin"}}}},
        {"Any||Raw|*.raw", {{"Any", {"*"}}, {"Raw", {"*.raw"}}}},
        {"", {}},
    };
    for (const Row& row : rows) {
        std::vector<std::pair<std::string, std::vector<std::string>>> got;
        for (const FileFilter& filter : parse_file_filters(row.filter)) {
            got.emplace_back(filter.description, filter.patterns);
        }
        EXPECT_EQ(got, row.expected) << row.filter;
    }
}

TEST(FileFilter, QtDialogGetsThePairsPatternBehindTheDescription) {
    EXPECT_EQ(qt_file_dialog_filters("PrgFiles (*.*)|*.prg| All Files (*.*)|*.*"),
              (std::vector<std::string>{"PrgFiles (*.*) (*.prg)", "All Files (*.*) (*)"}));
}

TEST(FileFilter, DefaultFileSplitsIntoFolderAndValidName) {
    struct Row {
        const char* default_file;
        const char* folder;
        const char* name;
    };
    const Row rows[] = {
        {"c:", "", ""},
        {"main.asm", "", "main.asm"},
        {"/home/coder/src/main.asm", "/home/coder/src", "main.asm"},
        {"c:\\c64\\game.txt", "c:\\c64", "game.txt"},
        {"/src\\part.txt", "/src", "part.txt"},
        {"/top.txt", "/", "top.txt"},
        {"/src/", "/src", ""},
        {"/src/what?.txt", "/src", ""},
        {"/src/a\"b", "/src", ""},
        {"/src/tab\there", "/src", ""},
        {"/src/x<y>", "/src", ""},
        {"/src/a*b", "/src", ""},
        {"/src/p|q", "/src", ""},
        {"/src/game 1.prg", "/src", "game 1.prg"},
    };
    for (const Row& row : rows) {
        const DefaultFile split = split_default_file(row.default_file);
        EXPECT_EQ(split.folder, row.folder) << row.default_file;
        EXPECT_EQ(split.name, row.name) << row.default_file;
    }
}

}  // namespace
}  // namespace tarvok
