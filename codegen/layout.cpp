#include "codegen/layout.h"

#include <vector>

#include "codegen/branches.h"

namespace tarvok {

namespace {

bool is_data(const StatementEntry& rec) { return rec.mnemonic == "data"; }

// Length while label values are still unknown.
int32_t estimated_length(const StatementEntry& rec) {
    if (is_data(rec) || rec.operand.empty()) {
        return 1;
    }
    if (is_branch(rec.mnemonic)) {
        return 2;
    }
    if (rec.operand_kind == OperandLabel) {
        return rec.byte_select == SelectNone ? 3 : 2;
    }
    return statement_length(rec);
}

}  // namespace

int32_t statement_length(const StatementEntry& rec) {
    if (is_data(rec) || rec.operand.empty()) {
        return 1;
    }
    if (is_branch(rec.mnemonic) || rec.byte_select != SelectNone ||
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
    std::vector<int32_t> line_offset(static_cast<std::size_t>(ctx.line_count) + 1, -1);
    int32_t sum = 0;
    for (const StatementEntry& rec : ctx.statements) {
        const int32_t line = rec.line_number;
        if (line >= 0 && line <= ctx.line_count && line_offset[line] < 0) {
            line_offset[line] = sum;
        }
        sum += estimated_length(rec);
    }
    for (LabelEntry& label : ctx.labels) {
        const bool has_record = label.line >= 0 && label.line <= ctx.line_count && line_offset[label.line] >= 0;
        // A label in front of a word that is no mnemonic has no record: it lies after all of them.
        label.address = ctx.start_address + (has_record ? line_offset[label.line] : sum);
    }
}

void assign_addresses(AssemblyContext& ctx) {
    int32_t counter = ctx.start_address;
    for (StatementEntry& rec : ctx.statements) {
        rec.address = counter;
        counter += statement_length(rec);
    }
}

bool layout_is_settled(AssemblyContext& ctx, std::vector<int32_t>& addresses) {
    bool settled = true;
    addresses.resize(ctx.statements.size());
    std::vector<int32_t> line_address(static_cast<std::size_t>(ctx.line_count) + 1, -1);
    int32_t counter = ctx.start_address;
    for (std::size_t i = 0; i < ctx.statements.size(); ++i) {
        const StatementEntry& rec = ctx.statements[i];
        settled = settled && rec.address == counter;
        addresses[i] = counter;
        if (rec.line_number >= 0 && rec.line_number <= ctx.line_count && line_address[rec.line_number] < 0) {
            line_address[rec.line_number] = counter;
        }
        counter += statement_length(rec);
    }
    for (LabelEntry& label : ctx.labels) {
        const bool has_record = label.line >= 0 && label.line <= ctx.line_count && line_address[label.line] >= 0;
        const int32_t address = has_record ? line_address[label.line] : counter;
        settled = settled && label.address == address;
        label.address = address;
    }
    return settled;
}

void emit_bytes(AssemblyContext& ctx) {
    ctx.load_address_low = static_cast<uint8_t>(ctx.start_address & 0xFF);
    ctx.load_address_high = static_cast<uint8_t>((ctx.start_address >> 8) & 0xFF);

    for (StatementEntry& rec : ctx.statements) {
        if (!is_data(rec) ||
            (rec.operand_kind != DataLabelHigh && rec.operand_kind != DataLabelLow && rec.operand_kind != DataLabelWhole)) {
            continue;
        }
        const int32_t l = ctx.symbols.last_label_named(rec.operand);
        if (l < 0) {
            continue;
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

    ctx.object_image.reserve(ctx.object_image.size() + ctx.statements.size() * 2);
    auto emit = [&ctx](int32_t v) { ctx.object_image.push_back(static_cast<uint16_t>(v)); };
    for (const StatementEntry& rec : ctx.statements) {
        if (is_data(rec)) {
            emit(rec.value <= 255 ? rec.value : (rec.value >> 8) & 0xFF);
            continue;
        }
        emit(rec.opcode);
        if (rec.operand.empty()) {
            continue;
        }
        if (rec.value <= 255 && rec.operand_size == 1) {
            emit(rec.value);
        } else {
            emit(rec.value & 0xFF);
            if (!is_branch(rec.mnemonic)) {
                emit((rec.value >> 8) & 0xFF);
            }
        }
    }
}

}  // namespace tarvok
