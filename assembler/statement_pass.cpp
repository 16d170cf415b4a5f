#include "assembler/statement_pass.h"

#include <algorithm>
#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "assembler/messages.h"
#include "assembler/table_words.h"
#include "runtime/text/text.h"

namespace tarvok {

namespace {

// The first word (blanks and carriage returns before it skipped; the first blank or carriage return
// after it ends it) and the operand field after the character that ended it, a byte at a time.
void split_word_plain(std::string_view t, StatementFields& fields) {
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\r')) {
        ++i;
    }
    const std::size_t begin = i;
    while (i < t.size() && t[i] != ' ' && t[i] != '\r') {
        ++i;
    }
    fields.word = t.substr(begin, i - begin);
    if (i < t.size()) {
        fields.operand = t.substr(i + 1);
    }
}

// split_word_plain of t, a view into a text whose bytes up to readable_end may be read, past t's
// end too. Most lines hold their word within sixteen bytes of where it is looked for: one look at
// them finds both its ends.
void split_word(std::string_view t, const char* readable_end, StatementFields& fields) {
#if defined(__SSE2__)
    if (readable_end - t.data() >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(t.data()));
        const auto separators = static_cast<uint32_t>(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(v, _mm_set1_epi8('\r')))));
        // The bytes past t's end are read, not taken.
        const uint32_t others = ~separators & 0xFFFF;
        const std::size_t begin = others != 0 ? static_cast<std::size_t>(__builtin_ctz(others)) : 16;
        const uint32_t after = others != 0 ? separators & ~((uint32_t{2} << begin) - 1) : 0;
        if (after != 0 || t.size() <= 16) {
            // The word ends at the blank or carriage return after it, or at t's end when there is
            // none inside t.
            if (const auto end = static_cast<std::size_t>(__builtin_ctz(after | 0x10000)); end < t.size()) {
                fields.word = t.substr(begin, end - begin);
                fields.operand = t.substr(end + 1);
            } else {
                fields.word = t.substr(std::min(begin, t.size()));
            }
            return;
        }
    }
#else
    (void)readable_end;
#endif
    split_word_plain(t, fields);
}

// Whether the operand field holds "te" or "wo": every data word holds one of them. The field is
// a view into a text whose bytes up to readable_end may be read, past its end too.
bool holds_data_word_pair(std::string_view operand, const char* readable_end) {
    std::size_t i = 0;
#if defined(__SSE2__)
    // Sixteen places at a time (each pair looks one byte on); only pairs inside the field count.
    for (; i + 1 < operand.size() && readable_end - (operand.data() + i) >= 17; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(operand.data() + i));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(operand.data() + i + 1));
        const __m128i t_e = _mm_and_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('t')), _mm_cmpeq_epi8(next, _mm_set1_epi8('e')));
        const __m128i w_o = _mm_and_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('w')), _mm_cmpeq_epi8(next, _mm_set1_epi8('o')));
        const auto pairs = static_cast<uint32_t>(_mm_movemask_epi8(_mm_or_si128(t_e, w_o)));
        const std::size_t places = std::min<std::size_t>(16, operand.size() - 1 - i);
        if ((pairs & ((uint32_t{1} << places) - 1)) != 0) {
            return true;
        }
    }
#else
    (void)readable_end;
#endif
    for (; i + 1 < operand.size(); ++i) {
        if ((operand[i] == 't' && operand[i + 1] == 'e') || (operand[i] == 'w' && operand[i + 1] == 'o')) {
            return true;
        }
    }
    return false;
}

// The first data word the operand field holds, in the order the refusal names them; empty when
// it holds none.
std::string_view first_data_word(std::string_view operand) {
    static constexpr std::array<std::string_view, 4> words = {"text", "dbyte", "byte", "word"};
    for (const std::string_view word : words) {
        if (operand.find(word) != std::string_view::npos) {
            return word;
        }
    }
    return {};
}

// Hands the line's fields to the handlers: a data word in the operand field is refused, a table
// word goes to its handler.
void handle_fields(AssemblyContext& ctx, const StatementHandlers& handlers, const StatementFields& fields) {
    if (!fields.data_word.empty()) {
        show_error("OpAnd Error", "Please Don`t use `" + std::string(fields.data_word) + "` in OpAnd Field");
        ctx.error = 1;
        return;
    }
    const int32_t row = fields.row;
    if (row < 0) {
        return;  // no table word: the line yields no statement
    }
    // The table's own text of the word, which outlives the line.
    const std::string_view word = mnemonic_list()[static_cast<std::size_t>(row)];
    if (is_data_word_row(row)) {
        handlers.data_directive(ctx, word, fields.operand);
        return;
    }
    const std::string_view operand = handlers.prepare_instruction(ctx, word, row, fields.operand);
    if (ctx.statement_class == StatementClass::InstructionStatement) {
        handlers.resolve_operand(ctx, operand);
    }
}

