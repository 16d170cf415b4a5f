#include "tools/help_windows.h"

#include "runtime/window/window.h"

namespace tarvok {

void show_help(SourceDocument& /*doc*/) {
    show_message("Tarvok", "Help is not available yet.", ButtonsOk);
}

void show_memory_map(SourceDocument& /*doc*/) {
    show_message("Tarvok", "C64 Memory Map is not available yet.", ButtonsOk);
}

}  // namespace tarvok
