#pragma once
// Labels: the first word of a statement line when it is no mnemonic or data directive.

#include "assembler/context.h"

namespace tarvok {

// Records every label with its statement number and line, refuses a label with nothing after it,
// a label defined twice and a label that is also a variable.
void collect_labels(AssemblyContext& ctx);

}  // namespace tarvok
