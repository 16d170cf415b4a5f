// Texts, states and items of the controls that are not editors.
#include <string>

#include "tests/contract/contract_fixture.h"

namespace tarvok::contract {
namespace {

class Controls : public ContractTest {
protected:
    void SetUp() override {
        ContractTest::SetUp();
        open_test_window(0, "Tarvok");
    }
};

TEST_F(Controls, WindowTextsRoundTrip) {
    struct Row {
        const char* what;
        ControlKind kind;
        const char* initial;
        const char* changed;
    };
    const Row rows[] = {
        {"text field", ControlKind::TextField, "Hex-Dec-Hex", "$10=16"},
        {"read-only text field", ControlKind::TextField, "4096", "$1000"},
        {"push button", ControlKind::Button, "Num Convert", "Find Next"},
        {"label", ControlKind::Label, "   Variable Or Lable Value", "Line #"},
        {"check box", ControlKind::CheckBox, "Replace With", "Match Case"},
        {"Latin-1 bytes stay bytes", ControlKind::TextField, "Lable`s \xE9\xA9", "\xFF\xC0 A=41"},
        {"an empty text", ControlKind::Label, "", ""},
    };
    int32_t id = 60;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ++id;
        switch (row.kind) {
            case ControlKind::TextField:
                ASSERT_NE(create_text_field(id, 0, 0, 70, 20, row.initial, 0), 0u);
                break;
            case ControlKind::Button: ASSERT_NE(create_button(id, 0, 0, 70, 20, row.initial, 0), 0u); break;
            case ControlKind::Label: ASSERT_NE(create_label(id, 0, 0, 70, 20, row.initial, 0), 0u); break;
            default: ASSERT_NE(create_check_box(id, 0, 0, 70, 20, row.initial), 0u); break;
        }
        EXPECT_EQ(get_control_text(id), row.initial);
        EXPECT_EQ(inspect_control(id).kind, row.kind);
        EXPECT_TRUE(set_control_text(id, row.changed));
        EXPECT_EQ(get_control_text(id), row.changed);
        EXPECT_EQ(inspect_control(id).text, row.changed);
    }
}

TEST_F(Controls, WindowTextIsReadUpTo32000Bytes) {
    ASSERT_NE(create_text_field(11, 0, 0, 70, 20, "", 0), 0u);
    const std::string long_text = std::string(31'999, 'a') + "bc" + std::string(8'000, 'd');
    ASSERT_TRUE(set_control_text(11, long_text));
    EXPECT_EQ(get_control_text(11), long_text.substr(0, 32'000));
}

// A field showing a file name gives back the name's bytes, whatever characters they spell in the
// file system's encoding; text set afterwards is Latin-1 again.
TEST_F(Controls, FileNamesInAFieldStayTheirBytes) {
    ASSERT_NE(create_text_field(12, 0, 0, 70, 20, "Current Source", FieldReadOnly), 0u);
    ASSERT_NE(create_button(13, 0, 0, 70, 20, "Find", 0), 0u);
    for (const char* path : {"/home/c64/caf\xC3\xA9/prog.asm", "/tmp/\xE6\x97\xA5.asm", "plain.asm", ""}) {
        EXPECT_TRUE(set_control_file_name(12, path));
        EXPECT_EQ(get_control_text(12), path);
        EXPECT_EQ(inspect_control(12).text, path);
    }
    EXPECT_TRUE(set_control_text(12, "Lable\xE9"));
    EXPECT_EQ(get_control_text(12), "Lable\xE9");
    EXPECT_FALSE(set_control_file_name(13, "x"));
    EXPECT_EQ(get_control_text(13), "Find");
    EXPECT_FALSE(set_control_file_name(99, "x"));
}

TEST_F(Controls, ControlsThatDoNotExist) {
    EXPECT_EQ(control_handle(99), 0u);
    EXPECT_EQ(get_control_text(99), "");
    EXPECT_FALSE(set_control_text(99, "x"));
    EXPECT_FALSE(add_item(99, -1, "x"));
    EXPECT_EQ(count_items(99), 0);
    EXPECT_EQ(get_item_text(99, 0), "");
    EXPECT_EQ(inspect_control(99).kind, ControlKind::None);
}

TEST_F(Controls, ListBoxItemsSelectionAndText) {
    ASSERT_NE(create_list_box(9, 630, 80, 150, 90), 0u);
    EXPECT_EQ(count_items(9), 0);
    EXPECT_EQ(get_control_state(9), -1);
    EXPECT_TRUE(add_item(9, -1, "border"));
    EXPECT_TRUE(add_item(9, -1, "screen"));
    EXPECT_TRUE(add_item(9, 0, "loop"));
    EXPECT_EQ(count_items(9), 3);
    const char* const order[] = {"loop", "border", "screen"};
    for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(get_item_text(9, i), order[i]);
    EXPECT_EQ(get_item_text(9, 3), "");
    EXPECT_EQ(get_item_text(9, -1), "");
    EXPECT_EQ(get_control_state(9), -1) << "adding items selects none";
    EXPECT_EQ(get_control_text(9), "") << "no selected item, no text";

    struct Row { int32_t select; int32_t state; const char* text; };
    const Row rows[] = {{1, 1, "border"}, {2, 2, "screen"}, {0, 0, "loop"}, {-1, -1, ""},
                        {3, -1, ""}, {1, 1, "border"}};
    for (const Row& row : rows) {
        set_control_state(9, row.select);
        EXPECT_EQ(get_control_state(9), row.state) << "select " << row.select;
        EXPECT_EQ(get_control_text(9), row.text) << "select " << row.select;
    }
}

TEST_F(Controls, ListBoxInsertReplaceAndClear) {
    ASSERT_NE(create_list_box(9, 630, 80, 150, 90), 0u);
    for (const char* item : {"a", "b", "c"}) ASSERT_TRUE(add_item(9, -1, item));
    set_control_state(9, 1);
    EXPECT_TRUE(add_item(9, 0, "first"));
    EXPECT_EQ(get_control_state(9), 2) << "the selection stays on its item";
    EXPECT_EQ(get_control_text(9), "b");
    EXPECT_TRUE(add_item(9, 4, "last")) << "a position just past the end appends";
    EXPECT_FALSE(add_item(9, 9, "far")) << "a position beyond the end adds nothing";
    EXPECT_EQ(count_items(9), 5);
    set_item_text(9, 2, "B");
    EXPECT_EQ(get_item_text(9, 2), "B");
    EXPECT_EQ(get_control_text(9), "B");
    EXPECT_EQ(get_item_text(9, 4), "last");
    clear_items(9);
    EXPECT_EQ(count_items(9), 0);
    EXPECT_EQ(get_control_state(9), -1);
    EXPECT_EQ(get_control_text(9), "");
}

TEST_F(Controls, TabStripTabsAndState) {
    ASSERT_NE(create_tab_strip(3, 630, 60, 130, 20), 0u);
    EXPECT_EQ(get_control_state(3), -1) << "no tab, none selected";
    EXPECT_TRUE(add_item(3, -1, "Variables"));
    EXPECT_EQ(get_control_state(3), 0) << "the first tab is selected";
    EXPECT_TRUE(add_item(3, -1, "Lables"));
    end_tab_pages();
    EXPECT_EQ(count_items(3), 2);
    EXPECT_EQ(get_item_text(3, 0), "Variables");
    EXPECT_EQ(get_item_text(3, 1), "Lables");
    EXPECT_EQ(get_control_state(3), 0) << "later tabs do not take the selection";
    struct Row { int32_t select; int32_t state; };
    const Row rows[] = {{1, 1}, {0, 0}, {5, 0}, {-1, 0}, {1, 1}};
    for (const Row& row : rows) {
        set_control_state(3, row.select);
        EXPECT_EQ(get_control_state(3), row.state) << "select tab " << row.select;
    }
}

TEST_F(Controls, ProgressBarPositionStaysInItsRange) {
    ASSERT_NE(create_progress_bar(45, 10, 440, 620, 20, 0, 20), 0u);
    ASSERT_NE(create_progress_bar(46, 10, 460, 620, 20, 5, 10), 0u);
    EXPECT_EQ(get_control_state(45), 0);
    EXPECT_EQ(get_control_state(46), 5) << "a bar starts at its minimum";
    struct Row { int32_t id; int32_t set; int32_t state; };
    const Row rows[] = {{45, 7, 7}, {45, 20, 20}, {45, 25, 20}, {45, -3, 0}, {45, 0, 0},
                        {46, 8, 8}, {46, 2, 5}, {46, 11, 10}};
    for (const Row& row : rows) {
        set_control_state(row.id, row.set);
        EXPECT_EQ(get_control_state(row.id), row.state) << "bar " << row.id << " set " << row.set;
    }
}

TEST_F(Controls, CheckBoxState) {
    ASSERT_NE(create_check_box(30, 10, 50, 100, 20, "Replace With"), 0u);
    EXPECT_EQ(get_control_state(30), 0);
    set_control_state(30, 1);
    EXPECT_EQ(get_control_state(30), 1);
    set_control_state(30, 0);
    EXPECT_EQ(get_control_state(30), 0);
    EXPECT_EQ(get_control_text(30), "Replace With");
}

TEST_F(Controls, PlacementKindWindowAndTooltip) {
    ASSERT_NE(create_button(4, 630, 30, 150, 30, "Refresh", ButtonMultiline), 0u);
    set_tooltip(4, "Refresh Variable/Lables List");
    const ControlInfo info = inspect_control(4);
    EXPECT_EQ(info.kind, ControlKind::Button);
    EXPECT_EQ(info.window, 0);
    EXPECT_EQ(info.x, 630);
    EXPECT_EQ(info.y, 30);
    EXPECT_EQ(info.width, 150);
    EXPECT_EQ(info.height, 30);
    EXPECT_EQ(info.tooltip, "Refresh Variable/Lables List");
    set_tooltip(4, "Another Tip");
    EXPECT_EQ(inspect_control(4).tooltip, "Another Tip") << "the tooltip is replaced";
    ASSERT_NE(create_label(16, 630, 300, 70, 20, "Code Start", LabelCentred), 0u);
    EXPECT_EQ(inspect_control(16).tooltip, "");
}

TEST_F(Controls, FontsOfControls) {
    ASSERT_NE(create_editor(MainEditorId, 10, 40, 620, 390), 0u);
    EXPECT_EQ(control_font_name(MainEditorId), "") << "controls start in the default font";
    const FontHandle font = load_font(1, "Courier", 10, 0);
    ASSERT_NE(font, 0u);
    set_control_font(MainEditorId, font);
    EXPECT_EQ(control_font_name(MainEditorId), "Courier");
}

TEST_F(Controls, FontsThatCannotBeMade) {
    EXPECT_EQ(load_font(1, "", 10, 0), 0u);
    EXPECT_EQ(load_font(1, "Courier", 0, 0), 0u);
    EXPECT_EQ(load_font(1, "Courier", -4, FontBold), 0u);
    EXPECT_EQ(load_font(1, "Courier", MaxFontSize + 1, 0), 0u);
    EXPECT_EQ(load_font(1, "Courier", 0x7FFFFFFF, 0), 0u);
    EXPECT_EQ(load_font(1, std::string("Cour\x01ier\x1F", 9), 10, 0), 0u) << "no face has control characters";
    EXPECT_NE(load_font(1, "Courier", MaxFontSize, 0), 0u);
    EXPECT_NE(load_font(1, "Courier", 12, FontBold | FontItalic), 0u);
}

TEST_F(Controls, ImageButtonsAndImages) {
    // A 1 x 1 BMP (24 bits), a 1 x 1 icon file (32 bits) and a 1 x 1 XPM text.
    const unsigned char bmp[] = {
        'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                    // file header
        40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,      // info header
        4, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 255, 0};                                                      // one red pixel
    const unsigned char ico[] = {
        0, 0, 1, 0, 1, 0,                                                   // icon directory
        1, 1, 0, 0, 1, 0, 32, 0, 48, 0, 0, 0, 22, 0, 0, 0,                  // one entry
        40, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 32, 0, 0, 0, 0, 0,       // info header
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 255, 255,                                                     // one red pixel
        0, 0, 0, 0};                                                        // its mask row
    const char xpm[] =
        "/* XPM */\nstatic const char* dot[] = {\n\"1 1 1 1\",\n\". c #FF0000\",\n\".\"};\n";
    const char garbage[] = "not an image";

    const ImageHandle bmp_image = load_image_from_memory(0, bmp, sizeof bmp);
    const ImageHandle ico_image = load_image_from_memory(1, ico, sizeof ico);
    const ImageHandle xpm_image = load_image_from_memory(2, xpm, sizeof xpm - 1);
    EXPECT_NE(bmp_image, 0u);
    EXPECT_NE(ico_image, 0u);
    EXPECT_NE(xpm_image, 0u);
    EXPECT_EQ(load_image_from_memory(3, garbage, sizeof garbage - 1), 0u);
    EXPECT_EQ(load_image_from_memory(3, garbage, 0), 0u);

    ASSERT_NE(create_image_button(33, 10, 0, 20, 20, ico_image), 0u);
    set_tooltip(33, "New Source");
    EXPECT_EQ(inspect_control(33).kind, ControlKind::ImageButton);
    EXPECT_EQ(inspect_control(33).tooltip, "New Source");
}

}  // namespace
}  // namespace tarvok::contract
