// Fonts and images. Nothing is drawn here, so a font is its face, size and style, and an image
// is accepted when its data has the form of a BMP, an icon file or an XPM text.
#include <cstring>

#include "runtime/window/font_request.h"
#include "runtime/window/headless/layer_state.h"
#include "runtime/window/window.h"

namespace tarvok {

using headless::layer;

namespace {

bool starts_with(const void* data, std::size_t size, const char* prefix, std::size_t length) {
    return data != nullptr && size >= length && std::memcmp(data, prefix, length) == 0;
}

}  // namespace

FontHandle load_font(int32_t /*number*/, std::string_view face, int32_t size, int32_t style) {
    if (!font_request_possible(face, size)) return 0;
    const FontHandle handle = headless::new_handle();
    layer().fonts[handle] = headless::FontRecord{std::string(face), size, style};
    return handle;
}

ImageHandle load_image_from_memory(int32_t number, const void* data, std::size_t size) {
    static constexpr char Bitmap[] = {'B', 'M'};
    static constexpr char Icon[] = {0, 0, 1, 0};
    static constexpr char Xpm[] = "/* XPM */";
    const bool known = starts_with(data, size, Bitmap, sizeof Bitmap) ||
                       starts_with(data, size, Icon, sizeof Icon) ||
                       starts_with(data, size, Xpm, sizeof Xpm - 1);
    if (!known) return 0;
    const ImageHandle handle = headless::new_handle();
    layer().images[number] = handle;
    return handle;
}

}  // namespace tarvok
