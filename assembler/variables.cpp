#include "assembler/variables.h"

#include <algorithm>

#include "assembler/literals.h"
#include "assembler/messages.h"
#include "runtime/text/text.h"

namespace tarvok {

namespace {

constexpr std::string_view QuotedEquals = "\"=\"";
// A definition whose value is a quoted double quote: the name is the double quote itself.
constexpr std::string_view QuotedQuoteDefinition = "\"=\"\"\"";

// find_text of a pattern in one short line, by the library's search.
int32_t position_of(std::string_view s, std::string_view pattern) {
    const std::size_t p = s.find(pattern);
    return p == std::string_view::npos ? 0 : static_cast<int32_t>(p) + 1;
}

// Reads one Assignment line; false when an error ends the whole step. t is room for the line's
// text without blanks.
bool read_definition(AssemblyContext& ctx, int32_t i, std::string& t) {
    // The line without blanks, tabs and line breaks, gathered in one pass.
    t.clear();
    for (const char c : ctx.lines[i].text) {
        if (c != ' ' && c != '\t' && c != '\n') t.push_back(c);
    }
    int32_t e = position_of(t, "=");
    const int32_t semicolon = position_of(t, ";");
    if (semicolon != 0 && semicolon < e) {
        ctx.line_kind[i] = Open;
        return true;
    }
    int32_t q = position_of(t, QuotedEquals);
    if (std::count(t.begin(), t.end(), '=') >= 3) {
        q = 0;
        e += 1;
    }
    if (position_of(t, QuotedQuoteDefinition) != 0) {
        q = 0;
    }
    if (q != 0) {
        ctx.line_kind[i] = Open;
        return true;
    }
    std::string_view definition = t;
    if (semicolon != 0 && position_of(t, "\";\"") == 0) {
        definition = left_view(definition, semicolon - 1);
    }

    VariableEntry entry;
    entry.line = i;
    if (position_of(definition, QuotedQuoteDefinition) != 0) {
        // One character assigned as a character: GCC 12 at -O3 reports a false -Wrestrict for
        // the assignment of the one-character text.
        entry.name.assign(1, '"');
        entry.value = 34;
    } else {
        entry.name = std::string(left_view(definition, e - 1));
        std::string_view value_text = mid_view(definition, e + 1, text_length(definition));
        std::string without_hash;
        if (position_of(value_text, "#") != 0) {
            entry.immediate = 1;
            if (position_of(value_text, "#$") == 0) {
                without_hash = remove_text(value_text, "#");
                value_text = without_hash;
            }
        }
        entry.value = literal_value(ctx, value_text);
    }
    if (entry.value > 65535) {
        show_error("Variable Value error.", "Variable Value To Large,>65535,$ffff");
        ctx.error = 1;
        return false;
    }
    if (entry.name == "a" || entry.name == "A") {
        show_error_then_goto(ctx, "Variable Error", "Please Don`t Use `a` as a Variable,only use with ASL A,Ect", i);
        ctx.error = 1;
    }
    entry.size = entry.value <= 255 ? 1 : 2;
    ctx.variables.push_back(std::move(entry));
    ctx.line_kind[i] = Consumed;
    return true;
}

// Reports the first variable (in definition order) whose name is defined more than once, at the
// line of the name's last definition. The variables are indexed.
void refuse_double_definitions(AssemblyContext& ctx) {
    const NameIndex& names = ctx.symbols.variable_names;
    if (!names.has_repeats()) {
        return;
    }
    for (const VariableEntry& v : ctx.variables) {
        const int32_t first = names.first(v.name);
        const int32_t last = names.last_of(first);
        if (last != first) {
            const int32_t last_line = ctx.variables[static_cast<std::size_t>(last)].line;
            goto_source_line(last_line);
            show_error("Variable Error.", "Double Defined Variable `" + v.name + "`At  Line No " +
                                              format_decimal(last_line));
            ctx.error = 1;
            return;
        }
    }
}

}  // namespace

void collect_variables(AssemblyContext& ctx) {
    std::string t;
    for (int32_t i = 0; i < static_cast<int32_t>(ctx.lines.size()); ++i) {
        if (ctx.line_kind[i] == Assignment && !read_definition(ctx, i, t)) {
            return;
        }
    }
    ctx.symbols.index_variables(ctx.variables);
    refuse_double_definitions(ctx);
}

}  // namespace tarvok
