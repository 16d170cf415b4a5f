// The quit question, asked from the main window's close box and from "Quit Assembler".
#include <string>
#include <vector>

#include "shell/control_ids.h"
#include "tests/unit/shell/main_window_table.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

struct QuitRow {
    const char* name;
    bool empty_editor;
    std::vector<int32_t> answers;  // message box answers, in order; none answers Cancel
    bool quits;
    bool asks_again;  // the "Editor Empty,Nothing To Save" question appears
    bool saves;       // the save command is reached
};

struct QuitCase {
    QuitRow row;
    bool from_close_box;
};

void PrintTo(const QuitCase& c, std::ostream* out) {
    *out << (c.from_close_box ? "close box, " : "menu, ") << c.row.name;
}

class QuitTest : public ShellTest, public ::testing::WithParamInterface<QuitCase> {};

TEST_P(QuitTest, AnswersDecideWhetherTheProgramEnds) {
    const QuitRow& row = GetParam().row;
    start();
    if (row.empty_editor) {
        set_control_text(SourceEditor, "");
        ASSERT_EQ(count_items(SourceEditor), 0);
    }
    const std::string text_before = editor_text();
    for (const int32_t answer : row.answers) {
        script_message_answer(answer);
    }
    script_file_answer(path_of("kept.txt"));  // for the save requester, when one appears
    if (GetParam().from_close_box) {
        post_and_run(EventCloseRequest, MainWindow);
    } else {
        post_and_run(EventMenuCommand, MainWindow, MenuQuit);
    }

    EXPECT_EQ(state.quit_requested, row.quits ? 1 : 0);
    const std::vector<MessageRecord>& log = message_log();
    ASSERT_GE(log.size(), 1u);
    EXPECT_EQ(log[0].title, "Quit Assembler?");
    EXPECT_EQ(log[0].text, "Do You Wish To Save Before Quiting The Assembler ?.");
    EXPECT_EQ(log[0].buttons, ButtonsYesNoCancel);
    std::size_t expected_boxes = 1;
    if (row.asks_again) {
        ASSERT_GE(log.size(), 2u);
        EXPECT_EQ(log[1].title, "Editor Empty,Nothing To Save");
        EXPECT_EQ(log[1].text, "Do You Wish To Quit  ?.");
        EXPECT_EQ(log[1].buttons, ButtonsYesNoCancel);
        ++expected_boxes;
    }
    EXPECT_EQ(log.size(), expected_boxes);
    // Saving asks for the file name with the save requester and writes the text.
    EXPECT_EQ(requester_log().size(), row.saves ? 1u : 0u);
    if (row.saves && !requester_log().empty()) {
        EXPECT_EQ(requester_log()[0].title, "Save Source");
    }
    // The example line and two empty lines: four CR LF records and the zero byte.
    EXPECT_EQ(read_file("kept.txt"),
              row.saves ? std::string(expected::ExampleLine) + "\r\n\r\n\r\n\r\n" + std::string(1, '\0') : "");
    // Nothing closes and nothing changes the text; run_shell closes the windows after the loop.
    EXPECT_TRUE(inspect_window(MainWindow).open);
    EXPECT_EQ(editor_text(), text_before);
}

const QuitRow quit_rows[] = {
    {"NoQuits", false, {AnswerNo}, true, false, false},
    {"CancelKeepsRunning", false, {AnswerCancel}, false, false, false},
    {"UnansweredKeepsRunning", false, {}, false, false, false},
    {"YesWithTextSavesAndKeepsRunning", false, {AnswerYes}, false, false, true},
    {"YesWithEmptyEditorThenYesQuits", true, {AnswerYes, AnswerYes}, true, true, false},
    {"YesWithEmptyEditorThenNoKeepsRunning", true, {AnswerYes, AnswerNo}, false, true, false},
    {"YesWithEmptyEditorThenCancelKeepsRunning", true, {AnswerYes, AnswerCancel}, false, true,
     false},
    {"NoWithEmptyEditorQuits", true, {AnswerNo}, true, false, false},
};

std::vector<QuitCase> quit_cases() {
    std::vector<QuitCase> cases;
    for (const bool close_box : {true, false}) {
        for (const QuitRow& row : quit_rows) {
            cases.push_back({row, close_box});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Rows, QuitTest, ::testing::ValuesIn(quit_cases()),
                         [](const ::testing::TestParamInfo<QuitCase>& info) {
                             return std::string(info.param.from_close_box ? "CloseBox_"
                                                                          : "Menu_") +
                                    info.param.row.name;
                         });

using QuitLoopTest = ShellTest;

TEST_F(QuitLoopTest, LoopEndsRightAfterTheEventThatQuits) {
    start();
    script_message_answer(AnswerCancel);
    script_message_answer(AnswerNo);  // no new source
    script_message_answer(AnswerNo);
    post_event(EventCloseRequest, MainWindow);          // cancelled: keeps running
    post_event(EventControl, MainWindow, NewSourceButton);
    post_event(EventMenuCommand, MainWindow, MenuQuit);  // No: quits
    post_event(EventControl, MainWindow, NewSourceButton);
    run_posted();
    EXPECT_EQ(state.quit_requested, 1);
    EXPECT_EQ(posted_events_left(), 1u);
    EXPECT_EQ(message_texts(),
              (std::vector<std::string>{"Do You Wish To Save Before Quiting The Assembler ?.",
                                        "Do You Want A New Source (Without Saving Current)?.",
                                        "Do You Wish To Save Before Quiting The Assembler ?."}));
}

}  // namespace
}  // namespace tarvok::testing
