#include "codegen/operand_fixups.h"

#include <array>

#include "codegen/operands.h"
#include "runtime/text/text.h"

namespace tarvok {

namespace {

// Whether the operand holds a "<" or a ">", in one pass over it.
bool holds_selector(std::string_view operand) {
    for (const char c : operand) {
        if (c == '<' || c == '>') {
            return true;
        }
    }
    return false;
}

}  // namespace

void remove_in_place(std::string& s, std::string_view pattern) {
    std::size_t out = 0;
    std::size_t in = 0;
    while (in < s.size()) {
        if (s[in] == pattern.front() && s.size() - in >= pattern.size() &&
            std::string_view(s).substr(in, pattern.size()) == pattern) {
            in += pattern.size();
        } else {
            s[out++] = s[in++];
        }
    }
    s.resize(out);
}

void fix_variable_values(AssemblyContext& ctx) {
    if (ctx.variables.empty() || ctx.statements.empty()) {
        return;
    }
    for (StatementEntry& rec : ctx.statements) {
        if (rec.mode != Plain) {
            continue;
        }
        const std::string_view operand = operand_of(ctx, rec);
        if (!holds_selector(operand)) {
            // No byte selection: the operand is the name, looked up without a copy.
            if (const int32_t v = ctx.symbols.variable(operand); v >= 0) {
                rec.value = selected_byte(ctx.variables[v].value, rec.byte_select);
            }
            continue;
        }
        std::string name(operand);
        if (find_text(name, "<") != 0) {
            if (!holds_quoted(name, '<')) {
                name = remove_text(remove_text(name, "<"), "#");
            }
        } else if (find_text(name, ">") != 0) {
            if (!holds_quoted(name, '>')) {
                name = remove_text(remove_text(name, ">"), "#");
            }
        }
        if (const int32_t v = ctx.symbols.variable(name); v >= 0) {
            rec.value = selected_byte(ctx.variables[v].value, rec.byte_select);
        }
    }
}

std::vector<LabelUse> fix_label_values(AssemblyContext& ctx) {
    std::vector<LabelUse> uses = find_label_uses(ctx);
    apply_label_values(ctx, uses);
    return uses;
}

// Every byte that the search for a label's name below takes out of an operand or reacts to.
constexpr std::string_view MarkerBytes = "(), +-/*<>#\"`";

namespace {

constexpr std::array<bool, 256> marker_table() {
    std::array<bool, 256> table{};
    for (const char c : MarkerBytes) {
        table[static_cast<unsigned char>(c)] = true;
    }
    return table;
}
constexpr std::array<bool, 256> MarkerTable = marker_table();

// ByteSet(operand).may_hold_any(MarkerBytes), by one look-up a byte: most operands hold none.
bool holds_marker(std::string_view operand) {
    bool found = false;
    for (const char c : operand) {
        found |= MarkerTable[static_cast<unsigned char>(c)];
    }
    return found;
}

}  // namespace

std::vector<LabelUse> find_label_uses(const AssemblyContext& ctx) {
    std::vector<LabelUse> uses;
    if (ctx.labels.empty()) {
        return uses;
    }
    uses.reserve(ctx.statements.size());
    for (int32_t i = 0; i < static_cast<int32_t>(ctx.statements.size()); ++i) {
        const StatementEntry& rec = ctx.statements[static_cast<std::size_t>(i)];
        if (rec.plain_operand != 1 && rec.byte_select == SelectNone) {
            continue;
        }
        // Every text below is cut from the operand: a byte it lacks is in none of them.
        const std::string_view operand = operand_of(ctx, rec);
        if (!holds_marker(operand)) {
            // Nothing to take out of the operand: it is the name, and the byte it selects is the
            // record's own.
            const int32_t l = rec.label != UnknownLabel ? rec.label : ctx.symbols.label(operand);
            if (l >= 0) {
                uses.push_back(LabelUse{i, l, rec.byte_select});
            }
            continue;
        }
        const ByteSet bytes(operand);
        std::string name(operand);
        for (std::string_view part : {"(", ")", ",x", ",y", ",", " "}) {
            if (bytes.may_hold(part)) {
                remove_in_place(name, part);
            }
        }
        if (rec.has_expression == 1) {
            for (std::string_view op : {"+", "-", "/", "*"}) {
                if (const int32_t p = bytes.find(name, op); p != 0) {
                    name = left_text(name, p - 1);
                }
            }
        }
        int32_t select = SelectNone;
        if ((bytes.find(name, "<") != 0 || rec.byte_select == SelectLow) && !holds_quoted(name, '<')) {
            name = remove_text(remove_text(name, "#"), "<");
            select = SelectLow;
        } else if ((bytes.find(name, ">") != 0 || rec.byte_select == SelectHigh) &&
                   !holds_quoted(name, '>')) {
            name = remove_text(remove_text(name, "#"), ">");
            select = SelectHigh;
        }
        const int32_t l = ctx.symbols.label(name);
        if (l >= 0) {
            uses.push_back(LabelUse{i, l, select});
        }
    }
    return uses;
}

void apply_label_values(AssemblyContext& ctx, const std::vector<LabelUse>& uses) {
    for (const LabelUse& use : uses) {
        StatementEntry& rec = ctx.statements[static_cast<std::size_t>(use.statement)];
        const int32_t address = ctx.labels[static_cast<std::size_t>(use.label)].address;
        if (use.select != SelectNone) {
            rec.value = selected_byte(address, use.select);
            rec.operand_size = 1;
        } else {
            rec.value = address;
            rec.operand_size = address < 256 ? 1 : 2;
        }
    }
}

}  // namespace tarvok
