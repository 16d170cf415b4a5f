#pragma once
// The data directives "byte", "word", "dbyte" and "text": one "data" record per program byte.

#include <string_view>

#include "assembler/context.h"

namespace tarvok {

// Turns the operand field of a data directive into its data records, in byte order.
void handle_data_directive(AssemblyContext& ctx, std::string_view word, std::string_view operand);

}  // namespace tarvok
