#include "tools/number_tools.h"

#include "runtime/window/window.h"

namespace tarvok {

void convert_number(AssemblyContext& /*ctx*/) {
    show_message("Tarvok", "Num Convert is not available yet.", ButtonsOk);
}

void show_character_code(AssemblyContext& /*ctx*/) {
    show_message("Tarvok", "Ascii Value is not available yet.", ButtonsOk);
}

void show_screen_code(AssemblyContext& /*ctx*/) {
    show_message("Tarvok", "Screen code is not available yet.", ButtonsOk);
}

}  // namespace tarvok
