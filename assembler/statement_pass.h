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
    // A mnemonic with its operand field; returns the operand text for resolve_operand.
    std::string (*prepare_instruction)(AssemblyContext& ctx, std::string_view word,
                                       std::string_view operand);
    void (*resolve_operand)(AssemblyContext& ctx, std::string_view operand);
};

// The text without its comment; a line holding a quoted semicolon keeps its comment.
std::string strip_comment(std::string_view text);

// The text after the label of ctx.current_line (everything after the label name's first
// occurrence); unchanged when the line has no label.
std::string strip_label(const AssemblyContext& ctx, std::string_view text);

// Runs the statement handlers over every Open line, stopping at the first error.
void statement_pass(AssemblyContext& ctx, const StatementHandlers& handlers);

}  // namespace tarvok
