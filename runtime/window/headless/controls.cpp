// Creating controls in the current window, their tooltips and fonts, and looking them up.
#include <algorithm>
#include <memory>

#include "runtime/window/headless/layer_state.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"

namespace tarvok {

using headless::ControlRecord;
using headless::layer;

namespace {

// A new control in the current window; an existing control with the same id is replaced.
// nullptr when no window is current.
ControlRecord* create_control(int32_t id, ControlKind kind, int32_t x, int32_t y, int32_t w,
                              int32_t h, std::string_view text, int32_t flags) {
    headless::Layer& state = layer();
    if (!state.windows.contains(state.current_window)) return nullptr;
    headless::remove_control(id);
    ControlRecord& control = state.controls[id];
    control.kind = kind;
    control.handle = headless::new_handle();
    control.window = state.current_window;
    control.x = x;
    control.y = y;
    control.width = w;
    control.height = h;
    control.text = std::string(text);
    control.flags = flags;
    state.creation_order.push_back(id);
    return &control;
}

ControlHandle handle_of(const ControlRecord* control) {
    return control != nullptr ? control->handle : 0;
}

}  // namespace

ControlHandle create_text_field(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                                std::string_view text, int32_t flags) {
    return handle_of(create_control(id, ControlKind::TextField, x, y, w, h, text, flags));
}

ControlHandle create_button(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                            std::string_view text, int32_t flags) {
    return handle_of(create_control(id, ControlKind::Button, x, y, w, h, text, flags));
}

ControlHandle create_label(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                           std::string_view text, int32_t flags) {
    return handle_of(create_control(id, ControlKind::Label, x, y, w, h, text, flags));
}

ControlHandle create_check_box(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                               std::string_view text) {
    return handle_of(create_control(id, ControlKind::CheckBox, x, y, w, h, text, 0));
}

ControlHandle create_list_box(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h) {
    return handle_of(create_control(id, ControlKind::ListBox, x, y, w, h, "", 0));
}

ControlHandle create_editor(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h) {
    ControlRecord* control = create_control(id, ControlKind::Editor, x, y, w, h, "", 0);
    if (control != nullptr) control->editor = std::make_unique<headless::EditorModel>();
    return handle_of(control);
}

ControlHandle create_image_button(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                                  ImageHandle image) {
    ControlRecord* control = create_control(id, ControlKind::ImageButton, x, y, w, h, "", 0);
    if (control != nullptr) control->image = image;
    return handle_of(control);
}

ControlHandle create_progress_bar(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                                  int32_t min, int32_t max) {
    ControlRecord* control = create_control(id, ControlKind::ProgressBar, x, y, w, h, "", 0);
    if (control != nullptr) {
        control->minimum = std::min(min, max);
        control->maximum = std::max(min, max);
        control->position = control->minimum;
    }
    return handle_of(control);
}

ControlHandle create_tab_strip(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h) {
    return handle_of(create_control(id, ControlKind::TabStrip, x, y, w, h, "", 0));
}

// Controls here always belong to their window directly; tab pages hold nothing of their own.
void end_tab_pages() {}

void set_tooltip(int32_t id, std::string_view text) {
    if (ControlRecord* control = headless::find_control(id)) control->tooltip = std::string(text);
}

void set_control_font(int32_t id, FontHandle font) {
    ControlRecord* control = headless::find_control(id);
    if (control == nullptr) return;
    if (font != 0 && !layer().fonts.contains(font)) return;  // not a font of ours
    control->font = font;
}

ControlHandle control_handle(int32_t id) { return handle_of(headless::find_control(id)); }

std::string control_font_name(int32_t id) {
    const ControlRecord* control = headless::find_control(id);
    if (control == nullptr || control->font == 0) return "";
    const auto found = layer().fonts.find(control->font);
    return found == layer().fonts.end() ? "" : found->second.face;
}

ControlInfo inspect_control(int32_t id) {
    ControlInfo info;
    const ControlRecord* control = headless::find_control(id);
    if (control == nullptr) return info;
    info.kind = control->kind;
    info.window = control->window;
    info.x = control->x;
    info.y = control->y;
    info.width = control->width;
    info.height = control->height;
    info.text = control->text;
    info.tooltip = control->tooltip;
    info.flags = control->flags;
    return info;
}

std::vector<int32_t> controls_of_window(int32_t number) {
    std::vector<int32_t> ids;
    for (const int32_t id : layer().creation_order) {
        if (headless::find_control(id)->window == number) ids.push_back(id);
    }
    return ids;
}

}  // namespace tarvok
