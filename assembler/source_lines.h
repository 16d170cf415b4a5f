#pragma once
// The editor's text as the numbered, lower-cased lines of one assembly run.

#include <string>

#include "assembler/context.h"

namespace tarvok {

// Reads every editor line 0..line_count (the one past the end reads as empty), lower-cased, into
// ctx.lines, and classifies lines holding "*=" as StartCandidate and other lines holding "=" as
// Assignment (after an include expansion, lines holding "include" as IncludeLine).
void read_source_lines(AssemblyContext& ctx);
// The same with the editor's lines already read (as get_editor_lines gives them), lower-cased.
void read_source_lines(AssemblyContext& ctx, std::string lower_lines);

// Marks blank lines and lines whose first character other than blank and tab is ";" Consumed.
void mark_blank_lines(AssemblyContext& ctx);

}  // namespace tarvok
