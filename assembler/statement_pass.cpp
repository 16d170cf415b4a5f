#include "assembler/statement_pass.h"

#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "assembler/messages.h"
#include "assembler/table_words.h"
#include "runtime/text/text.h"

namespace tarvok {

namespace {

struct WordSplit {
    std::string_view word;
    std::string_view operand;
};

// The first word (blanks and carriage returns before it skipped; the first blank or carriage return
// after it ends it) and the operand field after the character that ended it.
WordSplit split_word(std::string_view t) {
    WordSplit split;
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\r')) {
        ++i;
    }
    const std::size_t begin = i;
    while (i < t.size() && t[i] != ' ' && t[i] != '\r') {
        ++i;
    }
    split.word = t.substr(begin, i - begin);
    if (i < t.size()) {
        split.operand = t.substr(i + 1);
    }
    return split;
}

// A data word anywhere in the operand field is refused; true when one was reported.
bool refuse_data_word_in_operand(AssemblyContext& ctx, std::string_view operand) {
    static constexpr std::array<std::string_view, 4> words = {"text", "dbyte", "byte", "word"};
    const ByteSet bytes(operand);
    for (std::string_view word : words) {
        if (bytes.find(operand, word) != 0) {
            show_error("OpAnd Error",
                       "Please Don`t use `" + std::string(word) + "` in OpAnd Field");
            ctx.error = 1;
            return true;
        }
    }
    return false;
}

// may_hold_data_word is false when the line's marks show that t holds no data word.
void handle_line(AssemblyContext& ctx, const StatementHandlers& handlers, std::string_view t,
                 bool may_hold_data_word) {
    if (t.empty()) {
        return;
    }
    const WordSplit split = split_word(t);
    if (may_hold_data_word && refuse_data_word_in_operand(ctx, split.operand)) {
        return;
    }
    const int32_t row = table_word_row(split.word);
    if (row < 0) {
        return;  // no table word: the line yields no statement
    }
    // The table's own text of the word, which outlives the line.
    const std::string_view word = mnemonic_list()[static_cast<std::size_t>(row)];
    if (is_data_word_row(row)) {
        handlers.data_directive(ctx, word, split.operand);
        return;
    }
    const std::string_view operand = handlers.prepare_instruction(ctx, word, row, split.operand);
    if (ctx.statement_class == StatementClass::InstructionStatement) {
        handlers.resolve_operand(ctx, operand);
    }
}

// The line without tabs and line breaks: the line itself when it has none, else a copy in buffer.
// Source lines hold no line break (the text is cut into lines at them).
std::string_view without_tabs(std::string_view text, std::string& buffer) {
    if (text.find('\t') == std::string_view::npos) {
        return text;
    }
    // Every byte is written, and the next kept byte overwrites a removed one. Sixteen bytes
    // without a tab or line break go at once; kept never passes the bytes read, so a whole block
    // stays inside the buffer.
    buffer.resize(text.size());
    std::size_t kept = 0;
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i tab = _mm_set1_epi8('\t');
    const __m128i line_break = _mm_set1_epi8('\n');
    for (; i + 16 <= text.size(); i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const __m128i removed = _mm_or_si128(_mm_cmpeq_epi8(block, tab), _mm_cmpeq_epi8(block, line_break));
        if (_mm_movemask_epi8(removed) == 0) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(buffer.data() + kept), block);
            kept += 16;
            continue;
        }
        for (std::size_t k = i; k < i + 16; ++k) {
            buffer[kept] = text[k];
            kept += text[k] != '\t' && text[k] != '\n' ? 1 : 0;
        }
    }
#endif
    for (; i < text.size(); ++i) {
        buffer[kept] = text[i];
        kept += text[i] != '\t' && text[i] != '\n' ? 1 : 0;
    }
    buffer.resize(kept);
    return buffer;
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

std::string_view strip_line_comment(const SourceLine& line) {
    if (line.semicolon == NoMark) {
        return line.text;
    }
    // Only a line with a double quote can hold a quoted ";".
    return line.has_quote != 0 ? strip_comment(line.text) : line.text.substr(0, line.semicolon);
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
        const SourceLine& line = ctx.lines[i];
        std::string_view t = line.has_tab != 0 ? without_tabs(line.text, buffer) : line.text;
        // The label pass has cut the comment of a line already; a line with tabs is cut again
        // without them.
        t = t.data() == line.text.data() && line.code_size != UnknownSize ? t.substr(0, line.code_size)
                                                                         : strip_comment(t);
        t = strip_label(ctx, t);
        ctx.statement_class = StatementClass::NoStatement;
        // t is the line's text up to its first ";" unless the line has a tab or a double quote.
        const bool may_hold_data_word = line.data_word_pair != 0 || line.has_tab != 0 || line.has_quote != 0;
        handle_line(ctx, handlers, t, may_hold_data_word);
        if (ctx.error != 0) {
            return;
        }
    }
}

}  // namespace tarvok
