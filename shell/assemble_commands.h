#pragma once
// The two Assemble commands of the menu and the toolbar.

#include "assembler/context.h"
#include "shell/shell_state.h"

namespace tarvok {

// Assembles the editor's text and saves it as a PRG file.
void assemble_to_prg(ShellState& state, AssemblyContext& ctx);
// Assembles the editor's text and saves it as a P00 file.
void assemble_to_p00(ShellState& state, AssemblyContext& ctx);

}  // namespace tarvok
