#pragma once
// What load_font accepts in both window backends before it looks for a face: a name without
// control characters (no font face has them) and a size from 1 to MaxFontSize points.

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "runtime/window/window.h"

namespace tarvok {

inline bool font_request_possible(std::string_view face, int32_t size) {
    const bool control_character = std::any_of(face.begin(), face.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20;
    });
    return !face.empty() && !control_character && size > 0 && size <= MaxFontSize;
}

}  // namespace tarvok
