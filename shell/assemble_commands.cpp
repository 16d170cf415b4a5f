#include "shell/assemble_commands.h"

#include "assembler/driver.h"

namespace tarvok {

void assemble_to_prg(ShellState& state, AssemblyContext& ctx) {
    ctx.output_kind = OutputKind::Prg;
    ctx.quiet = 0;
    assemble(ctx, state);
}

void assemble_to_p00(ShellState& state, AssemblyContext& ctx) {
    ctx.output_kind = OutputKind::P00;
    ctx.quiet = 0;
    assemble(ctx, state);
}

}  // namespace tarvok
