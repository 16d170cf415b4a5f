#include "codegen/opcode_selection.h"

#include "assembler/messages.h"
#include "codegen/instruction_table.h"
#include "codegen/operands.h"
#include "runtime/text/text.h"

namespace tarvok {

namespace {

// The column of one instruction; -1 after an error was reported.
int32_t choose_column(AssemblyContext& ctx, const StatementEntry& rec) {
    bool stripped_empty = false;
    if (rec.shape_mode != UnknownShape) {
        ctx.current_mode = rec.shape_mode;
        stripped_empty = rec.shape_empty != 0;
    } else {
        stripped_empty = classify_operand_shape(ctx, operand_of(ctx, rec), nullptr).empty();
    }
    int32_t m = ctx.current_mode;
    const int32_t v = rec.value;

    if (m == Absolute && rec.operand_size == 1 && v < 256) {
        m = ZeroPage;
    }
    if (rec.byte_select != SelectNone) {
        m = Immediate;  // a "<" or ">" operand is always immediate
    }
    if (m == Immediate && v >= 256) {
        return Absolute;
    }
    if (stripped_empty) {
        m = Immediate;  // implied or accumulator form
    }
    if (m == ZeroPageIndexed && v >= 256) {
        m = AbsoluteX;
    }
    if (m == Plain) {
        if (v >= 256) {
            const bool selects = holds_byte(operand_of(ctx, rec), '<') || holds_byte(operand_of(ctx, rec), '>');
            m = selects || rec.mnemonic() == "jmp" ? Immediate : Absolute;
        } else if (rec.zero_page == 1) {
            m = ZeroPage;
        } else {
            m = rec.operand_size == 1 ? Immediate : Absolute;
        }
        return m;
    }
    if (m == AbsoluteX && v <= 255) {
        return rec.operand_size == 2 ? AbsoluteX : ZeroPageIndexed;
    }
    if (m == AbsoluteY && v <= 255 && rec.operand_size == 1) {
        m = ZeroPageIndexed;
        if (rec.mnemonic() != "ldx" && rec.mnemonic() != "stx") {
            goto_source_line(rec.line_number);
            show_error("Op Error.", "Zero page,Y  only with Ldx/Stx");
            ctx.error = 1;
            return -1;
        }
    }
    if ((m == IndirectX || m == IndirectY) && v >= 256) {
        goto_source_line(rec.line_number);
        show_error("Op Error.", "Zero page Op,Maximum Value 255,$ff." + std::string(operand_of(ctx, rec)));
        ctx.error = 1;
        return -1;
    }
    return m;
}

}  // namespace

void select_opcodes(AssemblyContext& ctx) {
    for (StatementEntry& rec : ctx.statements) {
        const int32_t row = rec.row;
        if (row < 0) {
            continue;  // "data" records keep opcode 0
        }
        const int32_t column = choose_column(ctx, rec);
        if (column < 0) {
            return;
        }
        rec.opcode = opcode_at(row, column);
    }
}

}  // namespace tarvok
