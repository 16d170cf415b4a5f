#pragma once
// The find window and the search and replace it drives.

#include "shell/shell_state.h"

namespace tarvok {

// Opens the find window (window 4) anew.
void open_find_window();
// Searches the editor from find_start for the find window's text, replacing it when asked.
void find_or_replace(ShellState& state);

}  // namespace tarvok
