#include "shell/symbol_list.h"

#include "shell/not_available.h"

namespace tarvok {

void refresh_symbols(ShellState& /*state*/, AssemblyContext& /*ctx*/) {
    show_not_available("Refresh Variables/Lables");
}

void show_symbol_value(ShellState& /*state*/, const AssemblyContext& /*ctx*/) {
    show_not_available("Variable Or Lable Value");
}

void goto_symbol(ShellState& /*state*/, AssemblyContext& /*ctx*/) {
    show_not_available("Goto Variable Or Lable");
}

}  // namespace tarvok
