#include "assembler/messages.h"

#include "assembler/display_ids.h"
#include "runtime/text/text.h"
#include "runtime/window/window.h"

namespace tarvok {

void goto_source_line(int32_t i) {
    // Moving the caret first makes the editor scroll: far down in the text it is put 20 lines
    // below the target, so that the lines after the target are in view too.
    if (current_editor_line() < 50) {
        set_editor_caret(0, 0);
    } else {
        set_editor_caret(0, i + 20);
    }
    select_editor_range(i, 0, i, -1);
}

void show_error(std::string_view title, std::string_view text) {
    show_message(title, text, ButtonsOk);
}

void show_error_then_goto(AssemblyContext& ctx, std::string_view title, std::string_view text, int32_t i) {
    ctx.line_selected_after_box = i;
    show_error(title, text);
    ctx.line_selected_after_box = -1;
    goto_source_line(i);
}

void show_progress(const AssemblyContext& ctx) {
    set_control_state(ProgressBar, ctx.progress);
}

void clear_assembly_lists(AssemblyContext& ctx) {
    ctx.variables.clear();
    ctx.statements.clear();
    ctx.operand_text.clear();
    ctx.labels.clear();
    ctx.object_image.clear();
    ctx.include_lines.clear();
    ctx.symbols.clear();
    ctx.line_kind.assign(1, Open);
    ctx.line_has_label.assign(1, 0);
    ctx.p00_header.clear();
    ctx.line_count = 0;
    ctx.current_line = 0;
    ctx.statement_class = StatementClass::NoStatement;
    ctx.current_record = -1;
    ctx.current_mode = 0;
}

void reset_assembly(AssemblyContext& ctx, const SourceDocument& doc) {
    clear_assembly_lists(ctx);
    ctx.progress = 0;
    show_progress(ctx);
    // Repainting removes any colouring left from before.
    paint_editor(doc);
}

void paint_editor_text(const SourceDocument& doc) {
    if (doc.text_colour != NoColour) {
        colour_editor_range(0, 1, -1, -1, doc.text_colour);
    }
}

void paint_editor(const SourceDocument& doc) {
    paint_editor_text(doc);
    if (doc.background_colour != NoColour) {
        set_editor_background(doc.background_colour);
    }
}

std::string address_hex_text(int32_t address) {
    // Built by appending: GCC 12 at -O3 reports a false -Wrestrict for "$" + std::string.
    std::string text = "$";
    text += text_pad_left(format_hex(address), 4, "0");
    return text;
}

}  // namespace tarvok
