#pragma once
// The main window: menu bar, image-button toolbar, source editor and side panel, and the editor's
// popup menu.

#include <array>

#include "runtime/window/window.h"
#include "shell/control_ids.h"
#include "shell/shell_state.h"

namespace tarvok {

using ToolbarIcons = std::array<ImageHandle, ToolbarIconCount>;

// Opens window 0 with its menu bar and every control with its tooltip. Without a menu bar the
// window is built without menus; when the window cannot be opened nothing else is created and the
// result is false.
bool build_main_window(const ToolbarIcons& icons);

// Creates the editor's popup menu and records it in the state; without it right-clicks do nothing.
void build_popup_menu(ShellState& state);

}  // namespace tarvok
