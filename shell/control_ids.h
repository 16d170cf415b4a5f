#pragma once
// The numbers of the program's windows, the controls of the main window, its menus and menu items.
// Events report these numbers and the shell dispatches on them. Control ids are unique in the whole
// program; the ids the assembler writes to (current source, code fields, progress bar) are in
// assembler/display_ids.h, the windows and fields the tools fill in tools/tool_ids.h.

#include <cstdint>

#include "assembler/display_ids.h"
#include "tools/tool_ids.h"

namespace tarvok {

// ---- Windows ------------------------------------------------------------------------------------
inline constexpr int32_t MainWindow = 0;
inline constexpr int32_t AboutWindow = 3;
inline constexpr int32_t FindWindow = 4;

// ---- Controls of the main window ----------------------------------------------------------------
inline constexpr int32_t SourceEditor = 0;            // the rich-text source editor
inline constexpr int32_t SymbolTabs = 3;              // "Variables" / "Lables"
inline constexpr int32_t RefreshButton = 4;
inline constexpr int32_t SymbolValueField = 5;
inline constexpr int32_t SymbolValueLabel = 6;
inline constexpr int32_t SymbolLineLabel = 7;
inline constexpr int32_t SymbolLineField = 8;
inline constexpr int32_t SymbolList = 9;
inline constexpr int32_t NumConvertButton = 10;
inline constexpr int32_t AsciiValueButton = 12;
inline constexpr int32_t ScreenCodeButton = 14;
inline constexpr int32_t CodeStartLabel = 16;
inline constexpr int32_t CodeEndLabel = 17;
inline constexpr int32_t NewSourceButton = 33;
inline constexpr int32_t LoadSourceButton = 34;
inline constexpr int32_t SaveSourceButton = 35;
inline constexpr int32_t UndoButton = 36;
inline constexpr int32_t RedoButton = 37;
inline constexpr int32_t CutButton = 38;
inline constexpr int32_t CopyButton = 39;
inline constexpr int32_t PasteButton = 40;
inline constexpr int32_t TextColourButton = 41;
inline constexpr int32_t BackgroundColourButton = 42;
inline constexpr int32_t AssemblePrgButton = 43;
inline constexpr int32_t AssembleP00Button = 44;
inline constexpr int32_t FindButton = 46;

// ---- Controls of the other windows that the main loop dispatches on -----------------------------
inline constexpr int32_t FindSearchLabel = 27;   // "Search For:"
inline constexpr int32_t FindSearchField = 28;
inline constexpr int32_t FindStartButton = 29;   // "Find"
inline constexpr int32_t ReplaceWithBox = 30;    // "Replace With"
inline constexpr int32_t ReplaceTextField = 31;
inline constexpr int32_t FindNextButton = 32;    // "Find Next"
inline constexpr int32_t AllInstancesBox = 47;   // "All Instances"

// ---- Menus --------------------------------------------------------------------------------------
inline constexpr int32_t MainMenuBar = 0;    // menu bar of the main window
inline constexpr int32_t EditorPopupMenu = 1;
inline constexpr int32_t NoPopupMenu = -1;

// Main menu items.
inline constexpr int32_t MenuNewSource = 0;
inline constexpr int32_t MenuLoadSource = 1;
inline constexpr int32_t MenuMergeBinary = 2;
inline constexpr int32_t MenuMergePrg = 3;
inline constexpr int32_t MenuMergeSource = 4;
inline constexpr int32_t MenuSaveSource = 5;
inline constexpr int32_t MenuSaveSelection = 6;
inline constexpr int32_t MenuQuit = 7;
inline constexpr int32_t MenuUndo = 8;
inline constexpr int32_t MenuRedo = 9;
inline constexpr int32_t MenuCut = 10;
inline constexpr int32_t MenuCopy = 11;
inline constexpr int32_t MenuPaste = 12;
inline constexpr int32_t MenuFind = 13;
inline constexpr int32_t MenuSelectAll = 14;
inline constexpr int32_t MenuTextColour = 15;
inline constexpr int32_t MenuBackgroundColour = 16;
inline constexpr int32_t MenuSelectFont = 17;
inline constexpr int32_t MenuAssemblePrg = 18;
inline constexpr int32_t MenuAssembleP00 = 19;
inline constexpr int32_t MenuHelp = 21;
inline constexpr int32_t MenuMemoryMap = 22;
inline constexpr int32_t MenuAbout = 23;

// Popup menu items.
inline constexpr int32_t PopupCopy = 100;
inline constexpr int32_t PopupPaste = 101;
inline constexpr int32_t PopupMergeSource = 102;
inline constexpr int32_t PopupCut = 103;
inline constexpr int32_t PopupUndo = 104;
inline constexpr int32_t PopupRedo = 105;
inline constexpr int32_t PopupFind = 106;
inline constexpr int32_t PopupSelectAll = 107;
inline constexpr int32_t PopupBackgroundColour = 108;
inline constexpr int32_t PopupTextColour = 109;
inline constexpr int32_t PopupMergePrg = 110;
inline constexpr int32_t PopupMergeBinary = 111;
inline constexpr int32_t PopupSaveSelection = 112;

// ---- Images and fonts ---------------------------------------------------------------------------
inline constexpr int32_t ToolbarIconCount = 13;  // images 0..12, one per image button
inline constexpr int32_t EditorFont = 0;         // the one loaded editor font

}  // namespace tarvok
