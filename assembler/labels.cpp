#include "assembler/labels.h"

#include "assembler/messages.h"
#include "assembler/statement_pass.h"
#include "assembler/table_words.h"
#include "runtime/text/text.h"

namespace tarvok {

namespace {

bool is_word_separator(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Reports the first label (in definition order) whose name comes again later, with the line of that
// first entry and of the next entry of the same name. True when one was reported. The labels must
// be indexed.
bool refuse_double_labels(AssemblyContext& ctx) {
    if (!ctx.symbols.label_names.has_repeats()) {
        return false;
    }
    const auto n = static_cast<int32_t>(ctx.labels.size());
    for (int32_t i = 0; i < n; ++i) {
        const LabelEntry& first = ctx.labels[i];
        // A name defined once has the same first and last entry.
        if (ctx.symbols.last_label_named(first.name) == i) {
            continue;
        }
        int32_t second = i + 1;
        while (ctx.labels[second].name != first.name) {
            ++second;
        }
        goto_source_line(first.line);
        show_error("Label Error.", "Double Defined  Label `" + first.name + "` At line No " +
                                       format_decimal(first.line) + " And Line " +
                                       format_decimal(ctx.labels[second].line));
        ctx.error = 1;
        return true;
    }
    return false;
}

// Reports the first label (in definition order) that has the name of a variable: of the first
// labels of every variable's name, the one defined first. The variables are indexed.
void refuse_labels_that_are_variables(AssemblyContext& ctx) {
    int32_t first = -1;
    for (const VariableEntry& variable : ctx.variables) {
        const int32_t l = ctx.symbols.label(variable.name);
        if (l >= 0 && (first < 0 || l < first)) {
            first = l;
        }
    }
    if (first >= 0) {
        const LabelEntry& label = ctx.labels[static_cast<std::size_t>(first)];
        const int32_t v = ctx.symbols.variable(label.name);
        goto_source_line(label.line);
        show_error("Lable/Variable Error.", "Label Defined As Variable `" + label.name +
                                                "` At line No " + format_decimal(label.line) +
                                                " And Line " +
                                                format_decimal(ctx.variables[v].line));
        ctx.error = 1;
    }
}

}  // namespace

void collect_labels(AssemblyContext& ctx) {
    int32_t ordinal = 0;
    // At most one label per line: room for them at once instead of copying them as the list grows.
    ctx.labels.reserve(ctx.lines.size());
    for (int32_t i = 0; i < static_cast<int32_t>(ctx.lines.size()); ++i) {
        if (ctx.line_kind[i] != Open) {
            continue;
        }
        // Source lines hold no line break, so the line is its own text without one.
        const std::string_view t = strip_line_comment(ctx.lines[i]);
        ctx.lines[i].code_size = static_cast<uint32_t>(t.size());
        if (t.empty()) {
            continue;
        }
        std::size_t p = 0;
        while (p < t.size() && (t[p] == ' ' || t[p] == '\t' || t[p] == '\n')) {
            ++p;
        }
        const std::size_t begin = p;
        while (p < t.size() && !is_word_separator(t[p])) {
            ++p;
        }
        const std::string_view word = t.substr(begin, p - begin);
        if (is_table_word(word)) {
            ++ordinal;
            continue;
        }
        // Something other than tabs, line breaks and blanks must follow the label (after the
        // character that ended it).
        std::size_t after = p + 1;
        while (after < t.size() && (t[after] == '\t' || t[after] == '\n' || t[after] == ' ')) {
            ++after;
        }
        const bool nothing_after = p >= t.size() || after >= t.size();
        if (nothing_after) {
            ctx.error = 1;
            show_error_then_goto(ctx, "Lable Error.", "Lable Is Not Marked against op or data value.", i);
            return;
        }
        ctx.labels.push_back(LabelEntry{std::string(word), ordinal, -1, i});
        ctx.line_has_label[i] = 1;
        ++ordinal;
    }
    ctx.symbols.index_labels(ctx.labels, ctx.line_count);
    if (ctx.labels.empty()) {
        return;
    }
    if (!refuse_double_labels(ctx)) {
        refuse_labels_that_are_variables(ctx);
    }
}

}  // namespace tarvok
