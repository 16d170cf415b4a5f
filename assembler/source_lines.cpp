#include "assembler/source_lines.h"

#include <algorithm>
#include <cstring>

#include "assembler/line_marks.h"
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

// What the line walk needs of one chunk: where its lines end, and the bytes it notes at them.
struct ChunkLineMarks {
    uint64_t breaks;
    uint64_t first_others;      // the first byte of each line other than blank and tab
    uint64_t first_semicolons;  // the first ";" of each line
    uint64_t code_pairs;        // the pairs before the first ";" of their line
    uint64_t rare;
};

// Marks each chunk's bytes at their lines: the first of some kind of byte in each line is found
// for all lines of a chunk at once. With a 1 for each byte that is not of that kind and not a
// line break, adding a 1 at each line's start carries through the line's first bytes up to the
// first one of the kind or the line's end; the bits where the carries stop are those bytes (or
// line breaks), and the bits the carries cleared are the bytes before them. A carry out of a
// chunk goes on into the next one; the first line starts at the first byte.
class LineCarries {
public:
    ChunkLineMarks next(const ChunkMarks& marks) {
        const uint64_t starts = marks.breaks << 1;
        // Blanks and tabs lead to the line's first other byte.
        const uint64_t blanks = marks.blanks;
        const uint64_t after_blanks = blanks + (starts | blanks_go_on_);
        blanks_go_on_ = (after_blanks < blanks ? 1 : 0) | (marks.breaks >> 63);
        // A line's code is its bytes before its first ";".
        const uint64_t code = ~(marks.semicolons | marks.breaks);
        const uint64_t after_code = code + (starts | code_goes_on_);
        code_goes_on_ = (after_code < code ? 1 : 0) | (marks.breaks >> 63);
        return ChunkLineMarks{marks.breaks, after_blanks & ~blanks & ~marks.breaks,
                              after_code & ~code & marks.semicolons, marks.pairs & code & ~after_code, marks.rare};
    }

private:
    uint64_t blanks_go_on_ = 1;
    uint64_t code_goes_on_ = 1;
};

int lowest_bit(uint64_t bits) { return __builtin_ctzll(bits); }

}  // namespace

void read_source_lines(AssemblyContext& ctx) {
    read_source_lines(ctx, get_editor_lines(MainEditorId, lower_bytes));
}

