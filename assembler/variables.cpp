#include "assembler/variables.h"

#include <unordered_map>

#include "assembler/literals.h"
#include "assembler/messages.h"
#include "runtime/text/text.h"

namespace tarvok {

namespace {

constexpr std::string_view QuotedEquals = "\"=\"";
// A definition whose value is a quoted double quote: the name is the double quote itself.
constexpr std::string_view QuotedQuoteDefinition = "\"=\"\"\"";

// Reads one Assignment line; false when an error ends the whole step.
bool read_definition(AssemblyContext& ctx, int32_t i) {
    // The line without blanks, tabs and line breaks, gathered in one pass.
    std::string t;
    t.reserve(ctx.lines[i].text.size());
    for (const char c : ctx.lines[i].text) {
        if (c != ' ' && c != '\t' && c != '\n') t.push_back(c);
    }
    int32_t e = find_text(t, "=");
    const int32_t semicolon = find_text(t, ";");
    if (semicolon != 0 && semicolon < e) {
        ctx.line_kind[i] = Open;
        return true;
    }
    int32_t q = find_text(t, QuotedEquals);
    if (count_text(t, "=") >= 3) {
        q = 0;
        e += 1;
    }
    if (find_text(t, QuotedQuoteDefinition) != 0) {
        q = 0;
    }
    if (q != 0) {
        ctx.line_kind[i] = Open;
        return true;
    }
    if (semicolon != 0 && find_text(t, "\";\"") == 0) {
        t = left_text(t, semicolon - 1);
    }

    VariableEntry entry;
    entry.line = i;
    if (find_text(t, QuotedQuoteDefinition) != 0) {
        // One character assigned as a character: GCC 12 at -O3 reports a false -Wrestrict for
        // the assignment of the one-character text.
        entry.name.assign(1, '"');
        entry.value = 34;
    } else {
        entry.name = left_text(t, e - 1);
        std::string value_text = mid_text(t, e + 1, text_length(t));
        if (find_text(value_text, "#") != 0) {
            entry.immediate = 1;
            if (find_text(value_text, "#$") == 0) {
                value_text = remove_text(value_text, "#");
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
// line of the name's last definition.
void refuse_double_definitions(AssemblyContext& ctx) {
    struct Seen {
        int32_t count = 0;
        int32_t last_line = 0;
    };
    std::unordered_map<std::string, Seen> seen;
    seen.reserve(ctx.variables.size());
    for (const VariableEntry& v : ctx.variables) {
        Seen& s = seen[v.name];
        ++s.count;
        s.last_line = v.line;
    }
    for (const VariableEntry& v : ctx.variables) {
        const Seen& s = seen[v.name];
        if (s.count > 1) {
            goto_source_line(s.last_line);
            show_error("Variable Error.", "Double Defined Variable `" + v.name + "`At  Line No " +
                                              format_decimal(s.last_line));
            ctx.error = 1;
            return;
        }
    }
}

}  // namespace

void collect_variables(AssemblyContext& ctx) {
    for (int32_t i = 0; i < static_cast<int32_t>(ctx.lines.size()); ++i) {
        if (ctx.line_kind[i] == Assignment && !read_definition(ctx, i)) {
            return;
        }
    }
    refuse_double_definitions(ctx);
    ctx.symbols.index_variables(ctx.variables);
}

}  // namespace tarvok
