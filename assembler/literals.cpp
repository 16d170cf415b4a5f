#include "assembler/literals.h"

#include "assembler/messages.h"
#include "runtime/text/text.h"

namespace tarvok {

int32_t hex_value(std::string_view digits) {
    if (digits.empty()) {
        return 0;
    }
    const std::size_t kept = digits.size() < 4 ? digits.size() : 4;
    int32_t weight = 1 << (4 * static_cast<int32_t>(kept - 1));
    int32_t value = 0;
    for (std::size_t i = 0; i < kept; ++i) {
        auto c = static_cast<unsigned char>(digits[i]);
        if ((c >= 0x61 && c <= 0x7A) || c >= 0xE0) {
            c = static_cast<unsigned char>(c - 0x20);  // upper_text's rule
        }
        int32_t digit = c;
        if (c >= 'A' && c <= 'F') {
            digit = c - 55;
        } else if (c >= '0' && c <= '9') {
            digit = c - 48;
        }
        value += digit * weight;
        weight /= 16;
    }
    return value;
}

namespace {

constexpr int32_t PoundSign = 163;

int32_t binary_value(AssemblyContext& ctx, std::string_view text) {
    const std::string digits = remove_text(text, "%");
    const int32_t n = text_length(digits);
    if (n != 8 && n != 16) {
        goto_source_line(ctx.current_line);
        show_error("Error.", "Binary Number Error,Must Be 8 or 16 Digits.");
        ctx.error = 1;
        return 0;
    }
    int32_t weight = n == 8 ? 128 : 32768;
    int32_t value = 0;
    for (char c : digits) {
        if (c == '1') {
            value += weight;
        }
        weight /= 2;
    }
    return value;
}

int32_t screen_code_value(AssemblyContext& ctx, std::string_view text) {
    int32_t c = char_code(mid_view(text, 2, 1));
    switch (c) {
        case PoundSign: c = 28; break;
        case ']': c = 29; break;
        case '`': c = 39; break;
        case '^': c = 30; break;
        default: break;
    }
    if (c >= 64 && c <= 91) {
        c -= 64;
    }
    if (c >= 97 && c <= 122) {
        c -= 96;
    }
    if (c > 91) {
        goto_source_line(ctx.current_line);
        show_error("Error.", "Invaild Screen Char,I only do @-?,0-63");
        ctx.error = 1;
        return 0;
    }
    return c;
}

int32_t character_value(std::string_view text) {
    int32_t c = char_code(mid_view(text, 2, 1));
    if ((c >= 0x61 && c <= 0x7A) || c >= 0xE0) {
        c -= 0x20;  // upper_text's rule
    }
    return c == PoundSign ? 92 : c;
}

}  // namespace

std::string hex_to_decimal(std::string_view digits) {
    return format_decimal(hex_value(digits));
}

std::string literal_to_decimal(AssemblyContext& ctx, std::string_view text) {
    return format_decimal(literal_value(ctx, text));
}

int32_t quoted_character_value(AssemblyContext& ctx, char quote, char c) {
    // A double-quoted character other than the blank and "#" (which literal_value takes out)
    // is its character code; everything else goes the whole way.
    if (quote == '"' && c != ' ' && c != '#') {
        const char quoted[3] = {quote, c, quote};
        return character_value(std::string_view(quoted, 3));
    }
    const char quoted[3] = {quote, c, quote};
    return literal_value(ctx, std::string_view(quoted, 3));
}

int32_t literal_value(AssemblyContext& ctx, std::string_view text) {
    // A quoted blank, also one whose blank a caller has already removed.
    if (text == "\" \"" || text == "\"\"" || text == "` `") {
        return 32;
    }
    // The text without blanks, and without "#" unless it holds "#$": copies only when there is
    // something to take out.
    std::string without_blanks;
    std::string without_hash;
    std::string_view t = text;
    if (holds_byte(t, ' ')) {
        without_blanks = remove_text(t, " ");
        t = without_blanks;
    }
    if (holds_byte(t, '#') && find_text(t, "#$") == 0) {
        without_hash = remove_text(t, "#");
        t = without_hash;
    }
    const char first = t.empty() ? '\0' : t.front();
    int32_t value = 0;
    if (first == '$') {
        value = hex_value(mid_view(t, 2, 4));
    } else if (first == '#') {
        value = hex_value(mid_view(t, 3, 2));
    } else if (first == '%') {
        value = binary_value(ctx, t);
    } else if (first == '"') {
        value = character_value(t);
    } else if (first == '`') {
        value = screen_code_value(ctx, t);
    } else if (first >= '0' && first <= '9') {
        value = parse_decimal(left_view(t, 5));
    } else {
        value = parse_decimal(left_view(t, 1));
    }
    return value;
}

}  // namespace tarvok