// Sets fields to the fields of t, the line's text without comment and label (readable_end as for
// split_word; null for the plain split).
void fields_of(std::string_view t, const char* readable_end, StatementFields& fields) {
    fields.text = t;
    if (!t.empty()) {
        if (readable_end != nullptr) {
            split_word(t, readable_end, fields);
        } else {
            split_word_plain(t, fields);
        }
        fields.row = table_word_row(fields.word);
    }
}

// The line without tabs and line breaks, a byte at a time: the line itself when it has no tab,
// else a copy in buffer. Source lines hold no line break (the text is cut into lines at them).
std::string_view without_tabs_plain(std::string_view text, std::string& buffer) {
    if (text.find('\t') == std::string_view::npos) {
        return text;
    }
    buffer.clear();
    for (const char c : text) {
        if (c != '\t' && c != '\n') {
            buffer.push_back(c);
        }
    }
    return buffer;
}

// without_tabs_plain of text, a view into a text whose bytes up to readable_end may be read, past
// text's end too; buffer keeps sixteen bytes of room after the copy.
std::string_view without_tabs(std::string_view text, const char* readable_end, std::string& buffer) {
    if (text.find('\t') == std::string_view::npos) {
        return text;
    }
    // The buffer only grows: its bytes past the copy are left as they are.
    if (buffer.size() < text.size() + 16) {
        buffer.resize(text.size() + 16);
    }
    char* const out = buffer.data();
    std::size_t kept = 0;
    std::size_t block = 0;
#if defined(__SSE2__)
    // A block of sixteen bytes at a time, while the sixteen after it can be read too: the bytes up
    // to each removed one go sixteen at once (those past them are overwritten by the next ones),
    // then the rest of the block.
    const __m128i tab = _mm_set1_epi8('\t');
    const __m128i line_break = _mm_set1_epi8('\n');
    const auto copy16 = [&](std::size_t from) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + kept),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + from)));
    };
    for (; block < text.size() && readable_end - (text.data() + block) >= 32; block += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + block));
        auto removed = static_cast<uint32_t>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, tab), _mm_cmpeq_epi8(v, line_break))));
        const std::size_t block_end = std::min(block + 16, text.size());
        removed &= (uint32_t{1} << (block_end - block)) - 1;
        std::size_t from = block;
        for (; removed != 0; removed &= removed - 1) {
            const std::size_t at = block + static_cast<std::size_t>(__builtin_ctz(removed));
            copy16(from);
            kept += at - from;
            from = at + 1;
        }
        copy16(from);
        kept += block_end - from;
    }
#else
    (void)readable_end;
#endif
    for (std::size_t i = block; i < text.size(); ++i) {
        out[kept] = text[i];
        kept += text[i] != '\t' && text[i] != '\n' ? 1 : 0;
    }
    return std::string_view(out, kept);
}

}  // namespace

std::string_view strip_comment(std::string_view text) {
    const std::size_t p = text.find(';');
    if (p == std::string_view::npos) {
        return text;
    }
    // A quoted ";" anywhere keeps the whole line; its ";" is the first one or a later one, so the
    // search starts at the quote before the first.
    if (text.find("\";\"", p == 0 ? 0 : p - 1) != std::string_view::npos) {
        return text;
    }
    return text.substr(0, p);
}

std::string_view strip_label(const AssemblyContext& ctx, std::string_view text) {
    const int32_t line = ctx.current_line;
    if (line < 0 || line >= static_cast<int32_t>(ctx.line_has_label.size()) ||
        ctx.line_has_label[line] != 1) {
        return text;
    }
    const int32_t index = line < static_cast<int32_t>(ctx.symbols.label_on_line.size())
                              ? ctx.symbols.label_on_line[line]
                              : -1;
    if (index < 0) {
        return text;
    }
    const std::string& name = ctx.labels[index].name;
    // The label is the line's first word, and a name holds no blank: its first occurrence is
    // where the blanks in front of the line end, unless the cut text has lost that place.
    std::size_t first = 0;
    while (first < text.size() && text[first] == ' ') {
        ++first;
    }
    if (!name.empty() && text.substr(first, name.size()) == name) {
        return text.substr(first + name.size());
    }
    const int32_t p = find_text(text, name);
    return mid_view(text, p + text_length(name), text_length(text) - p);
}

