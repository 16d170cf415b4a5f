#pragma once
// The desktop program's top level: start-up, the event loop and shut-down.

#include <string_view>

#include "assembler/context.h"
#include "shell/shell_state.h"

namespace tarvok {

// The program's main routine, called once the window layer has started: prepares everything,
// loads start_file when one is named, runs the event loop until the user confirms quitting,
// closes all windows and returns the exit code (0; 1 when the main window cannot be opened).
int run_shell(std::string_view start_file = {});

// Start-up after the window layer has started: icons, clipboard, a fresh assembly context and the
// instruction table, shell state, settings file, main window and its initial contents, popup menu. False when the main window
// could not be opened.
bool start_shell(ShellState& state, AssemblyContext& ctx);

// Loads the file named on the command line as if the user had chosen it in the Load Source
// requester: by its full path, which control 2 then shows.
void load_start_file(ShellState& state, AssemblyContext& ctx, std::string_view name);

// Waits for events and dispatches them until quit_requested is set at the end of a turn. The
// in-memory window layer reports an empty event queue as EventNone, and since no further input
// can arrive then, that ends the loop as well.
void run_event_loop(ShellState& state, AssemblyContext& ctx);

// Closes every window of the program.
void close_all_windows();

}  // namespace tarvok
