#pragma once
// The help window (window 2) and the C64 memory map window (window 1), each showing a plain text
// file that ships with the program.

#include <string>
#include <vector>

#include "assembler/source_document.h"

namespace tarvok {

// Menu item "Help": opens the help window afresh and fills it from "Tarvokhelp.txt", looked for
// in the current folder, then in each of shipped_folders, then asked of the user.
void show_help(SourceDocument& doc, const std::vector<std::string>& shipped_folders);
// Menu item "C64 Memory Map": the same for the memory map window and "c64map.txt".
void show_memory_map(SourceDocument& doc, const std::vector<std::string>& shipped_folders);

}  // namespace tarvok