namespace {

// Sets fields (empty as it comes) to statement_fields without the data word, and readable_end to
// how far the bytes of the fields may be read, past their ends too.
void cut_fields(const AssemblyContext& ctx, int32_t i, std::string& buffer, StatementFields& fields,
                const char*& readable_end) {
    const SourceLine& line = ctx.lines[static_cast<std::size_t>(i)];
    readable_end = ctx.source_text.data() + ctx.source_text.size();
    const bool labelled = i < static_cast<int32_t>(ctx.line_has_label.size()) && ctx.line_has_label[i] == 1;
    if (line.has_tab == 0 && line.word_row != UnknownRow && line.code_size != UnknownSize) {
        // The label pass has cut the line's comment and found its first word at the line's indent.
        const std::string_view t = line.text.substr(0, line.code_size);
        if (line.word_row >= 0 && !labelled) {
            // A table word and no label: the word is the table's own text at the indent.
            fields.text = t;
            fields.row = line.word_row;
            const std::size_t word_end =
                line.indent + mnemonic_list()[static_cast<std::size_t>(line.word_row)].size();
            fields.word = t.substr(line.indent, word_end - line.indent);
            if (word_end < t.size()) {
                fields.operand = t.substr(word_end + 1);
            }
            return;
        }
        const int32_t label = labelled && i < static_cast<int32_t>(ctx.symbols.label_on_line.size())
                                  ? ctx.symbols.label_on_line[static_cast<std::size_t>(i)]
                                  : -1;
        if (line.word_row == -1 && label >= 0) {
            // The label is the line's first word: strip_label cuts the text right after it.
            const std::size_t name_size = ctx.labels[static_cast<std::size_t>(label)].name.size();
            fields_of(t.substr(line.indent + name_size), readable_end, fields);
            return;
        }
        fields_of(strip_label(ctx, t), readable_end, fields);
        return;
    }
    if (line.has_tab == 0) {
        // The label pass has cut the comment of the line already.
        const std::string_view t =
            line.code_size != UnknownSize ? line.text.substr(0, line.code_size) : strip_comment(line.text);
        fields_of(strip_label(ctx, t), readable_end, fields);
        return;
    }
    std::string_view t;
    if (line.has_quote == 0 && line.code_size != UnknownSize) {
        // Without a double quote the comment goes from the first ";" whether or not the tabs are
        // there: only the code loses them.
        t = without_tabs(line.text.substr(0, line.code_size), readable_end, buffer);
    } else {
        // Without its tabs the line may hold a quoted ";": it is cut again.
        t = strip_comment(without_tabs(line.text, readable_end, buffer));
    }
    if (t.data() == buffer.data()) {
        readable_end = buffer.data() + buffer.size();
    }
    fields_of(strip_label(ctx, t), readable_end, fields);
}

}  // namespace

StatementFields statement_fields(const AssemblyContext& ctx, int32_t i, std::string& buffer, bool short_way) {
    const SourceLine& line = ctx.lines[static_cast<std::size_t>(i)];
    StatementFields fields;
    if (!short_way) {
        // Each cut made again by its plain rule, and every data word looked for.
        fields_of(strip_label(ctx, strip_comment(without_tabs_plain(line.text, buffer))), nullptr, fields);
        if (!fields.text.empty()) {
            fields.data_word = first_data_word(fields.operand);
        }
        return fields;
    }
    const char* readable_end = nullptr;
    cut_fields(ctx, i, buffer, fields, readable_end);
    // Every data word holds "te" or "wo". The text is the line's up to its first ";" unless the
    // line has a tab or a double quote, so the line's marks tell whether it can hold one.
    if (!fields.text.empty() && (line.data_word_pair != 0 || line.has_tab != 0 || line.has_quote != 0) &&
        holds_data_word_pair(fields.operand, readable_end)) {
        fields.data_word = first_data_word(fields.operand);
    }
    return fields;
}

void statement_pass(AssemblyContext& ctx, const StatementHandlers& handlers) {
    ctx.current_line = 0;
    // Room for the records at once instead of copying them as the list grows: a line gives one
    // record, a data line one per field (fields are separated by commas) or per character.
    ctx.statements.reserve(ctx.statements.size() + ctx.lines.size() + ctx.source_commas);
    // The operands are cut from the lines, so the text read is room enough for them.
    ctx.operand_text.reserve(ctx.operand_text.size() + ctx.source_text.size());
    std::string buffer;
    for (int32_t i = 0; i < static_cast<int32_t>(ctx.lines.size()); ++i) {
        ctx.current_line = i;
        if (ctx.line_kind[i] != Open) {
            continue;
        }
        ctx.current_record = -1;
        const StatementFields fields = statement_fields(ctx, i, buffer);
        ctx.statement_class = StatementClass::NoStatement;
        if (!fields.text.empty()) {
            handle_fields(ctx, handlers, fields);
        }
        if (ctx.error != 0) {
            return;
        }
    }
}

}  // namespace tarvok
