#pragma once
// The desktop program's state: one instance lives for the whole run and is passed by reference to
// every command of the shell. The colours, requester file names and find position are shared with
// the assembler through SourceDocument.

#include <cstdint>
#include <string>
#include <vector>

#include "assembler/source_document.h"
#include "shell/control_ids.h"
#include "shell/symbol_list_state.h"
#include "tools/shipped_files.h"

namespace tarvok {

struct ShellState : SourceDocument {
    uint8_t quit_requested = 0;  // set by the quit command; the event loop ends after that event
    uint8_t event_handled = 0;   // set by every control handler of the main window
    std::string font_name = "Courier";
    int32_t font_size = 10;      // points
    int32_t font_style = 0;      // FontBold, FontItalic, FontUnderline, FontStrikeout bits
    uint8_t settings_loaded = 0; // the settings file was read at start-up
    uint8_t continue_search = 0; // 0 for the find window's "Find" button, 1 for "Find Next"
    int32_t popup_menu = NoPopupMenu;  // menu number of the editor's popup menu once created
    SymbolListState symbol_list;
    // Where the help text and the memory map are looked for after the current folder.
    std::vector<std::string> shipped_folders = shipped_file_folders();
};

}  // namespace tarvok
