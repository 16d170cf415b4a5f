#pragma once
// What the symbol list panel remembers between events.

#include <cstdint>
#include <string>

namespace tarvok {

struct SymbolListState {
    // 1 when the last refresh request came from the refresh button, 0 when it came from a click on
    // the tab strip. Only those two controls set it; the other refreshes reuse its value.
    uint8_t refresh_from_button = 0;
    std::string selected_symbol;  // text of the list item last clicked
};

}  // namespace tarvok
