#pragma once
// Variables: names given a number on a line of their own with "=".

#include "assembler/context.h"

namespace tarvok {

// Collects every variable definition into ctx.variables (the line becomes Consumed), refuses values
// above 65535 and the name "a", then refuses a name defined twice. Lines that only look like a
// definition (a ";" or a quoted "=" before it) become Open statement lines.
void collect_variables(AssemblyContext& ctx);

}  // namespace tarvok
