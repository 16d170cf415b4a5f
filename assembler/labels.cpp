#include "assembler/labels.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "assembler/messages.h"
#include "assembler/source_lines.h"
#include "assembler/statement_pass.h"
#include "assembler/table_words.h"
#include "runtime/text/text.h"

namespace tarvok {

namespace {

bool is_word_separator(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Where the word that starts at `begin` in t ends: at the first blank, tab, line break or carriage
// return, or at t's end. t is a view into a text whose bytes up to readable_end may be read, past
// t's end too.
std::size_t word_end(std::string_view t, std::size_t begin, const char* readable_end) {
    std::size_t p = begin;
#if defined(__SSE2__)
    // Sixteen bytes at a time while they can be read; the bytes past t are read, not counted.
    while (p < t.size() && readable_end - (t.data() + p) >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t.data() + p));
        const __m128i ends = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(' ')),
                                                       _mm_cmpeq_epi8(v, _mm_set1_epi8('\t'))),
                                          _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n')),
                                                       _mm_cmpeq_epi8(v, _mm_set1_epi8('\r'))));
        if (const auto found = static_cast<uint32_t>(_mm_movemask_epi8(ends)); found != 0) {
            return std::min(p + static_cast<std::size_t>(__builtin_ctz(found)), t.size());
        }
        p += 16;
    }
    if (p >= t.size()) {
        return t.size();
    }
#else
    (void)readable_end;
#endif
    while (p < t.size() && !is_word_separator(t[p])) {
        ++p;
    }
    return p;
}

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
    const char* const readable_end = ctx.source_text.data() + ctx.source_text.size();
    for (int32_t i = 0; i < static_cast<int32_t>(ctx.lines.size()); ++i) {
        if (ctx.line_kind[i] != Open) {
            continue;
        }
        SourceLine& line = ctx.lines[i];
        // Source lines hold no line break, so the line is its own text without one.
        const std::string_view t = strip_line_comment(line);
        line.code_size = static_cast<uint32_t>(t.size());
        if (t.empty()) {
            continue;
        }
        // The word starts after the blanks, tabs and line breaks in front of it; the line's own
        // first byte other than those is that place unless the comment was cut before it.
        std::size_t p = line.indent != UnknownSize ? std::min<std::size_t>(line.indent, t.size())
                                                   : first_non_blank(t);
        if (p < t.size()) {
            line.indent = static_cast<uint32_t>(p);
        }
        const std::size_t begin = p;
        p = word_end(t, p, readable_end);
        const std::string_view word = t.substr(begin, p - begin);
        if (const int32_t row = table_word_row(word); row >= 0) {
            line.word_row = static_cast<int8_t>(row);
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
        // The statement pass finds the label at the line's indent (a word that starts with a
        // carriage return is empty, and is left to it).
        line.word_row = word.empty() ? UnknownRow : -1;
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
