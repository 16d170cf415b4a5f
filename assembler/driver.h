#pragma once
// The assembly run: the editor's whole text becomes a C64 program in one call.

#include "assembler/context.h"
#include "assembler/source_document.h"

namespace tarvok {

// Runs one assembly over the editor's current text, with output_kind and quiet as the caller set
// them. Errors are shown as they are found and stop the run; a run without errors and without
// quiet ends with the program file writer of output_kind.
void assemble(AssemblyContext& ctx, SourceDocument& doc);

}  // namespace tarvok
