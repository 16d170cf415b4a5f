// The help and memory map windows: a fresh window filled from its text file on every command, the
// places the file is looked for, and the requester and error box when it is found nowhere.
#include <filesystem>
#include <string>
#include <vector>

#include "assembler/source_document.h"
#include "shell/control_ids.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

struct TextWindowRow {
    int32_t menu_item;
    int32_t window;
    std::string title;
    int32_t x, y, width, height, flags;
    int32_t editor;
    int32_t editor_width, editor_height;
    std::string file;
    std::string requester_title;
};

void PrintTo(const TextWindowRow& row, std::ostream* out) { *out << row.title; }

std::vector<std::string> editor_lines(int32_t editor) {
    std::vector<std::string> lines;
    for (int32_t i = 0; i < count_items(editor); ++i) {
        lines.push_back(get_item_text(editor, i));
    }
    return lines;
}

class TextWindowTest : public ShellTest, public ::testing::WithParamInterface<TextWindowRow> {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        start();
        state.shipped_folders.clear();  // only what a test puts there
    }
    void open_it() { post_and_run(EventMenuCommand, MainWindow, GetParam().menu_item); }
};

TEST_P(TextWindowTest, ShowsItsFileInAFreshWindowEveryTime) {
    const TextWindowRow& row = GetParam();
    // Every kind of line ending, and a last line without one.
    write_file(row.file, "first\r\nsecond\nthird\rlast");
    open_it();
    add_item(row.editor, -1, "typed by the user");
    open_it();

    const WindowInfo window = inspect_window(row.window);
    ASSERT_TRUE(window.open);
    EXPECT_EQ(window.title, row.title);
    EXPECT_EQ(window.x, row.x);
    EXPECT_EQ(window.y, row.y);
    EXPECT_EQ(window.client_width, row.width);
    EXPECT_EQ(window.client_height, row.height);
    EXPECT_EQ(window.flags, row.flags);
    EXPECT_EQ(controls_of_window(row.window), std::vector<int32_t>{row.editor});
    const ControlInfo editor = inspect_control(row.editor);
    EXPECT_EQ(editor.kind, ControlKind::Editor);
    EXPECT_EQ(editor.x, 10);
    EXPECT_EQ(editor.y, 10);
    EXPECT_EQ(editor.width, row.editor_width);
    EXPECT_EQ(editor.height, row.editor_height);
    EXPECT_EQ(control_font_name(row.editor), "Monospace");
    EXPECT_EQ(editor_lines(row.editor),
              (std::vector<std::string>{"first", "second", "third", "last", ""}));
    EXPECT_EQ(state.source_path, row.file);
    EXPECT_TRUE(message_log().empty());
    EXPECT_TRUE(requester_log().empty());
    EXPECT_TRUE(inspect_window(MainWindow).open);
}

TEST_P(TextWindowTest, LooksInTheCurrentFolderThenBesideTheProgramThenInTheDataFolderThenAsks) {
    const TextWindowRow& row = GetParam();
    for (const char* folder : {"program", "data", "elsewhere"}) {
        std::filesystem::create_directory(path_of(folder));
    }
    state.shipped_folders = {path_of("program"), path_of("data")};
    const std::string chosen = path_of("elsewhere/mine.txt");
    write_file("elsewhere/mine.txt", "chosen copy");
    script_file_answer(chosen);
    // Each step adds a copy of the file to a place searched before the last one that had it.
    const struct {
        std::string add;       // file written before the command, "" none
        std::string text;      // its contents, and so the window's first line
        std::string opened;    // source_path afterwards
    } steps[] = {
        {"", "chosen copy", chosen},
        {"data/" + row.file, "data copy", path_of("data/" + row.file)},
        {"program/" + row.file, "program copy", path_of("program/" + row.file)},
        {row.file, "current copy", row.file},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.opened);
        if (!step.add.empty()) {
            write_file(step.add, step.text);
        }
        open_it();
        EXPECT_EQ(state.source_path, step.opened);
        EXPECT_EQ(get_item_text(row.editor, 0), step.text);
    }
    ASSERT_EQ(requester_log().size(), 1u);
    const RequesterRecord& asked = requester_log()[0];
    EXPECT_EQ(asked.kind, RequesterKind::OpenFile);
    EXPECT_EQ(asked.title, row.requester_title);
    EXPECT_EQ(asked.prompt_or_default, "c:");
    EXPECT_EQ(asked.filter, DefaultFilePattern);
    EXPECT_EQ(asked.filter_index, 0);
    EXPECT_TRUE(message_log().empty());
}

TEST_P(TextWindowTest, AFileFoundNowhereLeavesTheWindowEmptyBehindTheIOError) {
    const TextWindowRow& row = GetParam();
    for (const std::string& answer : {std::string(), path_of("no such file.txt")}) {
        SCOPED_TRACE(answer);
        clear_logs();
        script_file_answer(answer);  // "" is a cancelled requester
        open_it();
        ASSERT_EQ(message_log().size(), 1u);
        EXPECT_EQ(message_log()[0].title, "I/O Error.");
        EXPECT_EQ(message_log()[0].text, "Could Not Open/Find File");
        EXPECT_EQ(requester_log().size(), 1u);
        EXPECT_EQ(state.source_path, answer);
        EXPECT_TRUE(inspect_window(row.window).open);
        EXPECT_EQ(count_items(row.editor), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, TextWindowTest,
    ::testing::Values(
        TextWindowRow{MenuHelp, HelpWindow, "Help", 65, 26, 650, 487,
                      WindowCaption | WindowSystemMenu, HelpEditor, 630, 470, "Tarvokhelp.txt",
                      "Please Find Tarvokhelp.txt File"},
        // Centred on the in-memory layer's 1920 x 1080 screen.
        TextWindowRow{MenuMemoryMap, MemoryMapWindow, "C64 Memory", 672, 314, 575, 451,
                      WindowCaption | WindowSystemMenu | WindowMinimiseBox | WindowMaximiseBox |
                          WindowCentreOnScreen,
                      MemoryMapEditor, 550, 420, "c64map.txt", "Please Find c64Map.txt File"}),
    [](const ::testing::TestParamInfo<TextWindowRow>& info) {
        return info.param.window == HelpWindow ? "Help" : "MemoryMap";
    });

}  // namespace
}  // namespace tarvok::testing
