#include "assembler/source_lines.h"


#include "runtime/text/text.h"
#include "runtime/window/window.h"

namespace tarvok {

namespace {

// True when the line holds "*=": some "=" right after a "*".
bool holds_start_directive(std::string_view text, std::size_t first_equals) {
    for (std::size_t p = first_equals; p != std::string_view::npos; p = text.find('=', p + 1)) {
        if (p > 0 && text[p - 1] == '*') {
            return true;
        }
    }
    return false;
}

}  // namespace

void read_source_lines(AssemblyContext& ctx) { read_source_lines(ctx, get_editor_lines(MainEditorId)); }

void read_source_lines(AssemblyContext& ctx, std::string editor_lines) {
    // The whole text in one read, lower-cased in one pass; each line is a view into it.
    ctx.source_text = std::move(editor_lines);
    lower_text_in_place(ctx.source_text);
    const std::string_view text = ctx.source_text;
    ctx.lines.clear();
    ctx.lines.reserve(static_cast<std::size_t>(ctx.line_count) + 1);
    std::size_t start = 0;
    for (int32_t i = 0; i <= ctx.line_count; ++i) {
        std::string_view line;
        if (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            line = text.substr(start, (end == std::string_view::npos ? text.size() : end) - start);
            start += line.size() + 1;
        }
        if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            ctx.line_kind[i] = holds_start_directive(line, equals) ? StartCandidate : Assignment;
        }
        if (ctx.includes_expanded == 1 && find_text(line, "include") != 0) {
            ctx.line_kind[i] = IncludeLine;
        }
        ctx.lines.push_back(SourceLine{line});
    }
}

void mark_blank_lines(AssemblyContext& ctx) {
    for (std::size_t i = 0; i < ctx.lines.size(); ++i) {
        if (ctx.line_kind[i] != Open) {
            continue;
        }
        // Blank, tab and line break do not count: a line with nothing else, or with ";" first.
        const std::string_view t = ctx.lines[i].text;
        std::size_t first = 0;
        while (first < t.size() && (t[first] == ' ' || t[first] == '\t' || t[first] == '\n')) {
            ++first;
        }
        if (first == t.size() || t[first] == ';') {
            ctx.line_kind[i] = Consumed;
        }
    }
}

}  // namespace tarvok
