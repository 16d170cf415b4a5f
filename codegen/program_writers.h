#pragma once
// The program file writers: a PRG file (load address and program bytes) or a P00 file (the same
// behind a 26-byte "C64File" header with a 16-character C64 file name).

#include "assembler/context.h"
#include "assembler/source_document.h"

namespace tarvok {

// Asks for a file name and writes the assembled program as a PRG file.
void write_prg_file(AssemblyContext& ctx, SourceDocument& doc);

// Asks for the C64 file name and a file name and writes the assembled program as a P00 file.
void write_p00_file(AssemblyContext& ctx, SourceDocument& doc);

}  // namespace tarvok
