#pragma once
// Controls of the main window that an assembly run writes to.

#include <cstdint>

namespace tarvok {

inline constexpr int32_t CurrentSourceField = 2;  // path of the source in the editor
inline constexpr int32_t CodeStartDecimal = 18;
inline constexpr int32_t CodeEndDecimal = 19;
inline constexpr int32_t CodeStartHex = 20;
inline constexpr int32_t CodeEndHex = 21;
inline constexpr int32_t ProgressBar = 45;        // range 0..20

}  // namespace tarvok
