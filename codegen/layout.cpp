#include "codegen/layout.h"

#include <algorithm>
#include <vector>

#include "assembler/messages.h"
#include "codegen/branches.h"
#include "codegen/operand_fixups.h"

namespace tarvok {

namespace {

// Length while label values are still unknown.
int32_t estimated_length(const StatementEntry& rec) {
    if (rec.is_data() || !rec.has_operand()) {
        return 1;
    }
    if (is_branch_record(rec)) {
        return 2;
    }
    if (rec.operand_kind == OperandLabel) {
        return rec.byte_select == SelectNone ? 3 : 2;
    }
    return statement_length(rec);
}

}  // namespace

int32_t statement_length(const StatementEntry& rec) {
    if (rec.is_data() || !rec.has_operand()) {
        return 1;
    }
    if (is_branch_record(rec) || rec.byte_select != SelectNone ||
        (rec.value <= 255 && rec.operand_size == 1)) {
        return 2;
    }
    return 3;
}

void estimate_label_addresses(AssemblyContext& ctx) {
    if (ctx.labels.empty()) {
        return;
    }
    // Offset of the first record of each line, from one running sum over all records.
    // Kept in locals: the stores below are int32_t, like the line count the compiler would
    // otherwise read again after each of them.
    const int32_t line_count = ctx.line_count;
    std::vector<int32_t> line_offset(static_cast<std::size_t>(line_count) + 1, -1);
    int32_t* const offset = line_offset.data();
    int32_t sum = 0;
    for (const StatementEntry& rec : ctx.statements) {
        const int32_t line = rec.line_number;
        if (line >= 0 && line <= line_count && offset[line] < 0) {
            offset[line] = sum;
        }
        sum += estimated_length(rec);
    }
    for (LabelEntry& label : ctx.labels) {
        const bool has_record = label.line >= 0 && label.line <= line_count && offset[label.line] >= 0;
        // A label in front of a word that is no mnemonic has no record: it lies after all of them.
        label.address = ctx.start_address + (has_record ? line_offset[label.line] : sum);
    }
}

namespace {

// Emitted length of every statement with the current label addresses: label values as the label
// fix-up gives them, expressions applied to a copy (the expression step itself runs later).
// lengths is the caller's, kept from round to round so that no round allocates it again.
void measured_lengths(AssemblyContext& ctx, const std::vector<LabelUse>& label_uses,
                      ExpressionMeasure measure_expression, std::vector<int32_t>& lengths) {
    apply_label_values(ctx, label_uses);
    lengths.resize(ctx.statements.size());
    int32_t* length = lengths.data();
    for (const StatementEntry& rec : ctx.statements) {
        if (rec.has_expression == 1) {
            StatementEntry evaluated = rec;
            measure_expression(ctx, evaluated);
            *length++ = statement_length(evaluated);
        } else {
            *length++ = statement_length(rec);
        }
    }
}

// Gives every statement the running sum of the lengths before it and every label the address of
// its line's first statement (after all of them when its line has none). True when a label moved.
bool assign_addresses(AssemblyContext& ctx, const std::vector<int32_t>& lengths) {
    // Kept in locals: every store below is an int32_t, which the compiler would otherwise take
    // for a change to the line count, the vectors' bounds or the start address.
    const int32_t line_count = ctx.line_count;
    std::vector<int32_t> line_address(static_cast<std::size_t>(line_count) + 1, -1);
    int32_t* const first_address = line_address.data();
    const int32_t* length = lengths.data();
    int32_t counter = ctx.start_address;
    for (StatementEntry& rec : ctx.statements) {
        rec.address = counter;
        const int32_t line = rec.line_number;
        if (line >= 0 && line <= line_count && first_address[line] < 0) {
            first_address[line] = counter;
        }
        counter += *length++;
    }
    bool moved = false;
    for (LabelEntry& label : ctx.labels) {
        const bool has_record = label.line >= 0 && label.line <= line_count && first_address[label.line] >= 0;
        const int32_t address = has_record ? first_address[label.line] : counter;
        moved = moved || label.address != address;
        label.address = address;
    }
    return moved;
}

}  // namespace

void settle_layout(AssemblyContext& ctx, const std::vector<LabelUse>& label_uses,
                   ExpressionMeasure measure_expression) {
    // Follow the labels from the estimate, lengths taken as the new addresses give them, for a few
    // rounds: a layout that settles there keeps the sizes the estimate leads to.
    constexpr int FollowingRounds = 9;
    std::vector<int32_t> lengths;
    for (int round = 0; round < FollowingRounds; ++round) {
        measured_lengths(ctx, label_uses, measure_expression, lengths);
        if (!assign_addresses(ctx, lengths)) {
            return;  // no label moved: the addresses match the emitted lengths
        }
    }
    // Start again from every operand in its short form and lengthen what does not fit. A length
    // only ever grows, so every round but the last lengthens at least one statement: the rounds
    // end after at most one per statement.
    std::vector<int32_t> held(lengths.size());
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        held[i] = std::min(lengths[i], 2);
    }
    for (bool grew = true; grew;) {
        assign_addresses(ctx, held);
        measured_lengths(ctx, label_uses, measure_expression, lengths);
        grew = false;
        for (std::size_t i = 0; i < lengths.size(); ++i) {
            if (lengths[i] > held[i]) {
                held[i] = lengths[i];
                grew = true;
            }
        }
    }
    // A statement that would be shorter than its place lies between labels that only fit when it is
    // long and an operand that is only long while they do not fit.
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        if (lengths[i] != held[i]) {
            const StatementEntry& rec = ctx.statements[i];
            goto_source_line(rec.line_number);
            show_error("Layout Error.", "Op Size Never Settles,Its Label Moves With It `" + std::string(operand_of(ctx, rec)) + "`");
            ctx.error = 1;
            return;
        }
    }
}

