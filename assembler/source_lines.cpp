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

// The bytes of one block of sixteen that read_source_lines notes, one bit per byte and kind; a
// pair bit marks the "t" of "te" or the "w" of "wo".
struct BlockMarks {
    uint32_t breaks = 0;
    uint32_t equals = 0;
    uint32_t semicolons = 0;
    uint32_t tabs = 0;
    uint32_t quotes = 0;
    uint32_t commas = 0;
    uint32_t pairs = 0;
    uint32_t noted = 0;  // equals, semicolons, tabs, quotes and pairs together
};

#if defined(__SSE2__)
uint32_t bytes_equal(__m128i v, char c) {
    return static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(c))));
}
#endif

BlockMarks block_marks(std::string_view text, std::size_t block) {
    BlockMarks marks;
#if defined(__SSE2__)
    // The pairs need the byte after the block too.
    if (block + MarkBlock < text.size()) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + block));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + block + 1));
        marks.breaks = bytes_equal(v, '\n');
        marks.commas = bytes_equal(v, ',');
        const __m128i equals = _mm_cmpeq_epi8(v, _mm_set1_epi8('='));
        const __m128i semicolons = _mm_cmpeq_epi8(v, _mm_set1_epi8(';'));
        const __m128i tabs = _mm_cmpeq_epi8(v, _mm_set1_epi8('\t'));
        const __m128i quotes = _mm_cmpeq_epi8(v, _mm_set1_epi8('"'));
        const __m128i pairs =
            _mm_or_si128(_mm_and_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('t')), _mm_cmpeq_epi8(next, _mm_set1_epi8('e'))),
                         _mm_and_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('w')), _mm_cmpeq_epi8(next, _mm_set1_epi8('o'))));
        marks.noted = static_cast<uint32_t>(_mm_movemask_epi8(
            _mm_or_si128(_mm_or_si128(_mm_or_si128(equals, semicolons), _mm_or_si128(tabs, quotes)), pairs)));
        // Most blocks hold none of them: their kinds are sorted out only where one is there.
        if (marks.noted != 0) {
            marks.equals = static_cast<uint32_t>(_mm_movemask_epi8(equals));
            marks.semicolons = static_cast<uint32_t>(_mm_movemask_epi8(semicolons));
            marks.tabs = static_cast<uint32_t>(_mm_movemask_epi8(tabs));
            marks.quotes = static_cast<uint32_t>(_mm_movemask_epi8(quotes));
            marks.pairs = static_cast<uint32_t>(_mm_movemask_epi8(pairs));
        }
        return marks;
    }
#endif
    const std::size_t end = block + MarkBlock < text.size() ? block + MarkBlock : text.size();
    for (std::size_t at = block; at < end; ++at) {
        const char c = text[at];
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        const uint32_t bit = uint32_t{1} << (at - block);
        marks.breaks |= c == '\n' ? bit : 0;
        marks.equals |= c == '=' ? bit : 0;
        marks.semicolons |= c == ';' ? bit : 0;
        marks.tabs |= c == '\t' ? bit : 0;
        marks.quotes |= c == '"' ? bit : 0;
        marks.commas |= c == ',' ? bit : 0;
        marks.pairs |= (c == 't' && next == 'e') || (c == 'w' && next == 'o') ? bit : 0;
    }
    marks.noted = marks.equals | marks.semicolons | marks.tabs | marks.quotes | marks.pairs;
    return marks;
}

}  // namespace

void read_source_lines(AssemblyContext& ctx) {
    read_source_lines(ctx, get_editor_lines(MainEditorId, lower_bytes));
}

void read_source_lines(AssemblyContext& ctx, std::string lower_lines) {
    // The whole text in one read, lower-cased as it was read; each line is a view into it.
    ctx.source_text = std::move(lower_lines);
    const std::string_view text = ctx.source_text;
    ctx.lines.clear();
    ctx.lines.reserve(static_cast<std::size_t>(ctx.line_count) + 1);
    ctx.source_commas = 0;

    // One pass over the text finds every byte that a later step looks for in a line (line breaks,
    // "=", ";", tabs, commas, double quotes, the pairs of the data words), sixteen at a time, and
    // notes it at its line.
    SourceLine current;
    uint32_t equals = NoMark;  // the first "=" of the current line
    std::size_t line_start = 0;
    int32_t i = 0;
    // Ends the line before the line break at `end`; false once line_count + 1 lines are read.
    auto end_line = [&](std::size_t end) {
        current.text = text.substr(line_start, end - line_start);
        if (equals != NoMark) {
            ctx.line_kind[i] = holds_start_directive(current.text, equals) ? StartCandidate : Assignment;
        }
        if (ctx.includes_expanded == 1 && find_text(current.text, "include") != 0) {
            ctx.line_kind[i] = IncludeLine;
        }
        ctx.lines.push_back(current);
        current = SourceLine{};
        equals = NoMark;
        line_start = end + 1;
        ++i;
        return i <= ctx.line_count;
    };
    // Notes the marks of the block's bytes in `part` (a run of bits) at the current line.
    auto note = [&](const BlockMarks& marks, std::size_t block, uint32_t part) {
        const auto offset = [&](uint32_t bits) {
            return static_cast<uint32_t>(block + static_cast<std::size_t>(__builtin_ctz(bits)) - line_start);
        };
        if (const uint32_t e = marks.equals & part; e != 0 && equals == NoMark) {
            equals = offset(e);
        }
        if (current.semicolon == NoMark) {
            const uint32_t semicolons = marks.semicolons & part;
            // Only a pair before the line's first ";" counts.
            const uint32_t before = semicolons != 0 ? (uint32_t{1} << __builtin_ctz(semicolons)) - 1 : ~uint32_t{0};
            current.data_word_pair = (marks.pairs & part & before) != 0 ? 1 : current.data_word_pair;
            if (semicolons != 0) {
                current.semicolon = offset(semicolons);
            }
        }
        current.has_tab = (marks.tabs & part) != 0 ? 1 : current.has_tab;
        current.has_quote = (marks.quotes & part) != 0 ? 1 : current.has_quote;
    };
    bool more = i <= ctx.line_count;
    for (std::size_t block = 0; more && block < text.size(); block += MarkBlock) {
        const BlockMarks marks = block_marks(text, block);
        const uint32_t noted = marks.noted;
        for (uint32_t commas = marks.commas; commas != 0; commas &= commas - 1) {
            ++ctx.source_commas;
        }
        // The block falls into runs of bytes at the line breaks; each run belongs to one line.
        uint32_t run_start = 0;
        for (uint32_t breaks = marks.breaks;; breaks &= breaks - 1) {
            const uint32_t run_end = breaks != 0 ? static_cast<uint32_t>(__builtin_ctz(breaks)) : 32;
            // The bits run_start .. run_end - 1 (both at most 32, so the shifts are in 64 bits).
            const auto part = static_cast<uint32_t>((uint64_t{1} << run_end) - (uint64_t{1} << run_start));
            if ((noted & part) != 0) {
                note(marks, block, part);
            }
            if (breaks == 0) {
                break;
            }
            more = end_line(block + run_end);
            if (!more) {
                break;
            }
            run_start = run_end + 1;
        }
    }
    // The last line when no line break ends it, then the empty lines past the text.
    if (more && line_start < text.size()) {
        more = end_line(text.size());
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
