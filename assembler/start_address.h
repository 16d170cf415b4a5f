#pragma once
// The "*=" line that says where the program is loaded in C64 memory.

#include "assembler/context.h"

namespace tarvok {

// Sets ctx.start_address from the first line holding "*=" and marks it StartLine; unless the run is
// quiet, refuses a missing, zero, malformed, too high or second start address.
void read_start_address(AssemblyContext& ctx);

}  // namespace tarvok
