#pragma once
// The about window (window 3): the program's name, its version and who makes it.

#include <cstdint>
#include <string_view>

namespace tarvok {

inline constexpr int32_t AboutNameLabel = 24;
inline constexpr int32_t AboutVersionLabel = 25;
inline constexpr int32_t AboutMakerLabel = 26;

inline constexpr std::string_view AboutNameText = "Tarvok";
inline constexpr std::string_view AboutVersionText = "Version 1.4.3 Beta";
inline constexpr std::string_view AboutMakerText = "Tarvok contributors";

// Opens window 3 with its three centred labels; when the window cannot be opened nothing happens.
// The window has no buttons: the shell closes it on the next close request.
void open_about_window();

}  // namespace tarvok
