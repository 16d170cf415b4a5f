#include "shell/toolbar_icons.h"

#include "resources/embedded_images.h"

namespace tarvok {

ToolbarIcons load_toolbar_icons() {
    ToolbarIcons icons{};
    for (int32_t i = 0; i < ToolbarIconCount; ++i) {
        const EmbeddedImage image = toolbar_icon_image(i);
        icons[static_cast<std::size_t>(i)] = load_image_from_memory(i, image.data, image.size);
    }
    return icons;
}

}  // namespace tarvok
