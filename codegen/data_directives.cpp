#include "codegen/data_directives.h"

#include "assembler/literals.h"
#include "assembler/messages.h"
#include "runtime/text/text.h"

namespace tarvok {

namespace {

// A data byte's record, made in place at the end of the list.
StatementEntry& new_data_record(AssemblyContext& ctx) {
    StatementEntry& rec = ctx.statements.emplace_back();
    rec.row = -1;
    rec.line_number = ctx.current_line;
    return rec;
}

void add_byte(AssemblyContext& ctx, int32_t value) { new_data_record(ctx).value = value; }

// A byte taken from a label's address once it is known.
// label_index is the first label named label.
void add_label_byte(AssemblyContext& ctx, std::string_view label, int32_t label_index, int32_t kind,
                    int32_t byte_select) {
    StatementEntry& rec = new_data_record(ctx);
    set_operand(ctx, rec, label);
    rec.label = label_index;
    rec.operand_kind = static_cast<int8_t>(kind);
    rec.byte_select = static_cast<int8_t>(byte_select);
}

int32_t high_byte(int32_t v) { return (v >> 8) & 0xFF; }
int32_t low_byte(int32_t v) { return v & 0xFF; }

void add_label_field(AssemblyContext& ctx, std::string_view word, std::string_view label, int32_t label_index,
                     int32_t select) {
    if (word == "dbyte") {
        add_label_byte(ctx, label, label_index, DataLabelHigh, SelectHigh);
        add_label_byte(ctx, label, label_index, OperandNumber, SelectLow);
    } else if (select == SelectHigh) {
        add_label_byte(ctx, label, label_index, DataLabelHigh, SelectHigh);
    } else if (select == SelectLow) {
        add_label_byte(ctx, label, label_index, DataLabelLow, SelectLow);
    } else if (word == "word") {
        add_label_byte(ctx, label, label_index, OperandNumber, SelectLow);
        add_label_byte(ctx, label, label_index, DataLabelHigh, SelectHigh);
    } else {
        add_label_byte(ctx, label, label_index, DataLabelWhole, SelectNone);
    }
}

// One field of "byte", "word" or "dbyte"; false after an error.
bool add_number_field(AssemblyContext& ctx, std::string_view word, std::string_view field, int32_t select) {
    int32_t v = literal_value(ctx, field);
    if (select == SelectHigh) {
        if (v < 256) {
            goto_source_line(ctx.current_line);
            show_error("Data Error.", "< No Highbyte,Data  value Less than 256");
            ctx.error = 1;
            return false;
        }
        v = high_byte(v);
    } else if (select == SelectLow) {
        v = low_byte(v);
    }
    if (word == "word") {
        if (select != SelectNone) {
            add_byte(ctx, v);
        } else {
            add_byte(ctx, v <= 255 ? 0 : high_byte(v));
            add_byte(ctx, low_byte(v));
        }
    } else if (word == "dbyte") {
        add_byte(ctx, low_byte(v));
        add_byte(ctx, high_byte(v));
    } else {
        add_byte(ctx, v);  // above 255 it is emitted as its high byte
    }
    return true;
}

// The fields of "byte 1,2,3" are split at every ","; an operand without a comma is one field.
void add_number_fields(AssemblyContext& ctx, std::string_view word, std::string_view operand) {
    // Without blanks: the operand itself when it has none.
    std::string without_blanks;
    std::string_view fields = operand;
    if (holds_byte(operand, ' ')) {
        without_blanks = remove_text(operand, " ");
        fields = without_blanks;
    }
    // A field views fields, or storage once something was taken out of it or it became a number.
    std::string storage;
    std::size_t start = 0;
    for (std::size_t end = 0; end <= fields.size(); ++end) {
        if (end < fields.size() && fields[end] != ',') {
            continue;
        }
        std::string_view field = fields.substr(start, end - start);
        start = end + 1;
        // A ">" anywhere selects the high byte, else a "<" the low one; the marker and any "#" go.
        bool high = false;
        bool low = false;
        for (const char c : field) {
            high = high || c == '>';
            low = low || c == '<';
        }
        int32_t select = SelectNone;
        if (high || low) {
            const char marker = high ? '>' : '<';
            storage.clear();
            for (const char c : field) {
                if (c != marker && c != '#') storage.push_back(c);
            }
            field = storage;
            select = high ? SelectHigh : SelectLow;
        }
        if (const int32_t v = ctx.symbols.variable(field); v >= 0) {
            storage = format_decimal(ctx.variables[v].value);
            field = storage;
        }
        if (const int32_t l = ctx.symbols.label(field); l >= 0) {
            add_label_field(ctx, word, field, l, select);
        } else if (!add_number_field(ctx, word, field, select)) {
            return;
        }
    }
}

// "text": the characters between the first quote and the operand's last character, each as the
// code its quoted-character notation gives (double quotes: character codes; backticks: screen codes).
void add_text(AssemblyContext& ctx, std::string_view operand) {
    const std::string quote = find_text(operand, "\"") != 0 ? "\"" : "`";
    const int32_t first = find_text(operand, quote);
    const std::string characters =
        remove_text(mid_text(operand, first + 1, text_length(operand) - first - 1), quote);
    const char q = quote.front();
    for (char c : characters) {
        add_byte(ctx, quoted_character_value(ctx, q, c));
    }
}

}  // namespace

void handle_data_directive(AssemblyContext& ctx, std::string_view word, std::string_view operand) {
    ctx.statement_class = StatementClass::DataStatement;
    if (operand.empty()) {
        goto_source_line(ctx.current_line);
        show_error("Data Error.", "No Data Values Found At Line Number `" + format_decimal(ctx.current_line) + "`");
        ctx.error = 1;
        return;
    }
    if (word == "text") {
        add_text(ctx, operand);
    } else {
        add_number_fields(ctx, word, operand);
    }
}

}  // namespace tarvok
