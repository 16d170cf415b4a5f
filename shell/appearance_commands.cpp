#include "shell/appearance_commands.h"

#include "shell/not_available.h"

namespace tarvok {

void select_text_colour(ShellState& /*state*/) {
    show_not_available("Select Text Colour");
}

void select_background_colour(ShellState& /*state*/) {
    show_not_available("Select Background Colour");
}

void select_font(ShellState& /*state*/) {
    show_not_available("Select Font");
}

}  // namespace tarvok
