#pragma once
// Whether a window system can be reached before Qt is started: Qt ends the whole process when its
// platform cannot connect, so the program asks first and gives the user a hint instead.

namespace tarvok {

// False when no display is named at all, or when the X display that Qt would use cannot be
// reached. A Wayland display or an explicit platform other than X is taken on trust.
bool display_reachable();

}  // namespace tarvok
