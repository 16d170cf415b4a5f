#pragma once
// The About command: the about window, and a loop of its own that lets nothing else respond until
// any window is asked to close.

namespace tarvok {

void about_command();

}  // namespace tarvok
