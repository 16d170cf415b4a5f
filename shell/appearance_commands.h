#pragma once
// The editor's text colour, background colour and font, chosen by the user and kept in the
// settings file.

#include "shell/shell_state.h"

namespace tarvok {

// Asks for a colour and paints the whole text in it, then saves the settings. A cancelled dialog
// gives -1 ("no colour chosen"), applied and stored like a colour: the editor shows its ordinary
// text colour.
void select_text_colour(ShellState& state);
// Asks for a colour and gives the editor's background it, then saves the settings; -1 as above.
void select_background_colour(ShellState& state);
// Asks for a font, starting from Courier at 10 points. A chosen font that loads becomes the
// editor's and is saved; one that cannot be loaded is reported and nothing is saved. Cancelling
// keeps the editor's font but leaves Courier, 10, plain in the fields, which the next colour
// change saves.
void select_font(ShellState& state);

}  // namespace tarvok
