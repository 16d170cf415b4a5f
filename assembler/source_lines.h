#pragma once
// The editor's text as the numbered, lower-cased lines of one assembly run.

#include <string>
#include <string_view>

#include "assembler/context.h"

namespace tarvok {

// Reads every editor line 0..line_count (the one past the end reads as empty), lower-cased, into
// ctx.lines, and classifies lines holding "*=" as StartCandidate and other lines holding "=" as
// Assignment (after an include expansion, lines holding "include" as IncludeLine).
void read_source_lines(AssemblyContext& ctx);
// The same with the editor's lines already read (as get_editor_lines gives them), lower-cased.
void read_source_lines(AssemblyContext& ctx, std::string lower_lines);

// Marks blank lines and lines whose first character other than blank and tab is ";" Consumed, and
// notes where that character is in the other Open lines (SourceLine::indent).
void mark_blank_lines(AssemblyContext& ctx);

// The offset of the first byte of t other than blank, tab and line break, t.size() when there is
// none.
std::size_t first_non_blank(std::string_view t);

}  // namespace tarvok
