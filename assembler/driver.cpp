#include "assembler/driver.h"

#include "assembler/display_ids.h"
#include "assembler/expressions.h"
#include "assembler/includes.h"
#include "assembler/labels.h"
#include "assembler/messages.h"
#include "assembler/source_lines.h"
#include "assembler/start_address.h"
#include "assembler/statement_pass.h"
#include "assembler/variables.h"
#include "codegen/branches.h"
#include "codegen/data_directives.h"
#include "codegen/layout.h"
#include "codegen/opcode_selection.h"
#include "codegen/operand_fixups.h"
#include "codegen/operands.h"
#include "codegen/program_writers.h"
#include "runtime/text/text.h"
#include "runtime/window/window.h"

namespace tarvok {

namespace {

// Moves the progress bar on after a step, but only while no error has stopped the run.
void advance(AssemblyContext& ctx, int16_t amount) {
    if (ctx.error == 0) {
        ctx.progress = static_cast<int16_t>(ctx.progress + amount);
        show_progress(ctx);
    }
}

const StatementHandlers& code_generator_handlers() {
    static const StatementHandlers handlers{&handle_data_directive, &prepare_instruction,
                                            &resolve_operand};
    return handlers;
}

// Runs a step only while no error has stopped the run, then moves the bar on.
template <typename Step>
void run_step(AssemblyContext& ctx, int16_t amount, Step step) {
    if (ctx.error != 0) {
        return;
    }
    step();
    advance(ctx, amount);
}

void show_address(int32_t decimal_field, int32_t hex_field, int32_t address) {
    set_control_text(decimal_field, format_decimal(address));
    set_control_text(hex_field, address_hex_text(address));
}

}  // namespace

void assemble(AssemblyContext& ctx, SourceDocument& doc) {
    reset_assembly(ctx, doc);
    ctx.error = 0;
    ctx.includes_expanded = 0;
    ctx.start_address = 0;
    ctx.progress = 0;
    ctx.output_written = 0;
    ctx.line_count = count_items(MainEditorId);
    ctx.lines.clear();

    // Include directives are expanded into the editor text: every later step sees ordinary lines.
    IncludeExpansion includes(ctx, doc);
    run_step(ctx, 1, [&] { includes.expand(); });

    ctx.line_kind.assign(static_cast<std::size_t>(ctx.line_count) + 1, Open);
    ctx.line_has_label.assign(static_cast<std::size_t>(ctx.line_count) + 1, 0);
    read_source_lines(ctx, includes.editor_lines());
    for (int32_t line : ctx.include_lines) {
        if (line >= 0 && line <= ctx.line_count) {
            ctx.line_kind[line] = IncludeLine;
        }
    }

    read_start_address(ctx);
    advance(ctx, 1);
    run_step(ctx, 1, [&] { mark_blank_lines(ctx); });
    run_step(ctx, 2, [&] { collect_variables(ctx); });
    run_step(ctx, 2, [&] { collect_labels(ctx); });
    run_step(ctx, 2, [&] { statement_pass(ctx, code_generator_handlers()); });
    run_step(ctx, 2, [&] { estimate_label_addresses(ctx); });
    run_step(ctx, 2, [&] { fix_variable_values(ctx); });
    // The label operands are found once; the layout gives them new addresses round after round.
    std::vector<LabelUse> label_uses;
    run_step(ctx, 1, [&] { label_uses = fix_label_values(ctx); });
    run_step(ctx, 2, [&] { settle_layout(ctx, label_uses, &evaluate_expression_quietly); });
    run_step(ctx, 1, [&] { resolve_branches(ctx); });
    run_step(ctx, 0, [&] { evaluate_expressions(ctx); });
    run_step(ctx, 2, [&] { select_opcodes(ctx); });
    if (ctx.error == 0) {
        emit_bytes(ctx);
    }
    if (ctx.error == 0) {
        ctx.progress = 19;
        show_progress(ctx);
        const int32_t code_end = ctx.start_address + static_cast<int32_t>(ctx.object_image.size());
        show_address(CodeEndDecimal, CodeEndHex, code_end);
    }

    if (ctx.error == 0 && ctx.quiet == 0) {
        if (ctx.output_kind == OutputKind::Prg) {
            write_prg_file(ctx, doc);
        } else {
            write_p00_file(ctx, doc);
        }
    }

    // The editor gets back the text it held before the run, whatever happened during it.
    includes.restore();

    show_address(CodeStartDecimal, CodeStartHex, ctx.start_address);
    ctx.progress = 0;
    show_progress(ctx);
}

}  // namespace tarvok
