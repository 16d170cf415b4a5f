#include "assembler/source_lines.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

constexpr std::size_t MarkBlock = 16;

// The bytes read_source_lines notes: one of these, or the "t" of "te" or the "w" of "wo".
bool is_marked_byte(char c) {
    return c == '\n' || c == '=' || c == ';' || c == '\t' || c == ',' || c == '"';
}

// Bit k set when byte block + k of the text (k < 16) is one read_source_lines notes.
uint32_t marked_bytes(std::string_view text, std::size_t block) {
#if defined(__SSE2__)
    // The pairs need the byte after the block too.
    if (block + MarkBlock < text.size()) {
        const auto* at = reinterpret_cast<const __m128i*>(text.data() + block);
        const __m128i v = _mm_loadu_si128(at);
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + block + 1));
        const __m128i bytes = _mm_or_si128(
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n')), _mm_cmpeq_epi8(v, _mm_set1_epi8('='))),
                         _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(';')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\t')))),
            _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(',')), _mm_cmpeq_epi8(v, _mm_set1_epi8('"'))));
        const __m128i pairs =
            _mm_or_si128(_mm_and_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('t')), _mm_cmpeq_epi8(next, _mm_set1_epi8('e'))),
                         _mm_and_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('w')), _mm_cmpeq_epi8(next, _mm_set1_epi8('o'))));
        return static_cast<uint32_t>(_mm_movemask_epi8(_mm_or_si128(bytes, pairs)));
    }
#endif
    uint32_t marks = 0;
    const std::size_t end = block + MarkBlock < text.size() ? block + MarkBlock : text.size();
    for (std::size_t at = block; at < end; ++at) {
        const char c = text[at];
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        const bool pair = (c == 't' && next == 'e') || (c == 'w' && next == 'o');
        marks |= is_marked_byte(c) || pair ? uint32_t{1} << (at - block) : 0;
    }
    return marks;
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
    ctx.source_commas = 0;

    // One pass over the text finds every byte that a later step looks for in a line (line breaks,
    // "=", ";", tabs, commas, double quotes, the pairs of the data words), sixteen at a time, and
    // notes it at its line.
    SourceLine current;
    std::size_t line_start = 0;
    int32_t i = 0;
    // Ends the line before the line break at `end`; false once line_count + 1 lines are read.
    auto end_line = [&](std::size_t end, uint32_t equals) {
        current.text = text.substr(line_start, end - line_start);
        if (equals != NoMark) {
            ctx.line_kind[i] = holds_start_directive(current.text, equals) ? StartCandidate : Assignment;
        }
        if (ctx.includes_expanded == 1 && find_text(current.text, "include") != 0) {
            ctx.line_kind[i] = IncludeLine;
        }
        ctx.lines.push_back(current);
        current = SourceLine{};
        line_start = end + 1;
        ++i;
        return i <= ctx.line_count;
    };
    uint32_t equals = NoMark;
    bool more = i <= ctx.line_count;
    for (std::size_t block = 0; more && block < text.size(); block += MarkBlock) {
        for (uint32_t marks = marked_bytes(text, block); marks != 0 && more; marks &= marks - 1) {
            const std::size_t at = block + static_cast<std::size_t>(__builtin_ctz(marks));
            const auto offset = static_cast<uint32_t>(at - line_start);
            switch (text[at]) {
                case '\n':
                    more = end_line(at, equals);
                    equals = NoMark;
                    break;
                case '=':
                    equals = equals == NoMark ? offset : equals;
                    break;
                case ';':
                    current.semicolon = current.semicolon == NoMark ? offset : current.semicolon;
                    break;
                case '\t':
                    current.has_tab = 1;
                    break;
                case '"':
                    current.has_quote = 1;
                    break;
                case 't':
                case 'w':
                    current.data_word_pair = current.semicolon == NoMark ? 1 : current.data_word_pair;
                    break;
                default:  // ','
                    ++ctx.source_commas;
                    break;
            }
        }
    }
    // The last line when no line break ends it, then the empty lines past the text.
    if (more && line_start < text.size()) {
        more = end_line(text.size(), equals);
    }
    while (static_cast<int32_t>(ctx.lines.size()) <= ctx.line_count) {
        ctx.lines.push_back(SourceLine{});
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
