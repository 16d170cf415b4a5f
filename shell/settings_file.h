#pragma once
// The settings file "tarc.bin" in the current directory: the editor's font and colours.
//
// Layout, integers 32-bit little-endian: font size, font style, the font name followed by CR LF,
// background colour, text colour.

#include <cstddef>
#include <string_view>

#include "shell/shell_state.h"

namespace tarvok {

inline constexpr std::string_view SettingsFileName = "tarc.bin";

// The longest font name the settings file is read with. No font face comes near it; a longer
// name means a damaged file, and the file is not read beyond it.
inline constexpr std::size_t MaxFontNameLength = 255;

// Reads the settings file into the state at start-up and sets settings_loaded. A missing file
// keeps the defaults. A value that lies beyond the end of the file reads as 0. A name that does
// not end within MaxFontNameLength bytes reads as "" (a font that cannot be loaded), and the
// colours behind it, which cannot be found then, keep their defaults.
void load_settings(ShellState& state);

// Writes the settings file from the state. It is replaced whole through a temporary file, so a
// write that fails half way leaves the previous file as it was; a file that cannot be written is
// not reported.
void save_settings(const ShellState& state);

}  // namespace tarvok
