#pragma once
// Hands each event of the event loop to its command, by window number, menu item id and control
// id.

#include <cstdint>

#include "assembler/context.h"
#include "shell/shell_state.h"

namespace tarvok {

// Handles the event that wait_event has just returned (its kind is passed in; window, id and type
// are read from the window layer).
void handle_event(ShellState& state, AssemblyContext& ctx, int32_t kind);

// Runs the command of a menu item of the main menu or of the popup menu; unknown ids do nothing.
void dispatch_menu_command(ShellState& state, AssemblyContext& ctx, int32_t item);

// Runs the command of a control of the main window and sets event_handled; returns false (and
// leaves event_handled alone) for a control that has no command. type is the event's type: the
// tab strip answers mouse clicks only, not a tab chosen with the keyboard.
bool dispatch_control(ShellState& state, AssemblyContext& ctx, int32_t control, int32_t type);

}  // namespace tarvok
