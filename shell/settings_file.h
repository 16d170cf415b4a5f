#pragma once
// The settings file "tarc.bin" in the current directory: the editor's font and colours.
//
// Layout, integers 32-bit little-endian: font size, font style, the font name followed by CR LF,
// background colour, text colour.

#include <string_view>

#include "shell/shell_state.h"

namespace tarvok {

inline constexpr std::string_view SettingsFileName = "tarc.bin";

// Reads the settings file into the state at start-up and sets settings_loaded. A missing file
// keeps the defaults. A value that lies beyond the end of the file reads as 0.
void load_settings(ShellState& state);

}  // namespace tarvok
