#pragma once
// The help window (window 2) and the C64 memory map window (window 1), each showing a plain text
// file from the current directory.

#include "assembler/source_document.h"

namespace tarvok {

// Menu item "Help": opens the help window and loads "Tarvokhelp.txt" into it.
void show_help(SourceDocument& doc);
// Menu item "C64 Memory Map": opens the memory map window and loads "c64map.txt" into it.
void show_memory_map(SourceDocument& doc);

}  // namespace tarvok
