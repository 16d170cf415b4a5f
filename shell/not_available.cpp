#include "shell/not_available.h"

#include <string>

#include "runtime/window/window.h"

namespace tarvok {

void show_not_available(std::string_view command) {
    std::string text(command);
    text += " is not available yet.";
    show_message("Tarvok", text, ButtonsOk);
}

}  // namespace tarvok
