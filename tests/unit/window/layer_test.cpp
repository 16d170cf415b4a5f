// The in-memory layer's own behaviour: an empty event queue does not block, stopping the layer
// empties it, and the details that only this backend can show.
#include <gtest/gtest.h>

#include "runtime/window/headless/layer_state.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"

namespace tarvok {
namespace {

class HeadlessLayer : public ::testing::Test {
protected:
    void SetUp() override {
        int argc = 0;
        ASSERT_TRUE(start_window_layer(argc, nullptr));
    }
    void TearDown() override { stop_window_layer(); }
};

TEST_F(HeadlessLayer, AnEmptyQueueGivesEventNone) {
    post_event(EventControl, 0, 9, EventTypeDoubleClick);
    EXPECT_EQ(wait_event(), EventControl);
    EXPECT_EQ(event_type(), EventTypeDoubleClick);
    EXPECT_EQ(wait_event(), EventNone);
    EXPECT_EQ(event_window(), -1);
    EXPECT_EQ(event_id(), 0);
    EXPECT_EQ(event_type(), EventTypeNone);
    EXPECT_EQ(wait_event(), EventNone) << "and again, without blocking";
}

TEST_F(HeadlessLayer, StoppingEmptiesEverything) {
    const WindowHandle window = open_window(0, 0, 0, 786, 487, "Tarvok", WindowCentreOnScreen);
    create_editor(MainEditorId, 10, 40, 620, 390);
    set_control_text(MainEditorId, "lda #1");
    select_editor_range(0, 1, 0, -1);
    editor_copy();
    create_menu_bar(0, window);
    add_menu_title("File");
    create_popup_menu(0);
    show_popup_menu(0, window);
    post_event(EventMenuCommand, 0, 7);
    script_text_answer("x");
    show_message("Font Error", "Unable To Load Font", ButtonsOk);
    choose_colour();
    script_font_answer("Courier", 10, 0);
    choose_font("Courier", 10, 0);

    stop_window_layer();
    EXPECT_FALSE(inspect_window(0).open);
    EXPECT_EQ(window_handle(), 0u);
    EXPECT_EQ(control_handle(MainEditorId), 0u);
    EXPECT_EQ(editor_text(), "");
    EXPECT_EQ(clipboard_text(), "");
    EXPECT_TRUE(inspect_menu_bar(0).empty());
    EXPECT_TRUE(inspect_popup_menu(0).empty());
    EXPECT_EQ(popup_menus_shown(), 0);
    EXPECT_EQ(posted_events_left(), 0u);
    EXPECT_EQ(scripted_answers_left(), 0u);
    EXPECT_TRUE(message_log().empty());
    EXPECT_TRUE(requester_log().empty());
    EXPECT_EQ(chosen_font_name(), "");
}

TEST_F(HeadlessLayer, NoControlsWithoutACurrentWindow) {
    EXPECT_EQ(create_text_field(2, 0, 0, 10, 10, "x", 0), 0u);
    open_window(4, 0, 0, 100, 100, "Find Text", 0);
    close_window(4);
    EXPECT_EQ(create_button(29, 0, 0, 10, 10, "Find", 0), 0u) << "the current window was closed";
    EXPECT_EQ(inspect_control(29).kind, ControlKind::None);
}

TEST_F(HeadlessLayer, MenusNeedAWindowAndPopupsMustExist) {
    EXPECT_FALSE(create_menu_bar(0, 12345));
    add_menu_title("File");  // no current menu: nothing happens
    const WindowHandle window = open_window(0, 0, 0, 100, 100, "Tarvok", 0);
    EXPECT_TRUE(inspect_menu_bar(0).empty());
    show_popup_menu(3, window);
    EXPECT_EQ(popup_menus_shown(), 0) << "a popup menu that does not exist is not shown";
}

TEST_F(HeadlessLayer, ImagesAreKnownByTheirFirstBytes) {
    struct Row { const char* what; std::string data; bool accepted; };
    const Row rows[] = {
        {"bitmap header", "BM rest", true},
        {"icon-file header", std::string("\0\0\1\0\1\0", 6), true},
        {"XPM text", "/* XPM */\nstatic", true},
        {"cursor-file header", std::string("\0\0\2\0\1\0", 6), false},
        {"too short for a bitmap", "B", false},
        {"too short for an icon", std::string("\0\0\1", 3), false},
        {"lower-case bm", "bm", false},
        {"nothing", "", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(load_image_from_memory(0, row.data.data(), row.data.size()) != 0, row.accepted)
            << row.what;
    }
    EXPECT_EQ(load_image_from_memory(0, nullptr, 10), 0u);
}

TEST_F(HeadlessLayer, ImageButtonsKeepTheirImageAndFontsTheirFace) {
    open_window(0, 0, 0, 786, 487, "Tarvok", 0);
    const ImageHandle icon = load_image_from_memory(0, "BM", 2);
    ASSERT_NE(create_image_button(33, 10, 0, 20, 20, icon), 0u);
    EXPECT_EQ(headless::find_control(33)->image, icon);
    ASSERT_NE(create_label(16, 0, 0, 70, 20, "Code Start", LabelCentred), 0u);
    const FontHandle font = load_font(0, "Courier New", 10, FontBold);
    set_control_font(16, font);
    set_control_font(16, font + 1000);  // not a font: ignored
    EXPECT_EQ(control_font_name(16), "Courier New");
    set_control_font(16, 0);
    EXPECT_EQ(control_font_name(16), "") << "font 0 is the default font again";
}

TEST_F(HeadlessLayer, TheEditorsWindowTextHasCrLfBreaks) {
    open_window(0, 0, 0, 786, 487, "Tarvok", 0);
    create_editor(MainEditorId, 10, 40, 620, 390);
    set_control_text(MainEditorId, "lda #1\nrts\r");
    EXPECT_EQ(get_control_text(MainEditorId), "lda #1\r\nrts\r\n");
}

TEST_F(HeadlessLayer, PasteTakesEveryKindOfLineBreak) {
    open_window(0, 0, 0, 786, 487, "Tarvok", 0);
    create_editor(MainEditorId, 10, 40, 620, 390);
    struct Row { const char* clipboard; const char* text; };
    const Row rows[] = {{"a\r\nb", "a\nb"}, {"a\nb", "a\nb"}, {"a\rb", "a\nb"}, {"a\n\rb", "a\n\nb"}};
    for (const Row& row : rows) {
        set_control_text(MainEditorId, "");
        headless::layer().clipboard = row.clipboard;
        editor_paste();
        EXPECT_EQ(editor_text(), row.text) << "clipboard " << row.clipboard;
    }
}

TEST_F(HeadlessLayer, TheObserverSeesABoxBeforeItIsAnswered) {
    int32_t answer_seen = -5;
    std::size_t logged_before = 99;
    set_message_observer([&](const MessageRecord& record) {
        answer_seen = record.answer;
        logged_before = message_log().size();
    });
    script_message_answer(AnswerYes);
    EXPECT_EQ(show_message("Quit", "Quit?", ButtonsYesNo), AnswerYes);
    EXPECT_EQ(answer_seen, 0) << "no answer yet while the box appears";
    EXPECT_EQ(logged_before, 0u);
    EXPECT_EQ(message_log().at(0).answer, AnswerYes);
}

TEST_F(HeadlessLayer, TheColourRequesterLogsItsAnswer) {
    script_colour_answer(0x00FF00);
    choose_colour();
    choose_colour();
    ASSERT_EQ(requester_log().size(), 2u);
    EXPECT_EQ(requester_log()[0].answer, "65280");
    EXPECT_EQ(requester_log()[1].answer, "") << "cancelled";
}

}  // namespace
}  // namespace tarvok
