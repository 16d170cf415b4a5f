// The find window and its search and replace: the window as built, the four combinations of its
// two boxes, the end-of-text question, the summary, the two error boxes and the find position
// that carries over between presses and windows.
#include <tuple>
#include <string>
#include <vector>

#include "shell/control_ids.h"
#include "tests/unit/shell/main_window_table.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

using FindWindowTest = ShellTest;

TEST_F(FindWindowTest, EveryWayInOpensItAnewWithItsControls) {
    start();
    const WindowHandle main = window_handle();
    for (const auto& [kind, id] : {std::pair{EventMenuCommand, MenuFind},
                                   std::pair{EventMenuCommand, PopupFind},
                                   std::pair{EventControl, FindButton}}) {
        SCOPED_TRACE(id);
        if (inspect_window(FindWindow).open) {
            // What the last user left in it is gone when it opens again.
            set_control_text(FindSearchField, "lda");
            set_control_text(ReplaceTextField, "ldx");
            set_control_state(ReplaceWithBox, 1);
            set_control_state(AllInstancesBox, 1);
        }
        post_and_run(kind, MainWindow, id);
        const WindowInfo window = inspect_window(FindWindow);
        ASSERT_TRUE(window.open);
        EXPECT_EQ(window.title, "Find Text");
        EXPECT_EQ(window.x, 201);
        EXPECT_EQ(window.y, 261);
        EXPECT_EQ(window.client_width, 314);
        EXPECT_EQ(window.client_height, 102);
        EXPECT_EQ(window.flags, WindowCaption | WindowSystemMenu);
        std::vector<int32_t> ids;
        for (const expected::Control& row : expected::find_window_controls()) {
            const ControlInfo control = inspect_control(row.id);
            EXPECT_EQ(control.kind, row.kind) << row.id;
            EXPECT_EQ(control.window, FindWindow) << row.id;
            EXPECT_EQ(std::tuple(control.x, control.y, control.width, control.height),
                      std::tuple(row.x, row.y, row.width, row.height)) << row.id;
            EXPECT_EQ(control.text, row.text) << row.id;
            EXPECT_EQ(control.tooltip, row.tooltip) << row.id;
            ids.push_back(row.id);
        }
        EXPECT_EQ(controls_of_window(FindWindow), ids);
        EXPECT_EQ(get_control_state(ReplaceWithBox), 0);
        EXPECT_EQ(get_control_state(AllInstancesBox), 0);
        // The find window is the current window until the next main-window event.
        EXPECT_NE(window_handle(), main);
        EXPECT_NE(window_handle(), 0u);
    }
    EXPECT_TRUE(message_log().empty());
}

// ---- Presses of the two buttons -----------------------------------------------------------------

struct Press {
    int32_t button;  // FindStartButton or FindNextButton
    const char* search;
    const char* replacement;
    int32_t replace_box;
    int32_t all_box;
    std::vector<int32_t> answers;  // to the end-of-text question, in order
    // After the press:
    int32_t line;  // line selected, -1 when the selection must not move
    bool window_open;
    int32_t find_start;
    std::vector<std::string> messages;  // "title|text" of each box shown
};

struct FindRow {
    const char* name;
    std::string text;
    std::vector<Press> presses;
    std::string text_after;
    int32_t find_start_before = 0;
};

void PrintTo(const FindRow& row, std::ostream* out) { *out << row.name; }

constexpr int32_t Find = FindStartButton;
constexpr int32_t Next = FindNextButton;
const std::string Question = "End Of Search|End of Text Reached,Start from Top?.";
const std::string NoSearch = "Search Error.|No Search String Entered";
const std::string NoReplacement = "Search Error|No Replace String Entered.";

std::string summary(const std::string& search, const std::string& replacement) {
    return "Search And Replace End|All Instances of `" + search +
           "` In Document have been Found And Replaced with `" + replacement + "`";
}


class FindOrReplaceTest : public ShellTest, public ::testing::WithParamInterface<FindRow> {};

TEST_P(FindOrReplaceTest, ScansLineByLine) {
    const FindRow& row = GetParam();
    start();
    set_control_text(SourceEditor, row.text);
    state.find_start = row.find_start_before;
    for (std::size_t p = 0; p < row.presses.size(); ++p) {
        const Press& press = row.presses[p];
        SCOPED_TRACE("press " + std::to_string(p));
        if (!inspect_window(FindWindow).open) {
            post_and_run(EventMenuCommand, MainWindow, MenuFind);
        }
        set_control_text(FindSearchField, press.search);
        set_control_text(ReplaceTextField, press.replacement);
        set_control_state(ReplaceWithBox, press.replace_box);
        set_control_state(AllInstancesBox, press.all_box);
        for (const int32_t answer : press.answers) {
            script_message_answer(answer);
        }
        set_editor_caret(1, 1);
        clear_logs();
        post_and_run(EventControl, FindWindow, press.button);

        std::vector<std::string> messages;
        for (const MessageRecord& message : message_log()) {
            messages.push_back(message.title + "|" + message.text);
        }
        EXPECT_EQ(messages, press.messages);
        EXPECT_EQ(scripted_answers_left(), 0u);
        if (press.line < 0) {
            EXPECT_EQ(editor_selection().start, 0);
            EXPECT_EQ(editor_selection().end, 0);
        } else {
            EXPECT_EQ(selected_editor_line(), press.line);
            EXPECT_EQ(editor_selection().end - editor_selection().start,
                      static_cast<int32_t>(get_item_text(SourceEditor, press.line).size()) +
                          (press.line > 0 ? 1 : 0))
                << "the whole line from the line break before it";
        }
        EXPECT_EQ(inspect_window(FindWindow).open, press.window_open);
        EXPECT_EQ(state.find_start, press.find_start);
    }
    EXPECT_EQ(editor_text(), row.text_after);
}

