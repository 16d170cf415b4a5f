#include "codegen/data_directives.h"

#include <array>
#include <charconv>

#include "assembler/literals.h"
#include "assembler/messages.h"
#include "runtime/text/text.h"

namespace tarvok {

namespace {

// The word of a number line, told apart once per line: every field asks which it is.
enum class DataWord : uint8_t { Byte, Word, Dbyte };

DataWord data_word(std::string_view word) {
    if (word == "dbyte") {
        return DataWord::Dbyte;
    }
    return word == "word" ? DataWord::Word : DataWord::Byte;
}

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

void add_label_field(AssemblyContext& ctx, DataWord word, std::string_view label, int32_t label_index,
                     int32_t select) {
    if (word == DataWord::Dbyte) {
        add_label_byte(ctx, label, label_index, DataLabelHigh, SelectHigh);
        add_label_byte(ctx, label, label_index, OperandNumber, SelectLow);
    } else if (select == SelectHigh) {
        add_label_byte(ctx, label, label_index, DataLabelHigh, SelectHigh);
    } else if (select == SelectLow) {
        add_label_byte(ctx, label, label_index, DataLabelLow, SelectLow);
    } else if (word == DataWord::Word) {
        add_label_byte(ctx, label, label_index, OperandNumber, SelectLow);
        add_label_byte(ctx, label, label_index, DataLabelHigh, SelectHigh);
    } else {
        add_label_byte(ctx, label, label_index, DataLabelWhole, SelectNone);
    }
}

// The bytes of a number field of value v; false after an error.
bool add_number_field(AssemblyContext& ctx, DataWord word, int32_t v, int32_t select) {
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
    if (word == DataWord::Word) {
        if (select != SelectNone) {
            add_byte(ctx, v);
        } else {
            add_byte(ctx, v <= 255 ? 0 : high_byte(v));
            add_byte(ctx, low_byte(v));
        }
    } else if (word == DataWord::Dbyte) {
        add_byte(ctx, low_byte(v));
        add_byte(ctx, high_byte(v));
    } else {
        add_byte(ctx, v);  // above 255 it is emitted as its high byte
    }
    return true;
}

// One field of "byte", "word" or "dbyte", without blanks, the full way; false after an error that
// ends the line. The field may come to view storage.
bool add_field_in_full(AssemblyContext& ctx, DataWord word, std::string_view field, std::string& storage) {
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
        return true;
    }
    return add_number_field(ctx, word, literal_value(ctx, field), select);
}

// Calls take(field) for each field of "byte 1,2,3": the fields are split at every ","; an operand
// without a comma is one field. Stops when take gives false.
template <typename Take>
void for_each_field(std::string_view operand, Take take) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = operand.find(',', start);
        if (comma == std::string_view::npos) {
            take(operand.substr(start));
            return;
        }
        if (!take(operand.substr(start, comma - start))) {
            return;
        }
        start = comma + 1;
    }
}

// The fields of a number line, each the full way: the blanks of the whole operand go first.
void add_number_fields_in_full(AssemblyContext& ctx, DataWord word, std::string_view operand) {
    // Without blanks: the operand itself when it has none.
    std::string without_blanks;
    std::string_view fields = operand;
    if (holds_byte(operand, ' ')) {
        without_blanks = remove_text(operand, " ");
        fields = without_blanks;
    }
    std::string storage;
    for_each_field(fields, [&](std::string_view field) { return add_field_in_full(ctx, word, field, storage); });
}

// How a plain field's number is read when the field names no symbol.
enum class Notation : uint8_t { NotPlain, Name, Hex, Binary, Character };

// The bytes of a plain name or number: the lower-case letters, the digits, "_" and ".".
constexpr std::array<bool, 256> PlainBytes = [] {
    std::array<bool, 256> plain{};
    for (unsigned char c = 'a'; c <= 'z'; ++c) {
        plain[c] = true;
    }
    for (unsigned char c = '0'; c <= '9'; ++c) {
        plain[c] = true;
    }
    plain['_'] = true;
    plain['.'] = true;
    return plain;
}();

bool is_plain_byte(char c) { return PlainBytes[static_cast<unsigned char>(c)]; }

// The notation of a field without its "<" or ">" and its blanks (not empty).
Notation plain_notation(std::string_view core) {
    const char first = core.front();
    if (first == '"') {
        // A blank, "#", "<" or ">" between the quotes would be taken out by the full way.
        const char c = core.size() == 3 ? core[1] : ' ';
        return core.size() == 3 && core[2] == '"' && c != ' ' && c != '#' && c != '<' && c != '>'
                   ? Notation::Character
                   : Notation::NotPlain;
    }
    if (first == '%') {
        // Any other digit count is refused by the full way; a digit other than 0 and 1 (read as 0)
        // is left to it too.
        if (core.size() != 9 && core.size() != 17) {
            return Notation::NotPlain;
        }
        for (const char c : core.substr(1)) {
            if (c != '0' && c != '1') {
                return Notation::NotPlain;
            }
        }
        return Notation::Binary;
    }
    const std::size_t from = first == '$' ? 1 : 0;
    if (from == core.size()) {
        return Notation::NotPlain;
    }
    for (const char c : core.substr(from)) {
        if (!is_plain_byte(c)) {
            return Notation::NotPlain;
        }
    }
    return from == 1 ? Notation::Hex : Notation::Name;
}