namespace {

// The value of a data byte taken from a label's address, once the addresses are known.
void take_label_byte(const AssemblyContext& ctx, StatementEntry& rec) {
    const int32_t l = rec.label != UnknownLabel ? ctx.symbols.last_label_like(rec.label)
                                                : ctx.symbols.last_label_named(operand_of(ctx, rec));
    if (l < 0) {
        return;
    }
    const int32_t address = ctx.labels[l].address;
    if (rec.operand_kind == DataLabelHigh) {
        rec.value = (address >> 8) & 0xFF;
    } else if (rec.operand_kind == DataLabelLow) {
        rec.value = address & 0xFF;
    } else {
        rec.value = address;
    }
}

}  // namespace

void emit_bytes(AssemblyContext& ctx) {
    ctx.load_address_low = static_cast<uint8_t>(ctx.start_address & 0xFF);
    ctx.load_address_high = static_cast<uint8_t>((ctx.start_address >> 8) & 0xFF);

    // Room for three bytes a statement at once; what is not used goes again at the end.
    const std::size_t first = ctx.object_image.size();
    ctx.object_image.resize(first + ctx.statements.size() * 3);
    uint16_t* out = ctx.object_image.data() + first;
    auto emit = [&out](int32_t v) { *out++ = static_cast<uint16_t>(v); };
    // One walk over the records: a data byte taken from a label's address gets its value just
    // before it is emitted.
    for (StatementEntry& rec : ctx.statements) {
        if (rec.is_data()) {
            if (rec.operand_kind == DataLabelHigh || rec.operand_kind == DataLabelLow ||
                rec.operand_kind == DataLabelWhole) {
                take_label_byte(ctx, rec);
            }
            emit(rec.value <= 255 ? rec.value : (rec.value >> 8) & 0xFF);
            continue;
        }
        emit(rec.opcode);
        if (!rec.has_operand()) {
            continue;
        }
        if (rec.value <= 255 && rec.operand_size == 1) {
            emit(rec.value);
        } else {
            emit(rec.value & 0xFF);
            if (!is_branch_record(rec)) {
                emit((rec.value >> 8) & 0xFF);
            }
        }
    }
    ctx.object_image.resize(static_cast<std::size_t>(out - ctx.object_image.data()));
}

}  // namespace tarvok
