#include "codegen/operand_forms.h"

#include <array>

namespace tarvok {

namespace {

// The bytes of a name: the lower-case letters, the digits, "_" and ".".
constexpr std::array<bool, 256> NameBytes = [] {
    std::array<bool, 256> bytes{};
    for (int c = 'a'; c <= 'z'; ++c) {
        bytes[static_cast<std::size_t>(c)] = true;
    }
    for (int c = '0'; c <= '9'; ++c) {
        bytes[static_cast<std::size_t>(c)] = true;
    }
    bytes['_'] = true;
    bytes['.'] = true;
    return bytes;
}();

bool is_name_byte(char c) { return NameBytes[static_cast<unsigned char>(c)]; }

bool is_operator(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }

// Position after the run of name bytes that starts at `at`.
std::size_t skip_name(std::string_view text, std::size_t at) {
    while (at < text.size() && is_name_byte(text[at])) {
        ++at;
    }
    return at;
}

// "(" [$] name, then "),y", ",x)" or ")". The name inside is what is looked up; an indirect
// shape never holds "#", and one without an index is a zero page one, with or without "$".
bool read_indirect(std::string_view full, OperandForm& form) {
    std::size_t at = 1;
    form.dollar = at < full.size() && full[at] == '$';
    at += form.dollar ? 1 : 0;
    const std::size_t name_end = skip_name(full, at);
    if (name_end == at) {
        return false;
    }
    const std::string_view rest = full.substr(name_end);
    if (rest == "),y") {
        form.mode = IndirectY;
    } else if (rest == ",x)") {
        form.mode = IndirectX;
    } else if (rest == ")") {
        form.mode = ZeroPage;
    } else {
        return false;
    }
    form.name = full.substr(1, name_end - 1);
    return true;
}

}  // namespace

bool read_operand_form(std::string_view full, OperandForm& form) {
    if (full.empty()) {
        return false;
    }
    form = OperandForm{};
    form.full = full;
    if (full.front() == '(') {
        return read_indirect(full, form);
    }

    std::size_t at = 0;
    const bool hash = full[at] == '#';
    at += hash ? 1 : 0;
    if (full.substr(at).size() == 3 && full[at] == '"' && is_name_byte(full[at + 1]) && full[at + 2] == '"') {
        // A quoted character: a number whatever its character, whose shape holds no marker.
        form.name = full;
        form.quoted = true;
        return true;
    }
    if (at < full.size() && (full[at] == '<' || full[at] == '>')) {
        form.byte_select = full[at] == '<' ? SelectLow : SelectHigh;
        ++at;
    }
    // With a byte selection the name is what follows "<" or ">" (without the "#" in front of them);
    // else it starts at the front.
    const std::size_t name_begin = form.byte_select != SelectNone ? at : 0;
    const char marker = at < full.size() && (full[at] == '$' || full[at] == '%') ? full[at] : '\0';
    form.dollar = marker == '$';
    form.binary = marker == '%';
    at += marker != '\0' ? 1 : 0;
    const std::size_t name_end = skip_name(full, at);
    if (name_end == at) {
        return false;
    }
    // A binary number of another length is refused with a message by the full resolution.
    if (form.binary && name_end - at != 8 && name_end - at != 16) {
        return false;
    }
    at = name_end;
    if (at < full.size() && is_operator(full[at])) {
        if (form.byte_select != SelectNone || form.binary) {
            return false;
        }
        const std::size_t term_end = skip_name(full, at + 1);
        if (term_end == at + 1) {
            return false;
        }
        form.expression = true;
        at = term_end;
    }
    char index = '\0';  // 'x' or 'y' after a comma
    if (at + 2 == full.size() && full[at] == ',' && (full[at + 1] == 'x' || full[at + 1] == 'y')) {
        if (form.byte_select != SelectNone) {
            return false;
        }
        index = full[at + 1];
        at += 2;
    }
    if (at != full.size()) {
        return false;
    }
    form.name = full.substr(name_begin, name_end - name_begin);

    // The shape, as classify_operand_shape finds it in the operand without its byte selection and
    // without the operator and its right term: ",y" and ",x" first, then "#$", then "$".
    const std::size_t shape_length =
        name_end - (form.byte_select != SelectNone ? 1 : 0) + (index != '\0' ? 2 : 0);
    if (index == 'y') {
        form.mode = AbsoluteY;
    } else if (index == 'x') {
        form.mode = shape_length > 3 ? AbsoluteX : ZeroPageIndexed;
    } else if (hash && form.dollar) {
        form.mode = Immediate;
    } else if (form.dollar) {
        form.mode = shape_length > 3 ? Absolute : ZeroPage;
    } else {
        form.mode = Plain;
    }
    return true;
}

}  // namespace tarvok
