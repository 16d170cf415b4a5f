#pragma once
// The window an assembly run writes to, as the command-line assembler sets it up.

namespace tarvok {

// Opens window 0 like the desktop program's main window (786 x 487, "Tarvok") with the controls
// an assembly run uses: the editor (control 0) at 10,40 620 x 390, the "Current Source" field (2),
// the four code start and end fields (18-21) and the progress bar (45, 0..20). The window layer
// must be started. False when the window or the editor cannot be made.
bool open_assembly_window();

}  // namespace tarvok
