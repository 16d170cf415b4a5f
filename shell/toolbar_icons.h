#pragma once
// The image buttons' icons, loaded from the program's own data.

#include "shell/main_window.h"

namespace tarvok {

// Loads icons 0..12 as images 0..12; an icon that cannot be loaded gives handle 0.
ToolbarIcons load_toolbar_icons();

}  // namespace tarvok
