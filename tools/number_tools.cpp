#include "tools/number_tools.h"

#include <string>
#include <string_view>

#include "assembler/literals.h"
#include "runtime/text/text.h"
#include "runtime/window/window.h"
#include "tools/tool_ids.h"

namespace tarvok {

namespace {

// "$" and at least four hexadecimal digits: "$00FF", "$10000", "$FFFFFFFF".
std::string hex_output(int32_t value) {
    std::string digits = format_hex(value);
    if (text_length(digits) < 4) {
        digits = text_pad_left(digits, 4, "0");
    }
    return "$" + digits;
}

// literal_to_decimal for a tool: the conversion reports its two errors exactly as in the source,
// selecting the last assembly's current line and setting the error flag, which the next assembly
// clears. Returns false after such an error, so that the field keeps what the user typed.
bool convert_literal(AssemblyContext& ctx, std::string_view literal, std::string& decimal) {
    const uint8_t error_before = ctx.error;
    ctx.error = 0;
    decimal = literal_to_decimal(ctx, literal);
    const bool failed = ctx.error != 0;
    ctx.error = static_cast<uint8_t>(error_before | ctx.error);
    return !failed;
}

// The character tools: the first character of the field (blanks do not count; a field of blanks
// stands for a blank) converted as a character literal between two quote characters.
void show_character_literal(AssemblyContext& ctx, int32_t field, char quote) {
    const std::string s = get_control_text(field);
    if (s.empty()) {
        return;
    }
    const std::string t = remove_text(s, " ");
    if (t.empty()) {
        set_control_text(field, "32");
        return;
    }
    std::string decimal;
    if (convert_literal(ctx, std::string{quote} + t.front() + quote, decimal)) {
        set_control_text(field, format_decimal(parse_decimal(decimal)));
    }
}

}  // namespace

void convert_number(AssemblyContext& ctx) {
    const std::string s = get_control_text(NumConvertField);
    if (s.empty()) {
        return;
    }
    const bool hex_input = find_text(s, "$") != 0;
    if (!hex_input && find_text(s, "%") == 0) {
        set_control_text(NumConvertField, hex_output(parse_decimal(s)));
        return;
    }
    std::string decimal;
    if (!convert_literal(ctx, s, decimal)) {
        return;
    }
    set_control_text(NumConvertField, hex_input ? "dec " + decimal : hex_output(parse_decimal(decimal)));
}

void show_character_code(AssemblyContext& ctx) {
    show_character_literal(ctx, AsciiValueField, '"');
}

void show_screen_code(AssemblyContext& ctx) {
    show_character_literal(ctx, ScreenCodeField, '`');
}

}  // namespace tarvok
