// Message boxes and requesters answered from the script, and the logs of what was shown.
#include "tests/contract/contract_fixture.h"

namespace tarvok::contract {
namespace {

class Requesters : public ContractTest {};

enum class Queued { Nothing, Message, Text, File };

TEST_F(Requesters, MessageBoxAnswerRows) {
    struct Row {
        const char* what;
        int32_t buttons;
        Queued queued;
        int32_t scripted_button;
        int32_t answer;
        std::size_t left;  // answers still queued afterwards
    };
    const Row rows[] = {
        {"an OK box answers OK", ButtonsOk, Queued::Nothing, 0, AnswerOk, 0},
        {"an OK box takes nothing from the script", ButtonsOk, Queued::Message, AnswerYes, AnswerOk, 1},
        {"an OK box leaves another kind of answer queued", ButtonsOk, Queued::Text, 0, AnswerOk, 1},
        {"Yes/No/Cancel with nothing queued is Cancel", ButtonsYesNoCancel, Queued::Nothing, 0,
         AnswerCancel, 0},
        {"Yes/No with nothing queued is No", ButtonsYesNo, Queued::Nothing, 0, AnswerNo, 0},
        {"Yes/No/Cancel answered Yes", ButtonsYesNoCancel, Queued::Message, AnswerYes, AnswerYes, 0},
        {"Yes/No/Cancel answered No", ButtonsYesNoCancel, Queued::Message, AnswerNo, AnswerNo, 0},
        {"Yes/No/Cancel answered Cancel", ButtonsYesNoCancel, Queued::Message, AnswerCancel,
         AnswerCancel, 0},
        {"Yes/No answered Yes", ButtonsYesNo, Queued::Message, AnswerYes, AnswerYes, 0},
        {"Yes/No answered No", ButtonsYesNo, Queued::Message, AnswerNo, AnswerNo, 0},
        {"a text answer is taken and counts as a cancel", ButtonsYesNo, Queued::Text, 0, AnswerNo, 0},
        {"a file answer is taken and counts as a cancel", ButtonsYesNoCancel, Queued::File, 0,
         AnswerCancel, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        clear_script();
        clear_logs();
        switch (row.queued) {
            case Queued::Nothing: break;
            case Queued::Message: script_message_answer(row.scripted_button); break;
            case Queued::Text: script_text_answer("text"); break;
            case Queued::File: script_file_answer("/tmp/a.prg", 0); break;
        }
        EXPECT_EQ(show_message("Question", "Save Changes?", row.buttons), row.answer);
        EXPECT_EQ(scripted_answers_left(), row.left);
        ASSERT_EQ(message_log().size(), 1u);
        EXPECT_EQ(message_log()[0].title, "Question");
        EXPECT_EQ(message_log()[0].text, "Save Changes?");
        EXPECT_EQ(message_log()[0].buttons, row.buttons);
        EXPECT_EQ(message_log()[0].answer, row.answer);
    }
}

TEST_F(Requesters, AnswersAreTakenInOrder) {
    script_text_answer("border");
    script_file_answer("/home/c64/demo.asm", 1);
    script_message_answer(AnswerYes);
    script_colour_answer(0x00FF00);
    EXPECT_EQ(scripted_answers_left(), 4u);
    EXPECT_EQ(ask_text("Name", "Enter a name", ""), "border");
    EXPECT_EQ(choose_open_file("Load Source", "c:", "Text (*.txt)|*.txt", 0), "/home/c64/demo.asm");
    EXPECT_EQ(show_message("Lable Error.", "Lable Error.", ButtonsOk), AnswerOk);
    EXPECT_EQ(show_message("Quit", "Quit?", ButtonsYesNo), AnswerYes);
    EXPECT_EQ(choose_colour(), 0x00FF00);
    EXPECT_EQ(scripted_answers_left(), 0u);
    EXPECT_EQ(message_log().size(), 2u);
    EXPECT_EQ(requester_log().size(), 3u);
}

TEST_F(Requesters, AskText) {
    script_text_answer("ball");
    EXPECT_EQ(ask_text("Find", "Text to find", "lda"), "ball");
    EXPECT_EQ(ask_text("Find", "Text to find", "lda"), "") << "nothing queued is a cancel";
    script_colour_answer(255);
    EXPECT_EQ(ask_text("Find", "Text to find", "lda"), "") << "a colour answer is a cancel";
    EXPECT_EQ(scripted_answers_left(), 0u);
    ASSERT_EQ(requester_log().size(), 3u);
    const RequesterRecord& record = requester_log()[0];
    EXPECT_EQ(record.kind, RequesterKind::AskText);
    EXPECT_EQ(record.title, "Find");
    EXPECT_EQ(record.prompt_or_default, "Text to find");
    EXPECT_EQ(record.default_text, "lda");
    EXPECT_EQ(record.answer, "ball");
    EXPECT_EQ(requester_log()[1].answer, "");
}

TEST_F(Requesters, FileRequestersAndTheChosenFilter) {
    const char* filter = "Text (*.txt)|*.txt| Asm (*.asm)|*.asm| All Files (*.*)|*.*";
    script_file_answer("/home/c64/game.asm", 1);
    EXPECT_EQ(choose_open_file("Load Source", "/home/c64/old.txt", filter, 0), "/home/c64/game.asm");
    EXPECT_EQ(chosen_filter(), 1);
    script_file_answer("/home/c64/game.prg", 2);
    EXPECT_EQ(choose_save_file("Save Prg", "c:", filter, 2), "/home/c64/game.prg");
    EXPECT_EQ(chosen_filter(), 2);
    EXPECT_EQ(choose_save_file("Save Source", "c:", filter, 1), "") << "nothing queued";
    EXPECT_EQ(chosen_filter(), 0) << "a cancelled requester leaves filter 0";
    script_text_answer("/not/a/file/answer");
    EXPECT_EQ(choose_open_file("Load Source", "c:", filter, 0), "");
    EXPECT_EQ(scripted_answers_left(), 0u);

    ASSERT_EQ(requester_log().size(), 4u);
    EXPECT_EQ(requester_log()[0].kind, RequesterKind::OpenFile);
    EXPECT_EQ(requester_log()[0].title, "Load Source");
    EXPECT_EQ(requester_log()[0].prompt_or_default, "/home/c64/old.txt");
    EXPECT_EQ(requester_log()[0].filter, filter);
    EXPECT_EQ(requester_log()[0].filter_index, 0);
    EXPECT_EQ(requester_log()[0].answer, "/home/c64/game.asm");
    EXPECT_EQ(requester_log()[1].kind, RequesterKind::SaveFile);
    EXPECT_EQ(requester_log()[1].filter_index, 2);
    EXPECT_EQ(requester_log()[2].answer, "");
}

TEST_F(Requesters, ColourRequester) {
    script_colour_answer(0x123456);
    EXPECT_EQ(choose_colour(), 0x123456);
    EXPECT_EQ(choose_colour(), NoColour) << "nothing queued is a cancel";
    script_message_answer(AnswerYes);
    EXPECT_EQ(choose_colour(), NoColour) << "a message answer is a cancel";
    EXPECT_EQ(scripted_answers_left(), 0u);
    ASSERT_EQ(requester_log().size(), 3u);
    EXPECT_EQ(requester_log()[0].kind, RequesterKind::Colour);
}

TEST_F(Requesters, FontRequesterKeepsTheLastChosenFont) {
    script_font_answer("Courier New", 12, FontBold | FontUnderline);
    EXPECT_EQ(choose_font("Courier", 10, FontDialogEffects), 1);
    EXPECT_EQ(chosen_font_name(), "Courier New");
    EXPECT_EQ(chosen_font_size(), 12);
    EXPECT_EQ(chosen_font_style(), FontBold | FontUnderline);
    EXPECT_EQ(choose_font("Courier New", 12, FontDialogEffects), 0) << "nothing queued";
    EXPECT_EQ(chosen_font_name(), "Courier New") << "a cancel keeps the last font chosen";
    EXPECT_EQ(chosen_font_size(), 12);
    script_font_answer("Monospace", 9, 0);
    EXPECT_EQ(choose_font("Courier New", 12, FontDialogEffects), 1);
    EXPECT_EQ(chosen_font_name(), "Monospace");
    EXPECT_EQ(chosen_font_size(), 9);
    EXPECT_EQ(chosen_font_style(), 0);
    ASSERT_EQ(requester_log().size(), 3u);
    EXPECT_EQ(requester_log()[0].kind, RequesterKind::Font);
    EXPECT_EQ(requester_log()[0].prompt_or_default, "Courier");
}

TEST_F(Requesters, TheObserverSeesEveryBoxAsItAppears) {
    std::vector<MessageRecord> seen;
    set_message_observer([&seen](const MessageRecord& record) { seen.push_back(record); });
    script_message_answer(AnswerNo);
    show_message("Font Error", "Unable To Load Font", ButtonsOk);
    show_message("Quit", "Save Changes?", ButtonsYesNoCancel);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].title, "Font Error");
    EXPECT_EQ(seen[0].text, "Unable To Load Font");
    EXPECT_EQ(seen[0].buttons, ButtonsOk);
    EXPECT_EQ(seen[1].title, "Quit");
    EXPECT_EQ(seen[1].buttons, ButtonsYesNoCancel);
    EXPECT_EQ(message_log().size(), 2u);
    EXPECT_EQ(message_log()[1].answer, AnswerNo);
    set_message_observer(nullptr);
    show_message("Done", "Done", ButtonsOk);
    EXPECT_EQ(seen.size(), 2u) << "a removed observer is not called";
}

TEST_F(Requesters, MessageBoxesRecordTheLineTheProgramSelected) {
    open_editor("lda #1\nsta $d020\nbad line\nrts\n");
    struct Row {
        const char* what;
        int32_t select_line;   // -2: no selection made before the box
        int32_t colour_line;   // -2: no colouring
        bool set_text;         // set the text as a whole before the box
        bool clear;            // clear the editor before the box
        int32_t recorded;
    };
    const Row rows[] = {
        {"no selection since the text was set", -2, -2, false, false, -1},
        {"the start line of the selection", 2, -2, false, false, 2},
        {"the first line", 0, -2, false, false, 0},
        {"a line past the last is clamped", 9, -2, false, false, 4},
        {"colouring is no selection", 1, 3, false, false, 1},
        {"setting the text forgets the selection", 2, -2, true, false, -1},
        {"clearing forgets the selection", 2, -2, false, true, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(set_control_text(MainEditorId, "lda #1\nsta $d020\nbad line\nrts\n"));
        if (row.select_line != -2) select_editor_range(row.select_line, 1, row.select_line, -1);
        if (row.colour_line != -2) colour_editor_range(row.colour_line, 1, row.colour_line, -1, 255);
        if (row.set_text) {
            ASSERT_TRUE(set_control_text(MainEditorId, "lda #2\nrts"));
        }
        if (row.clear) clear_items(MainEditorId);
        clear_logs();
        show_message("Lable Error.", "Lable Error.", ButtonsOk);
        ASSERT_EQ(message_log().size(), 1u);
        EXPECT_EQ(message_log()[0].selected_line, row.recorded);
    }
}

}  // namespace
}  // namespace tarvok::contract
