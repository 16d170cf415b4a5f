#pragma once
// The assembly listing that tarvok-asm writes with --list.

#include <string>

#include "app/cli_expanded_source.h"
#include "assembler/context.h"

namespace tarvok {

// One row per line of the expanded source: its line number (counted from 1, as the messages
// count), the address and up to three bytes of what it assembled to (a line that gave nothing
// shows neither), and the line as written, from column 25:
//
//      3  C000  A9 00     start lda #0
//
// A data line of more than three bytes goes on in rows of eight bytes, each with its address and
// without line number or text. The lines of an included file stand between the comment rows
// "; file NAME" and "; end of NAME", NAME as its directive gives it. Read row by row, the bytes
// are exactly the program's bytes behind its load address. Rows end in LF, without trailing
// blanks.
std::string assembly_listing(const AssemblyContext& ctx, const ExpandedSource& source);

}  // namespace tarvok