constexpr const char* Borders = "lda #1\nsta $d020\nlda #2\nsta $d021\nrts";

INSTANTIATE_TEST_SUITE_P(
    Rows, FindOrReplaceTest,
    ::testing::Values(
        // "Find" closes the window after a hit; "Find Next" in a window opened again carries on
        // after that line and keeps the window open; at the end, Yes starts again at the top.
        FindRow{"FindThenFindNextThenWrap",
                Borders,
                {{Find, "sta", "", 0, 0, {}, 1, false, 2, {}},
                 {Next, "sta", "", 0, 0, {}, 3, true, 4, {}},
                 {Next, "sta", "", 0, 0, {AnswerYes}, 1, true, 2, {Question}}},
                Borders},
        FindRow{"YesTwiceThenNo", Borders,
                {{Next, "jmp", "", 0, 0, {AnswerYes, AnswerYes, AnswerNo}, -1, false, 0,
                  {Question, Question, Question}}},
                Borders},
        FindRow{"TwoHitsInOneLineSelectItOnce", "sta sta\nsta\n",
                {{Next, "sta", "", 0, 0, {}, 0, true, 1, {}},
                 {Next, "sta", "", 0, 0, {}, 1, true, 2, {}}},
                "sta sta\nsta\n"},
        FindRow{"HitOnTheLastLineThenTheQuestion", "a\nb\nc",
                {{Find, "c", "", 0, 0, {}, 2, false, 3, {}},
                 {Next, "c", "", 0, 0, {AnswerNo}, -1, false, 0, {Question}}},
                "a\nb\nc"},
        FindRow{"UpperAndLowerCaseDiffer", "LDA #1\nlda #2",
                {{Find, "lda", "", 0, 0, {}, 1, false, 2, {}},
                 {Next, "LDA", "", 0, 0, {AnswerYes}, 0, true, 1, {Question}}},
                "LDA #1\nlda #2"},
        FindRow{"TextAcrossALineBreakIsNotFound", "lda\n#1",
                {{Find, "a#", "", 0, 0, {AnswerNo}, -1, false, 0, {Question}}}, "lda\n#1"},
        FindRow{"EmptySearchText", Borders,
                {{Find, "", "x", 1, 1, {}, -1, true, 0, {NoSearch}}}, Borders},
        FindRow{"ReplaceWithoutReplacement", Borders,
                {{Find, "sta", "", 1, 0, {}, -1, true, 2, {NoReplacement}}}, Borders},
        // "All Instances" alone still replaces, so the replacement must not be empty.
        FindRow{"AllInstancesWithoutReplacement", Borders,
                {{Find, "sta", "", 0, 1, {}, -1, true, 2, {NoReplacement}}}, Borders},
        // Replace once per press; a replacement holding the search text is not searched again;
        // the end of the text shows the summary, and the next scan starts at the top.
        FindRow{"ReplaceOneLineAtATime", "lda x\nlda y\nlda x",
                {{Find, "x", "xx", 1, 0, {}, 0, false, 1, {}},
                 {Next, "x", "xx", 1, 0, {}, 2, true, 3, {}},
                 {Next, "x", "xx", 1, 0, {}, -1, false, 4, {summary("x", "xx")}},
                 {Next, "x", "xx", 1, 0, {}, 0, true, 1, {}}},
                "lda xxxx\nlda y\nlda xx"},
        FindRow{"ReplaceAllInstances", "x x\ny\nx\n",
                {{Find, "x", "ab", 1, 1, {}, 2, false, 5, {summary("x", "ab")}}},
                "ab ab\ny\nab\n"},
        FindRow{"AllInstancesWithoutReplaceAsksAtTheEnd", "x x\ny\nx",
                {{Next, "x", "x x", 0, 1, {AnswerNo}, 2, false, 0, {Question}}},
                "x x x x\ny\nx x"},
        // Lines were deleted since the last scan: the scan starts beyond the end and does nothing.
        FindRow{"StartBeyondTheEndDoesNothing", "a\nb", {{Next, "a", "", 0, 0, {}, -1, true, 9, {}}},
                "a\nb", 9}),
    [](const ::testing::TestParamInfo<FindRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvok::testing
