#pragma once
// The desktop program's top level: start-up, the event loop and shut-down.

#include "assembler/context.h"
#include "shell/shell_state.h"

namespace tarvok {

// The program's main routine, called once the window layer has started: prepares everything,
// runs the event loop until the user confirms quitting, closes all windows and returns the exit
// code (0; 1 when the main window cannot be opened).
int run_shell();

// Start-up after the window layer has started: icons, clipboard, a fresh assembly context and the
// instruction table, shell state, settings file, main window and its initial contents, popup menu. False when the main window
// could not be opened.
bool start_shell(ShellState& state, AssemblyContext& ctx);

// Waits for events and dispatches them until quit_requested is set at the end of a turn. The
// in-memory window layer reports an empty event queue as EventNone, and since no further input
// can arrive then, that ends the loop as well.
void run_event_loop(ShellState& state, AssemblyContext& ctx);

// Closes every window of the program.
void close_all_windows();

}  // namespace tarvok