// The value literal_value gives a plain field that names no symbol: the field holds no blank, no
// "#" and is no quoted blank, so its first byte alone chooses the reading.
int32_t plain_number(AssemblyContext& ctx, Notation notation, std::string_view core) {
    switch (notation) {
        case Notation::Hex:
            return hex_value(mid_view(core, 2, 4));
        case Notation::Binary: {
            int32_t value = 0;
            for (const char c : core.substr(1)) {
                value = value * 2 + (c == '1' ? 1 : 0);
            }
            return value;
        }
        case Notation::Character:
            return quoted_character_value(ctx, '"', core[1]);
        default:
            // Up to five digits when it starts with one, else the one byte that reads as 0.
            return parse_decimal(left_view(core, core.front() >= '0' && core.front() <= '9' ? 5 : 1));
    }
}

// The bytes of a plain number field, unless the full way refuses it (the high byte of a number
// below 256); then nothing is added.
bool add_plain_number(AssemblyContext& ctx, DataWord word, int32_t value, int32_t select) {
    if (select == SelectHigh && value < 256) {
        return false;
    }
    return add_number_field(ctx, word, value, select);
}

// add_plain_data_field for the word of the line.
bool add_plain_field(AssemblyContext& ctx, DataWord word, std::string_view field) {
    std::string_view core = without_blanks_around(field);
    int32_t select = SelectNone;
    if (!core.empty() && (core.front() == '<' || core.front() == '>')) {
        select = core.front() == '>' ? SelectHigh : SelectLow;
        core.remove_prefix(1);
    }
    if (core.empty()) {
        return false;
    }
    // The full way's field once its marker is out: a blank, "<" or ">" in it is not plain.
    const Notation notation = plain_notation(core);
    if (notation == Notation::NotPlain) {
        return false;
    }
    if (const int32_t v = ctx.symbols.variable(core); v >= 0) {
        // The full way looks the value's decimal text up as a label, then reads it back: for
        // 0..99999 (a variable holds 0..65535) that gives the value itself.
        const int32_t value = ctx.variables[v].value;
        char digits[12];
        const std::to_chars_result written = std::to_chars(digits, digits + sizeof digits, value);
        const std::string_view decimal(digits, static_cast<std::size_t>(written.ptr - digits));
        if (const int32_t l = ctx.symbols.label(decimal); l >= 0) {
            add_label_field(ctx, word, decimal, l, select);
            return true;
        }
        return add_plain_number(ctx, word, value >= 0 && value <= 99999 ? value : literal_value(ctx, decimal),
                                select);
    }
    if (const int32_t l = ctx.symbols.label(core); l >= 0) {
        add_label_field(ctx, word, core, l, select);
        return true;
    }
    return add_plain_number(ctx, word, plain_number(ctx, notation, core), select);
}

// The fields of a number line: a plain one the short way, any other the full way.
void add_number_fields(AssemblyContext& ctx, DataWord word, std::string_view operand) {
    std::string without_blanks;
    std::string storage;
    for_each_field(operand, [&](std::string_view field) {
        if (add_plain_field(ctx, word, field)) {
            return true;
        }
        // Removing the operand's blanks and then splitting it gives each field without its blanks.
        if (holds_byte(field, ' ')) {
            without_blanks = remove_text(field, " ");
            field = without_blanks;
        }
        return add_field_in_full(ctx, word, field, storage);
    });
}

// "text": the characters between the first quote and the operand's last character, each as the
// code its quoted-character notation gives (double quotes: character codes; backticks: screen codes);
// the quotes among them are left out.
void add_text(AssemblyContext& ctx, std::string_view operand) {
    const char q = holds_byte(operand, '"') ? '"' : '`';
    const int32_t first = find_text(operand, std::string_view(&q, 1));
    for (const char c : mid_view(operand, first + 1, text_length(operand) - first - 1)) {
        if (c != q) {
            add_byte(ctx, quoted_character_value(ctx, q, c));
        }
    }
}

void handle_data(AssemblyContext& ctx, std::string_view word, std::string_view operand, bool plain_fields) {
    ctx.statement_class = StatementClass::DataStatement;
    if (operand.empty()) {
        goto_source_line(ctx.current_line);
        show_error("Data Error.", "No Data Values Found At Line Number `" + format_decimal(ctx.current_line) + "`");
        ctx.error = 1;
        return;
    }
    if (word == "text") {
        add_text(ctx, operand);
    } else if (plain_fields) {
        add_number_fields(ctx, data_word(word), operand);
    } else {
        add_number_fields_in_full(ctx, data_word(word), operand);
    }
}

}  // namespace

void handle_data_directive(AssemblyContext& ctx, std::string_view word, std::string_view operand) {
    handle_data(ctx, word, operand, true);
}

bool add_plain_data_field(AssemblyContext& ctx, std::string_view word, std::string_view field) {
    return add_plain_field(ctx, data_word(word), field);
}

void handle_data_directive_in_full(AssemblyContext& ctx, std::string_view word, std::string_view operand) {
    handle_data(ctx, word, operand, false);
}

}  // namespace tarvok
