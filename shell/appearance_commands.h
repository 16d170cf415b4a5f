#pragma once
// The editor's text colour, background colour and font, chosen by the user and kept in the
// settings file.

#include "shell/shell_state.h"

namespace tarvok {

void select_text_colour(ShellState& state);
void select_background_colour(ShellState& state);
void select_font(ShellState& state);

}  // namespace tarvok
