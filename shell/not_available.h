#pragma once
// The box shown by a command whose work this version of the program does not do yet.

#include <string_view>

namespace tarvok {

// Message box "Tarvok" / "<command> is not available yet." with an OK button.
void show_not_available(std::string_view command);

}  // namespace tarvok
