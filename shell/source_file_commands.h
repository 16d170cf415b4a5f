#pragma once
// New, load, save and save-selection of the source text, and the quit question.

#include <string_view>

#include "assembler/context.h"
#include "shell/shell_state.h"

namespace tarvok {

void new_source(ShellState& state, AssemblyContext& ctx);
// An empty name asks the user for the file.
void load_source(ShellState& state, AssemblyContext& ctx, std::string_view name);
// An empty name asks the user for the file.
void save_source(ShellState& state, AssemblyContext& ctx, std::string_view name);
// Saves the clipboard text, which the dispatcher has just filled from the editor's selection.
void save_selection(ShellState& state);

// Asks whether to save before quitting; sets quit_requested when the user chooses to quit.
void quit_command(ShellState& state, AssemblyContext& ctx);

}  // namespace tarvok
