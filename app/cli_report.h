#pragma once
// What tarvok-asm prints: message boxes as compiler-style lines, and the symbol tables.

#include <string>
#include <string_view>

#include "assembler/context.h"
#include "runtime/window/script.h"

namespace tarvok {

// "SOURCE:LINE: TITLE: TEXT" with the 1-based line the run selected before the box, or
// "SOURCE: TITLE: TEXT" when it selected none.
std::string message_line(std::string_view source, const MessageRecord& message);

// One line per variable, "variable NAME VALUE LINE", then one per label, "label NAME ADDRESS LINE":
// decimal numbers, 1-based lines.
std::string symbol_listing(const AssemblyContext& ctx);

// The label file for the VICE monitor: one "al C:hhhh .name" line per label and per variable whose
// value is 256 or more (a memory address, not a zero-page one or a small constant), with four
// lower-case hexadecimal digits, in address order and by name among equal addresses. The
// monitor reads it with load_labels (ll "FILE") or at start-up with -moncommands FILE.
std::string vice_label_file(const AssemblyContext& ctx);

}  // namespace tarvok
