#include "shell/find_replace.h"

#include "shell/not_available.h"

namespace tarvok {

void open_find_window() {
    show_not_available("Find");
}

void find_or_replace(ShellState& /*state*/) {
    show_not_available("Find Text");
}

}  // namespace tarvok
