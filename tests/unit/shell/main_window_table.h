#pragma once
// What the main window must hold, written out independently of the code that builds it: every
// control in creation order, the menu bar and the popup menu; and the controls of the find
// window. The headless and the Qt tests both check the real windows against these tables.

#include <cstdint>
#include <string_view>
#include <vector>

#include "runtime/window/script.h"
#include "runtime/window/window.h"

namespace tarvok::expected {

struct Control {
    int32_t id;
    ControlKind kind;
    int32_t x, y, width, height;
    std::string_view text;
    int32_t flags;
    std::string_view tooltip;
};

inline const std::vector<Control>& main_window_controls() {
    static const std::vector<Control> rows = {
        {0, ControlKind::Editor, 10, 40, 620, 390, "", 0, "Editor Window"},
        {2, ControlKind::TextField, 10, 20, 620, 20, "Current Source", FieldReadOnly,
         "Location Of Current Source file in editor."},
        {4, ControlKind::Button, 630, 30, 150, 30, "Refresh Variables/Lables             Code Start",
         ButtonMultiline, "Refresh Variable/Lables List"},
        {5, ControlKind::TextField, 630, 200, 150, 20, "", FieldReadOnly,
         "Displays The Variable Or Lable`s Value."},
        {6, ControlKind::Label, 630, 180, 150, 20, "   Variable Or Lable Value",
         LabelCentred | LabelSunkenBorder, "Displays The Variable Or Lable`s Value."},
        {7, ControlKind::Label, 630, 220, 70, 20, "Line #", LabelCentred | LabelSunkenBorder,
         "Shows The Line Number Of The Vairable Or Lable."},
        {8, ControlKind::TextField, 630, 240, 70, 20, "", FieldReadOnly,
         "Shows The Line Number Of The Variable Or Lable."},
        {9, ControlKind::ListBox, 630, 80, 150, 90, "", 0,
         "Click on Variable/lable Once For It`s Value,Twice To Goto It."},
        {10, ControlKind::Button, 630, 260, 70, 20, "Num Convert", ButtonDefault,
         "Convert Decimal To Hex,Hex To Decimal,Binary To Hex"},
        {11, ControlKind::TextField, 630, 280, 70, 20, "Hex-Dec-Hex", 0, ""},
        {12, ControlKind::Button, 710, 260, 70, 20, "Ascii Value", 0,
         "Show ASCII Value Of Character Entered"},
        {13, ControlKind::TextField, 710, 280, 70, 20, "A=41", 0, ""},
        {14, ControlKind::Button, 710, 220, 70, 20, "Screen code", 0,
         "Show Screen Display Code For Char Entered"},
        {15, ControlKind::TextField, 710, 240, 70, 20, "A=1", 0, ""},
        {16, ControlKind::Label, 630, 300, 70, 20, "Code Start", LabelCentred, ""},
        {17, ControlKind::Label, 710, 300, 70, 20, "Code End", LabelCentred, ""},
        {18, ControlKind::TextField, 630, 320, 70, 20, "4096", FieldReadOnly,
         "Start Address Of Code In C64 Memory."},
        {19, ControlKind::TextField, 710, 320, 70, 20, "4096", FieldReadOnly,
         "End Address Of Code In C64 Memory."},
        {20, ControlKind::TextField, 630, 340, 70, 20, "$1000", FieldReadOnly,
         "Start Address Of Code In C64 Memory."},
        {21, ControlKind::TextField, 710, 340, 70, 20, "$1000", FieldReadOnly,
         "End Address Of Code In C64 Memory."},
        {33, ControlKind::ImageButton, 10, 0, 20, 20, "", 0, "New Source"},
        {34, ControlKind::ImageButton, 30, 0, 20, 20, "", 0, "Open/Load Source"},
        {35, ControlKind::ImageButton, 50, 0, 20, 20, "", 0, "Save Current Source"},
        {36, ControlKind::ImageButton, 100, 0, 20, 20, "", 0, "Undo"},
        {37, ControlKind::ImageButton, 120, 0, 20, 20, "", 0, "Redo"},
        {38, ControlKind::ImageButton, 150, 0, 20, 20, "", 0, "Cut Selected Text"},
        {39, ControlKind::ImageButton, 170, 0, 20, 20, "", 0, "Copy Selected Text"},
        {40, ControlKind::ImageButton, 190, 0, 20, 20, "", 0, "Paste Clipboard Text"},
        {41, ControlKind::ImageButton, 210, 0, 20, 20, "", 0, "Select Text Colour"},
        {42, ControlKind::ImageButton, 230, 0, 20, 20, "", 0, "Select Background Colour"},
        {43, ControlKind::ImageButton, 260, 0, 20, 20, "", 0, "Assemble To PRG File"},
        {44, ControlKind::ImageButton, 280, 0, 20, 20, "", 0, "Assemble To P00 File"},
        {45, ControlKind::ProgressBar, 10, 440, 620, 20, "", 0, "Assembly Progress"},
        {46, ControlKind::ImageButton, 80, 0, 20, 20, "", 0, "Find Text"},
        {3, ControlKind::TabStrip, 630, 60, 130, 20, "", 0, ""},
    };
    return rows;
}

// The find window (window 4), in creation order.
inline const std::vector<Control>& find_window_controls() {
    static const std::vector<Control> rows = {
        {27, ControlKind::Label, 40, 10, 60, 20, "Search For:", 0, ""},
        {28, ControlKind::TextField, 100, 10, 190, 20, "", 0, "Text To Search For"},
        {29, ControlKind::Button, 100, 70, 90, 20, "Find", 0, ""},
        {30, ControlKind::CheckBox, 10, 40, 90, 20, "Replace With", 0,
         "Tick This To Replace Seached For Text"},
        {31, ControlKind::TextField, 100, 40, 190, 20, "", 0, "Text to Replace With"},
        {32, ControlKind::Button, 200, 70, 90, 20, "Find Next", 0, ""},
        {47, ControlKind::CheckBox, 10, 70, 80, 20, "All Instances", 0,
         "Will Find And Replace all Instances"},
    };
    return rows;
}

// One menu entry: id -1 is a separator.
struct Item {
    int32_t id;
    std::string_view text;
};

struct Menu {
    std::string_view title;
    std::vector<Item> items;
};

inline const std::vector<Menu>& main_menu_bar() {
    static const std::vector<Menu> menus = {
        {"File",
         {{0, "New Source "}, {-1, ""}, {1, "Load Source"}, {4, "Merge Source File"},
          {3, "Merge Prg Into Source"}, {2, "Merge Binary Into Source"}, {-1, ""},
          {5, "Save Source"}, {6, "Save Selected Source"}, {-1, ""}, {7, "Quit Assembler"}}},
        {"Edit",
         {{8, "Undo"}, {9, "Redo"}, {-1, ""}, {10, "Cut"}, {11, "Copy"}, {12, "Paste"}, {-1, ""},
          {13, "Find"}, {-1, ""}, {14, "Select All"}, {-1, ""}, {15, "Select Text Colour"},
          {16, "Select Background Colour"}, {-1, ""}, {17, "Select Font"}, {-1, ""}}},
        {"Assemble", {{18, "Assemble To  Prg File"}, {-1, ""}, {19, "Assemble To P00 File"}}},
        {"Help", {{21, "Help"}, {-1, ""}, {22, "C64 Memory Map"}, {-1, ""}, {23, "About"}}},
    };
    return menus;
}

inline const std::vector<Item>& popup_menu() {
    static const std::vector<Item> items = {
        {104, "Undo"}, {105, "Redo"}, {-1, ""}, {106, "Find"}, {-1, ""}, {103, "Cut Txt"},
        {100, "Copy Text"}, {101, "Paste Text"}, {-1, ""}, {107, "Select All"}, {-1, ""},
        {109, "Select Text Colour"}, {108, "Select Background Colour"}, {-1, ""},
        {102, "Merge Source File."}, {-1, ""}, {110, "Merge Prg File."}, {-1, ""},
        {111, "Merge Binary File."}, {-1, ""}, {112, "Save Selected Source"}, {-1, ""},
    };
    return items;
}

inline constexpr std::string_view ExampleLine =
    "*=$1000 ;This is An Example Of Setting The Start Address Value";

}  // namespace tarvok::expected
