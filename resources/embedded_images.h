#pragma once
// Images built into the program: the thirteen toolbar icons and the program icon, kept as XPM
// text in resources/icons and turned into byte arrays when the program is built.

#include <cstddef>
#include <cstdint>

namespace tarvok {

struct EmbeddedImage {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

// Icon 0..12 of the image buttons: 0 New, 1 Open/Load, 2 Save, 3 Undo, 4 Redo, 5 Cut, 6 Copy,
// 7 Paste, 8 Text colour, 9 Background colour, 10 Assemble to PRG, 11 Assemble to P00, 12 Find.
// An index outside 0..12 gives an empty image.
EmbeddedImage toolbar_icon_image(int32_t index);

// The program's own icon (32 x 32).
EmbeddedImage program_icon_image();

}  // namespace tarvok
