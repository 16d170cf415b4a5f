#pragma once
// The three converters of the side panel: numbers between decimal, hexadecimal and binary, the
// character code of a character, and the C64 screen code of a character. Each reads its field and
// writes the result back into it.

#include "assembler/context.h"

namespace tarvok {

// Button "Num Convert", field 11.
void convert_number(AssemblyContext& ctx);
// Button "Ascii Value", field 13.
void show_character_code(AssemblyContext& ctx);
// Button "Screen code", field 15.
void show_screen_code(AssemblyContext& ctx);

}  // namespace tarvok
