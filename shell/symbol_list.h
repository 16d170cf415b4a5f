#pragma once
// The symbol list panel: the variables and labels of the last assembly, a clicked symbol's value
// and line, and a jump to a symbol's line.

#include "assembler/context.h"
#include "shell/shell_state.h"

namespace tarvok {

// Refills the list from the selected tab's table; expects ctx.quiet to be 1.
void refresh_symbols(ShellState& state, AssemblyContext& ctx);
// A single click in the list: shows the selected symbol's value and line.
void show_symbol_value(ShellState& state, const AssemblyContext& ctx);
// A double click in the list: brings the selected symbol's line into view.
void goto_symbol(ShellState& state, AssemblyContext& ctx);

}  // namespace tarvok
