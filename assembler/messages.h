#pragma once
// Reporting from the assembler, and setting an assembly back to empty.

#include <cstdint>
#include <string>
#include <string_view>

#include "assembler/context.h"
#include "assembler/source_document.h"

namespace tarvok {

// Brings editor line i (0-based) into view and selects it, from the line break before it to its end.
void goto_source_line(int32_t i);

// Modal error box with an OK button, owned by the main window.
void show_error(std::string_view title, std::string_view text);

// The same box for a message that selects its line only once it is answered: the box appears
// over the selection as it was, then line i is selected. While the box is up,
// ctx.line_selected_after_box holds i, so that whoever watches the boxes knows the line it is about.
void show_error_then_goto(AssemblyContext& ctx, std::string_view title, std::string_view text, int32_t i);

// Sets the progress bar to ctx.progress.
void show_progress(const AssemblyContext& ctx);

// Empties every list of the context, sets the counters and progress to 0, and repaints the editor
// in the document's colours (each only when one has been chosen).
void reset_assembly(AssemblyContext& ctx, const SourceDocument& doc);

// Empties every list of the context and sets its per-line arrays and counters back, as
// reset_assembly does, but leaves the progress bar and the editor alone.
void clear_assembly_lists(AssemblyContext& ctx);

// Colours the whole editor text in the document's text colour, when one has been chosen.
void paint_editor_text(const SourceDocument& doc);
// paint_editor_text, then the editor background in the document's background colour, when one
// has been chosen.
void paint_editor(const SourceDocument& doc);

// The code start or end address in the form the code fields show: "$" and four hexadecimal digits
// (a longer hexadecimal text keeps its first four).
std::string address_hex_text(int32_t address);

}  // namespace tarvok
