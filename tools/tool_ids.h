#pragma once
// The windows and controls the tools fill: the converter fields of the main window's side panel,
// and the help and memory map windows with their editors. The shell's own numbers are in
// shell/control_ids.h, which includes these.

#include <cstdint>

namespace tarvok {

inline constexpr int32_t MemoryMapWindow = 1;  // "C64 Memory"
inline constexpr int32_t HelpWindow = 2;       // "Help"

inline constexpr int32_t NumConvertField = 11;  // input and output of "Num Convert"
inline constexpr int32_t AsciiValueField = 13;  // input and output of "Ascii Value"
inline constexpr int32_t ScreenCodeField = 15;  // input and output of "Screen code"
inline constexpr int32_t MemoryMapEditor = 22;  // the text of the memory map window
inline constexpr int32_t HelpEditor = 23;       // the text of the help window

inline constexpr int32_t ReferenceTextFont = 1;  // the fixed-pitch font of those two editors

}  // namespace tarvok
