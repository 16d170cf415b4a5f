#pragma once
// Cutting each statement line into label, word and operand, and handing it to the statement
// handlers: a data directive to its handler, a mnemonic to the instruction handlers.

#include <string>
#include <string_view>

#include "assembler/context.h"

namespace tarvok {

// The handlers that turn one line's word and operand field into statement records. The driver
// supplies them, so that the line splitter does not depend on the code generator.
struct StatementHandlers {
    // "byte", "word", "dbyte" or "text" with the operand field.
    void (*data_directive)(AssemblyContext& ctx, std::string_view word, std::string_view operand);
    // A mnemonic (the table's own text of the word, and its table row) with its operand field;
    // returns the operand text for resolve_operand: the operand field itself or a part of it.
    std::string_view (*prepare_instruction)(AssemblyContext& ctx, std::string_view word, int32_t row,
                                            std::string_view operand);
    void (*resolve_operand)(AssemblyContext& ctx, std::string_view operand);
};

// The text without its comment (a view into text); a line holding a quoted semicolon keeps its
// comment.
std::string_view strip_comment(std::string_view text);

// strip_comment of a source line's text, from the marks read_source_lines found in it.
inline std::string_view strip_line_comment(const SourceLine& line) {
    if (line.semicolon == NoMark) {
        return line.text;
    }
    // Only a line with a double quote can hold a quoted ";".
    return line.has_quote != 0 ? strip_comment(line.text) : line.text.substr(0, line.semicolon);
}

// The text after the label of ctx.current_line (everything after the label name's first
// occurrence, a view into text); unchanged when the line has no label.
std::string_view strip_label(const AssemblyContext& ctx, std::string_view text);

// What the statement pass hands on of one line: the text left once comment and label are cut, its
// first word (blanks and carriage returns before it skipped, the next blank or carriage return
// ends it), the operand field after the character that ended the word, the word's table row (-1
// for none), and the first data word the operand field holds ("text", "dbyte", "byte", "word" in
// that order; empty for none), which is refused. A line whose text is empty hands on nothing.
struct StatementFields {
    std::string_view text;
    std::string_view word;
    std::string_view operand;
    int32_t row = -1;
    std::string_view data_word;
};

// The fields of Open line i, with ctx.current_line at i; buffer holds the line without its tabs
// where it has some. The short way takes what the label pass found in the line where it can; the
// full way cuts the line again (both give the same fields).
StatementFields statement_fields(const AssemblyContext& ctx, int32_t i, std::string& buffer, bool short_way = true);

// Runs the statement handlers over every Open line, stopping at the first error.
void statement_pass(AssemblyContext& ctx, const StatementHandlers& handlers);

}  // namespace tarvok
