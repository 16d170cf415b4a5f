#include "codegen/operands.h"

#include <array>

#include "assembler/literals.h"
#include "assembler/messages.h"
#include "codegen/operand_forms.h"
#include "runtime/text/text.h"
#include "runtime/window/window.h"

namespace tarvok {

namespace {

constexpr std::array<std::string_view, 4> ExpressionOperators = {"+", "-", "/", "*"};

// Every search below goes through the byte set of the operand the text was cut from.
bool has_quote_character(const ByteSet& bytes) { return bytes.has('"') || bytes.has('`'); }

bool is_accumulator_shift(std::string_view word) {
    return word == "asl" || word == "lsr" || word == "rol" || word == "ror";
}

StatementEntry& current_record(AssemblyContext& ctx) {
    if (ctx.current_record < 0) {
        ctx.statements.emplace_back();
        ctx.current_record = static_cast<int32_t>(ctx.statements.size()) - 1;
    }
    return ctx.statements[ctx.current_record];
}

// Applies a "<" or ">" of the whole operand to a name about to be looked up: the marker and any
// "#" go (the name then views storage), and the byte it selects is recorded.
inline void apply_byte_selection(const ByteSet& bytes, std::string_view& name, std::string& storage,
                                 StatementEntry& rec) {
    if (bytes.has('<')) {
        storage = remove_text(remove_text(name, "<"), "#");
        name = storage;
        rec.byte_select = SelectLow;
    } else if (bytes.has('>')) {
        storage = remove_text(remove_text(name, ">"), "#");
        name = storage;
        rec.byte_select = SelectHigh;
    }
}

// Length of the text without any of the given bytes (removing one byte value after the other
// leaves the same text in any order).
int32_t length_without(std::string_view text, std::string_view removed) {
    const ByteSet gone(removed);
    int32_t n = 0;
    for (const char c : text) {
        n += gone.has(c) ? 0 : 1;
    }
    return n;
}

// Bytes a number operand needs, judged by how it was written: with "$" (dollar), with "%"
// (binary) or neither.
int32_t number_operand_size(std::string_view full, bool dollar, bool binary, int32_t value) {
    if (dollar) {
        return length_without(full, "$#,yx)(") > 2 ? 2 : 1;
    }
    if (binary) {
        return length_without(full, "#,yx()%") > 8 ? 2 : 1;
    }
    return value > 255 ? 2 : 1;
}

// The record of an instruction written without an operand.
void set_no_operand(StatementEntry& rec) {
    rec.value = -1;
    rec.mode = NoOperandMode;
    rec.operand_length = 0;
    rec.plain_operand = 0;
    rec.shape_mode = Plain;  // the shape of ""
    rec.shape_empty = 1;
}

// The shape of an operand (classify_operand_shape) whose bytes are all in the set. The stripped
// text is a view into operand or into storage.
std::string_view classify_shape(AssemblyContext& ctx, std::string_view operand, const ByteSet& bytes,
                                StatementEntry* rec, std::string& storage) {
    std::string_view t = operand;
    if (rec != nullptr && !has_quote_character(bytes)) {
        for (std::string_view op : ExpressionOperators) {
            if (bytes.find(t, op) != 0) {
                rec->has_expression = 1;
            }
        }
    }
    // Each cut is made from t before storage takes it, so t may view storage itself.
    if (bytes.find(t, "<") != 0) {
        if (!holds_quoted(t, '<')) {
            storage = remove_text(t, "<");
            t = storage;
        }
    } else if (bytes.find(t, ">") != 0) {
        if (!holds_quoted(t, '>')) {
            storage = remove_text(t, ">");
            t = storage;
        }
    }
    if (bytes.has(' ')) {
        storage = remove_text(t, " ");
        t = storage;
    }
    if (t.empty()) {
        ctx.current_mode = Plain;
        return {};
    }
    const int32_t length = text_length(t);
    const bool parens = bytes.find(t, "(") != 0 && bytes.find(t, ")") != 0;
    if (const int32_t p = bytes.find(t, "),y"); p != 0) {
        ctx.current_mode = IndirectY;
        storage = remove_text(left_view(t, p - 1), "(");
        return storage;
    }
    if (const int32_t p = bytes.find(t, ",x)"); p != 0) {
        ctx.current_mode = IndirectX;
        storage = remove_text(left_view(t, p - 1), "(");
        return storage;
    }
    if (const int32_t p = bytes.find(t, ",y"); p != 0) {
        ctx.current_mode = AbsoluteY;
        return left_view(t, p - 1);
    }
    if (const int32_t p = bytes.find(t, ",x"); p != 0) {
        ctx.current_mode = length > 3 ? AbsoluteX : ZeroPageIndexed;
        return left_view(t, p - 1);
    }
    if (const int32_t p = bytes.find(t, "#$"); p != 0) {
        ctx.current_mode = Immediate;
        storage = remove_text(mid_view(t, p, 4), "#");
        return storage;
    }
    if (bytes.find(t, "$") != 0) {
        if (parens) {
            ctx.current_mode = ZeroPage;
            storage = remove_text(remove_text(t, "("), ")");
            return storage;
        }
        if (length > 3) {
            ctx.current_mode = Absolute;
            return t;
        }
        ctx.current_mode = ZeroPage;
        return left_view(t, 3);
    }
    if (parens) {
        ctx.current_mode = ZeroPage;
        storage = remove_text(remove_text(t, "("), ")");
        return storage;
    }
    ctx.current_mode = Plain;
    return t;
}

}  // namespace

bool holds_quoted(std::string_view text, char c) {
    bool quotes = false;
    for (const char b : text) {
        quotes = quotes || b == '"' || b == '`';
    }
    if (!quotes) {
        return false;
    }
    const std::string quoted{'"', c, '"'};
    const std::string backticked{'`', c, '`'};
    return find_text(text, quoted) != 0 || find_text(text, backticked) != 0;
}

std::string_view prepare_instruction(AssemblyContext& ctx, std::string_view word, int32_t row,
                                     std::string_view operand) {
    StatementEntry& rec = current_record(ctx);
    rec.row = static_cast<int8_t>(row);
    rec.line_number = ctx.current_line;
    ctx.statement_class = StatementClass::InstructionStatement;
    if (is_accumulator_shift(word) && remove_text(operand, " ") == "a") {
        return {};
    }
    return operand;
}

std::string classify_operand_shape(AssemblyContext& ctx, std::string_view operand, StatementEntry* rec) {
    std::string storage;
    return std::string(classify_shape(ctx, operand, ByteSet(operand), rec, storage));
}

bool resolve_plain_operand(AssemblyContext& ctx, std::string_view operand) {
    const std::string_view full = without_blanks_around(operand);
    if (full.empty()) {
        set_no_operand(current_record(ctx));
        return true;
    }
    OperandForm form;
    if (!read_operand_form(full, form)) {
        return false;
    }
    const int32_t v = ctx.variables.empty() ? -1 : ctx.symbols.variable(form.name);
    const int32_t l = v >= 0 || ctx.labels.empty() ? -1 : ctx.symbols.label(form.name);
    const bool selected = form.byte_select != SelectNone;
    int32_t value = 0;
    int32_t size = 0;
    if (v < 0 && l < 0) {
        value = literal_value(ctx, form.name);
        if (value == 0 && form.name.find('0') == std::string_view::npos) {
            return false;  // refused, with its message, by the full resolution
        }
        size = number_operand_size(form.full, form.dollar, form.binary, value);
        value = selected_byte(value, form.byte_select);
        size = selected ? 1 : size;
    }

    ctx.current_mode = form.mode;
    StatementEntry& rec = current_record(ctx);
    if (form.expression) {
        rec.has_expression = 1;
    } else {
        rec.shape_mode = static_cast<int8_t>(form.mode);
        rec.shape_empty = 0;
    }
    if (selected) {
        rec.byte_select = static_cast<int8_t>(form.byte_select);
    }
    rec.mode = static_cast<int8_t>(form.mode);
    set_operand(ctx, rec, form.full);
    if (v >= 0) {
        const VariableEntry& variable = ctx.variables[v];
        rec.value = variable.value;
        rec.operand_size = static_cast<int8_t>(selected ? 1 : variable.size);
        rec.zero_page = (form.mode == ZeroPage || form.mode == Plain) && variable.immediate == 0 ? 1 : 0;
        rec.plain_operand = 0;
        rec.operand_kind = OperandNumber;
        return true;
    }
    if (!ctx.labels.empty() && form.name.size() == form.full.size()) {
        rec.label = l;  // the record's operand is this name
    }
    if (l >= 0) {
        rec.value = ctx.labels[l].ordinal;  // replaced by the address once it is known
        rec.zero_page = selected ? 1 : 0;
        rec.operand_size = 2;
        rec.plain_operand = 1;
        rec.operand_kind = OperandLabel;
        return true;
    }
    rec.value = value;
    rec.operand_size = static_cast<int8_t>(size);
    rec.operand_kind = OperandNumber;
    rec.plain_operand = form.dollar || form.binary || form.quoted ? 0 : 1;
    return true;
}

void resolve_operand(AssemblyContext& ctx, std::string_view operand) {
    if (!resolve_plain_operand(ctx, operand)) {
        resolve_operand_in_full(ctx, operand);
    }
}

void resolve_operand_in_full(AssemblyContext& ctx, std::string_view operand) {
    StatementEntry& rec = current_record(ctx);
    std::string full = remove_text(operand, " ");
    const ByteSet bytes(full);
    if (full.empty()) {
        set_no_operand(rec);
        return;
    }

    // An expression's left term is resolved here; its operator and right term come later.
    // cut, name and the shape view full or the storage beside them; full goes to the record last.
    std::string_view cut = full;
    std::string cut_storage;
    if (!has_quote_character(bytes)) {
        for (std::string_view op : ExpressionOperators) {
            const int32_t p = bytes.find(cut, op);
            if (p == 0) {
                continue;
            }
            rec.has_expression = 1;
            int32_t tail = bytes.find(full, ")");
            if (tail == 0) {
                tail = bytes.find(full, ",");
            }
            cut_storage = left_text(cut, p - 1) + (tail == 0 ? std::string() : mid_text(full, tail, text_length(full)));
            cut = cut_storage;
        }
    }

    std::string shape_storage;
    const bool stripped_empty = classify_shape(ctx, cut, bytes, &rec, shape_storage).empty();
    const int32_t mode = ctx.current_mode;
    // The record's operand is the whole operand: its shape is this one unless an expression was
    // cut from it.
    if (cut == full) {
        rec.shape_mode = static_cast<int8_t>(mode);
        rec.shape_empty = stripped_empty ? 1 : 0;
    }
    std::string_view name = cut;
    std::string name_storage;
    if (bytes.has('(') || bytes.has(')')) {
        name_storage = remove_text(remove_text(cut, "("), ")");
        name = name_storage;
    }
    if (const int32_t comma = bytes.find(name, ","); comma != 0) {
        name = left_view(name, comma - 1);
    }

    if (!ctx.variables.empty()) {
        apply_byte_selection(bytes, name, name_storage, rec);
        if (const int32_t v = ctx.symbols.variable(name); v >= 0) {
            const VariableEntry& variable = ctx.variables[v];
            rec.value = variable.value;
            rec.operand_size = rec.byte_select != SelectNone ? 1 : variable.size;
            rec.zero_page = (mode == ZeroPage || mode == Plain) && variable.immediate == 0 ? 1 : 0;
            rec.mode = mode;
            set_operand(ctx, rec, full);
            rec.plain_operand = 0;
            rec.operand_kind = OperandNumber;
            return;
        }
    }
    if (!ctx.labels.empty()) {
        apply_byte_selection(bytes, name, name_storage, rec);
        const int32_t l = ctx.symbols.label(name);
        if (name == std::string_view(full)) {
            rec.label = l;  // the record's operand is this name
        }
        if (l >= 0) {
            rec.value = ctx.labels[l].ordinal;  // replaced by the address once it is known
            rec.zero_page = rec.byte_select != SelectNone ? 1 : 0;
            rec.operand_size = 2;
            rec.mode = mode;
            set_operand(ctx, rec, full);
            rec.plain_operand = 1;
            rec.operand_kind = OperandLabel;
            return;
        }
    }

    // A number. "<" and ">" select its low or high byte, whether or not the source defines any
    // symbols, so that "lda #<$1234" always loads $34.
    apply_byte_selection(bytes, name, name_storage, rec);
    int32_t value = literal_value(ctx, name);
    if (value == 0 && bytes.find(name, "0") == 0) {
        goto_source_line(ctx.current_line);
        show_error("Label/Variable Error.",
                   "Label Or Variable Not Found `" + std::string(cut) + "`In Line " + format_decimal(ctx.current_line) +
                       "   " + get_item_text(MainEditorId, ctx.current_line));
        ctx.error = 1;
        return;
    }
    const int32_t size = number_operand_size(full, bytes.has('$'), bytes.has('%'), value);
    rec.value = selected_byte(value, rec.byte_select);
    rec.operand_size = rec.byte_select != SelectNone ? 1 : size;
    rec.mode = mode;
    rec.operand_kind = OperandNumber;
    rec.plain_operand = !bytes.has('%') && !bytes.has('$') && (!bytes.has('"') || count_text(full, "\"") < 2) &&
                                (!bytes.has('`') || count_text(full, "`") < 2)
                            ? 1
                            : 0;
    set_operand(ctx, rec, full);
}

}  // namespace tarvok
