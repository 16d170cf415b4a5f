#include "shell/main_window.h"

#include <string_view>

namespace tarvok {

namespace {

enum class Kind { Editor, Field, Button, Label, ListBox, ImageButton, ProgressBar, TabStrip };

struct ControlRow {
    int32_t id;
    Kind kind;
    int32_t x, y, width, height;
    std::string_view text;     // caption or field text
    int32_t flags;
    std::string_view tooltip;  // "" for none
    int32_t icon;              // image buttons: toolbar icon number
};

constexpr std::string_view SymbolValueTip = "Displays The Variable Or Lable`s Value.";
constexpr std::string_view CodeStartTip = "Start Address Of Code In C64 Memory.";
constexpr std::string_view CodeEndTip = "End Address Of Code In C64 Memory.";

// The controls of the main window in the order they are created.
constexpr ControlRow main_controls[] = {
    {SourceEditor, Kind::Editor, 10, 40, 620, 390, "", 0, "Editor Window", 0},
    {CurrentSourceField, Kind::Field, 10, 20, 620, 20, "Current Source", FieldReadOnly,
     "Location Of Current Source file in editor.", 0},
    {RefreshButton, Kind::Button, 630, 30, 150, 30,
     "Refresh Variables/Lables             Code Start", ButtonMultiline,
     "Refresh Variable/Lables List", 0},
    {SymbolValueField, Kind::Field, 630, 200, 150, 20, "", FieldReadOnly, SymbolValueTip, 0},
    {SymbolValueLabel, Kind::Label, 630, 180, 150, 20, "   Variable Or Lable Value",
     LabelCentred | LabelSunkenBorder, SymbolValueTip, 0},
    {SymbolLineLabel, Kind::Label, 630, 220, 70, 20, "Line #", LabelCentred | LabelSunkenBorder,
     "Shows The Line Number Of The Vairable Or Lable.", 0},
    {SymbolLineField, Kind::Field, 630, 240, 70, 20, "", FieldReadOnly,
     "Shows The Line Number Of The Variable Or Lable.", 0},
    {SymbolList, Kind::ListBox, 630, 80, 150, 90, "", 0,
     "Click on Variable/lable Once For It`s Value,Twice To Goto It.", 0},
    {NumConvertButton, Kind::Button, 630, 260, 70, 20, "Num Convert", ButtonDefault,
     "Convert Decimal To Hex,Hex To Decimal,Binary To Hex", 0},
    {NumConvertField, Kind::Field, 630, 280, 70, 20, "Hex-Dec-Hex", 0, "", 0},
    {AsciiValueButton, Kind::Button, 710, 260, 70, 20, "Ascii Value", 0,
     "Show ASCII Value Of Character Entered", 0},
    {AsciiValueField, Kind::Field, 710, 280, 70, 20, "A=41", 0, "", 0},
    {ScreenCodeButton, Kind::Button, 710, 220, 70, 20, "Screen code", 0,
     "Show Screen Display Code For Char Entered", 0},
    {ScreenCodeField, Kind::Field, 710, 240, 70, 20, "A=1", 0, "", 0},
    {CodeStartLabel, Kind::Label, 630, 300, 70, 20, "Code Start", LabelCentred, "", 0},
    {CodeEndLabel, Kind::Label, 710, 300, 70, 20, "Code End", LabelCentred, "", 0},
    {CodeStartDecimal, Kind::Field, 630, 320, 70, 20, "4096", FieldReadOnly, CodeStartTip, 0},
    {CodeEndDecimal, Kind::Field, 710, 320, 70, 20, "4096", FieldReadOnly, CodeEndTip, 0},
    {CodeStartHex, Kind::Field, 630, 340, 70, 20, "$1000", FieldReadOnly, CodeStartTip, 0},
    {CodeEndHex, Kind::Field, 710, 340, 70, 20, "$1000", FieldReadOnly, CodeEndTip, 0},
    {NewSourceButton, Kind::ImageButton, 10, 0, 20, 20, "", 0, "New Source", 0},
    {LoadSourceButton, Kind::ImageButton, 30, 0, 20, 20, "", 0, "Open/Load Source", 1},
    {SaveSourceButton, Kind::ImageButton, 50, 0, 20, 20, "", 0, "Save Current Source", 2},
    {UndoButton, Kind::ImageButton, 100, 0, 20, 20, "", 0, "Undo", 3},
    {RedoButton, Kind::ImageButton, 120, 0, 20, 20, "", 0, "Redo", 4},
    {CutButton, Kind::ImageButton, 150, 0, 20, 20, "", 0, "Cut Selected Text", 5},
    {CopyButton, Kind::ImageButton, 170, 0, 20, 20, "", 0, "Copy Selected Text", 6},
    {PasteButton, Kind::ImageButton, 190, 0, 20, 20, "", 0, "Paste Clipboard Text", 7},
    {TextColourButton, Kind::ImageButton, 210, 0, 20, 20, "", 0, "Select Text Colour", 8},
    {BackgroundColourButton, Kind::ImageButton, 230, 0, 20, 20, "", 0,
     "Select Background Colour", 9},
    {AssemblePrgButton, Kind::ImageButton, 260, 0, 20, 20, "", 0, "Assemble To PRG File", 10},
    {AssembleP00Button, Kind::ImageButton, 280, 0, 20, 20, "", 0, "Assemble To P00 File", 11},
    {ProgressBar, Kind::ProgressBar, 10, 440, 620, 20, "", 0, "Assembly Progress", 0},
    {FindButton, Kind::ImageButton, 80, 0, 20, 20, "", 0, "Find Text", 12},
    {SymbolTabs, Kind::TabStrip, 630, 60, 130, 20, "", 0, "", 0},
};

constexpr int32_t ProgressMinimum = 0;
constexpr int32_t ProgressMaximum = 20;

void create_control(const ControlRow& row, const ToolbarIcons& icons) {
    switch (row.kind) {
        case Kind::Editor:
            create_editor(row.id, row.x, row.y, row.width, row.height);
            break;
        case Kind::Field:
            create_text_field(row.id, row.x, row.y, row.width, row.height, row.text, row.flags);
            break;
        case Kind::Button:
            create_button(row.id, row.x, row.y, row.width, row.height, row.text, row.flags);
            break;
        case Kind::Label:
            create_label(row.id, row.x, row.y, row.width, row.height, row.text, row.flags);
            break;
        case Kind::ListBox:
            create_list_box(row.id, row.x, row.y, row.width, row.height);
            break;
        case Kind::ImageButton:
            create_image_button(row.id, row.x, row.y, row.width, row.height, icons[row.icon]);
            break;
        case Kind::ProgressBar:
            create_progress_bar(row.id, row.x, row.y, row.width, row.height, ProgressMinimum,
                                ProgressMaximum);
            break;
        case Kind::TabStrip:
            create_tab_strip(row.id, row.x, row.y, row.width, row.height);
            add_item(row.id, -1, "Variables");
            add_item(row.id, -1, "Lables");
            end_tab_pages();
            break;
    }
    if (!row.tooltip.empty()) {
        set_tooltip(row.id, row.tooltip);
    }
}

void build_menu_bar() {
    if (!create_menu_bar(MainMenuBar, window_handle())) {
        return;
    }
    add_menu_title("File");
    add_menu_item(MenuNewSource, "New Source ");
    add_menu_separator();
    add_menu_item(MenuLoadSource, "Load Source");
    add_menu_item(MenuMergeSource, "Merge Source File");
    add_menu_item(MenuMergePrg, "Merge Prg Into Source");
    add_menu_item(MenuMergeBinary, "Merge Binary Into Source");
    add_menu_separator();
    add_menu_item(MenuSaveSource, "Save Source");
    add_menu_item(MenuSaveSelection, "Save Selected Source");
    add_menu_separator();
    add_menu_item(MenuQuit, "Quit Assembler");

    add_menu_title("Edit");
    add_menu_item(MenuUndo, "Undo");
    add_menu_item(MenuRedo, "Redo");
    add_menu_separator();
    add_menu_item(MenuCut, "Cut");
    add_menu_item(MenuCopy, "Copy");
    add_menu_item(MenuPaste, "Paste");
    add_menu_separator();
    add_menu_item(MenuFind, "Find");
    add_menu_separator();
    add_menu_item(MenuSelectAll, "Select All");
    add_menu_separator();
    add_menu_item(MenuTextColour, "Select Text Colour");
    add_menu_item(MenuBackgroundColour, "Select Background Colour");
    add_menu_separator();
    add_menu_item(MenuSelectFont, "Select Font");
    add_menu_separator();

    add_menu_title("Assemble");
    add_menu_item(MenuAssemblePrg, "Assemble To  Prg File");
    add_menu_separator();
    add_menu_item(MenuAssembleP00, "Assemble To P00 File");

    add_menu_title("Help");
    add_menu_item(MenuHelp, "Help");
    add_menu_separator();
    add_menu_item(MenuMemoryMap, "C64 Memory Map");
    add_menu_separator();
    add_menu_item(MenuAbout, "About");
}

}  // namespace

bool build_main_window(const ToolbarIcons& icons) {
    constexpr int32_t frame = WindowCaption | WindowSystemMenu | WindowMinimiseBox |
                              WindowMaximiseBox | WindowCentreOnScreen;
    if (open_window(MainWindow, 0, 0, 786, 487, "Tarvok", frame) == 0) {
        return false;
    }
    build_menu_bar();
    for (const ControlRow& row : main_controls) {
        create_control(row, icons);
    }
    return true;
}

void build_popup_menu(ShellState& state) {
    if (!create_popup_menu(EditorPopupMenu)) {
        state.popup_menu = NoPopupMenu;
        return;
    }
    add_menu_item(PopupUndo, "Undo");
    add_menu_item(PopupRedo, "Redo");
    add_menu_separator();
    add_menu_item(PopupFind, "Find");
    add_menu_separator();
    add_menu_item(PopupCut, "Cut Txt");
    add_menu_item(PopupCopy, "Copy Text");
    add_menu_item(PopupPaste, "Paste Text");
    add_menu_separator();
    add_menu_item(PopupSelectAll, "Select All");
    add_menu_separator();
    add_menu_item(PopupTextColour, "Select Text Colour");
    add_menu_item(PopupBackgroundColour, "Select Background Colour");
    add_menu_separator();
    add_menu_item(PopupMergeSource, "Merge Source File.");
    add_menu_separator();
    add_menu_item(PopupMergePrg, "Merge Prg File.");
    add_menu_separator();
    add_menu_item(PopupMergeBinary, "Merge Binary File.");
    add_menu_separator();
    add_menu_item(PopupSaveSelection, "Save Selected Source");
    add_menu_separator();
    state.popup_menu = EditorPopupMenu;
}

}  // namespace tarvok