void read_source_lines(AssemblyContext& ctx, std::string lower_lines) {
    // The whole text in one read, lower-cased as it was read; each line is a view into it.
    ctx.source_text = std::move(lower_lines);
    const std::string_view text = ctx.source_text;
    // Lines 0..line_count; those the text does not reach stay empty.
    const int32_t last_line = ctx.line_count;
    ctx.lines.assign(static_cast<std::size_t>(last_line) + 1, SourceLine{});
    SourceLine* const lines = ctx.lines.data();
    uint8_t* const kinds = ctx.line_kind.data();
    const bool find_includes = ctx.includes_expanded == 1;
    std::size_t commas = 0;

    // The line being read, the one past the last line to read, and the first "=" of the line.
    SourceLine* line = lines;
    SourceLine* const past_lines = lines + last_line + 1;
    const char* line_start = text.data();
    uint32_t equals = NoMark;
    // Ends the line before `end`, and classifies it by its "=" and "include".
    const auto end_line = [&](const char* end) {
        line->text = std::string_view(line_start, static_cast<std::size_t>(end - line_start));
        if (line->indent == UnknownSize) {
            line->indent = static_cast<uint32_t>(line->text.size());
        }
        uint8_t& kind = kinds[line - lines];
        if (equals != NoMark) {
            kind = holds_start_directive(line->text, equals) ? StartCandidate : Assignment;
            equals = NoMark;
        }
        if (find_includes && line->text.find("include") != std::string_view::npos) {
            kind = IncludeLine;
        }
        line_start = end + 1;
        ++line;
    };

    // One pass over the text finds every byte that a later step looks for in a line, a chunk of
    // 64 at a time (line_marks.h), and notes it at its line: a group of chunks is marked, then
    // its marked bytes are walked in order.
    constexpr std::size_t Group = 32;
    const ChunkMarker chunk_marks = fastest_chunk_marker();
    LineCarries carries;
    for (std::size_t from = 0; line != past_lines && from < text.size(); from += Group * MarkChunk) {
        const std::size_t count = std::min(Group, (text.size() - from + MarkChunk - 1) / MarkChunk);
        // The whole chunks followed by a byte are marked in place; the last bytes of the text in a
        // copy with zeros after them.
        ChunkMarks marks[Group];
        const std::size_t whole = std::min(count, (text.size() - from - 1) / MarkChunk);
        chunk_marks(text.data() + from, whole, marks);
        if (whole < count) {
            char tail[MarkChunk + 16] = {};
            std::memcpy(tail, text.data() + from + whole * MarkChunk, text.size() - from - whole * MarkChunk);
            chunk_marks(tail, 1, marks + whole);
        }
        ChunkLineMarks group[Group];
        for (std::size_t k = 0; k < count; ++k) {
            commas += marks[k].commas;
            group[k] = carries.next(marks[k]);
        }
        if (whole < count) {
            // A carry that runs past the text's last byte stops at a zero after it: no byte there.
            group[whole].first_others &= (uint64_t{2} << (text.size() - from - whole * MarkChunk - 1)) - 1;
        }
        for (std::size_t k = 0; k < count; ++k) {
            const char* const chunk = text.data() + from + k * MarkChunk;
            const ChunkLineMarks& m = group[k];
            for (uint64_t events = m.breaks | m.first_others | m.first_semicolons | m.code_pairs | m.rare;
                 events != 0; events &= events - 1) {
                const char* const at = chunk + lowest_bit(events);
                const uint64_t bit = events & (0 - events);
                if ((m.breaks & bit) != 0) {
                    end_line(at);
                    if (line == past_lines) {
                        break;
                    }
                    continue;
                }
                const auto offset = static_cast<uint32_t>(at - line_start);
                // The line's first byte other than blank and tab can be any of the others too.
                if ((m.first_others & bit) != 0) {
                    line->indent = offset;
                }
                if ((m.first_semicolons & bit) != 0) {
                    line->semicolon = offset;
                } else if ((m.code_pairs & bit) != 0) {
                    line->data_word_pair = 1;
                } else if ((m.rare & bit) == 0) {
                } else if (*at == '\t') {
                    line->has_tab = 1;
                } else if (*at == '"') {
                    line->has_quote = 1;
                } else if (equals == NoMark) {
                    equals = offset;
                }
            }
            if (line == past_lines) {
                break;
            }
        }
    }
    // The last line when no line break ends it.
    if (line != past_lines && line_start < text.data() + text.size()) {
        end_line(text.data() + text.size());
    }
    ctx.source_commas = commas;
}

std::size_t first_non_blank(std::string_view t) {
    std::size_t first = 0;
    while (first < t.size() && (t[first] == ' ' || t[first] == '\t' || t[first] == '\n')) {
        ++first;
    }
    return first;
}

void mark_blank_lines(AssemblyContext& ctx) {
    for (std::size_t i = 0; i < ctx.lines.size(); ++i) {
        if (ctx.line_kind[i] != Open) {
            continue;
        }
        // Blank, tab and line break do not count: a line with nothing else, or with ";" first.
        SourceLine& line = ctx.lines[i];
        if (line.indent == UnknownSize) {
            line.indent = static_cast<uint32_t>(first_non_blank(line.text));
        }
        const std::size_t first = line.indent;
        if (first == line.text.size() || line.text[first] == ';') {
            ctx.line_kind[i] = Consumed;
        }
    }
}

}  // namespace tarvok
