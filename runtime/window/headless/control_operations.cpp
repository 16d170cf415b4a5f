// Texts, states and items of controls: fields, buttons, labels and check boxes keep a text; list
// boxes and tab strips a list of items with one selected; progress bars a position within their
// range; editors follow the editor line model.
#include <algorithm>
#include <utility>

#include "runtime/window/headless/layer_state.h"
#include "runtime/window/headless/line_breaks.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"

namespace tarvok {

using headless::ControlRecord;
using headless::find_control;

namespace {

// The most a field, button or label gives back as its window text.
constexpr std::size_t WindowTextLimit = 32'000;

bool keeps_window_text(ControlKind kind) {
    return kind == ControlKind::TextField || kind == ControlKind::Button ||
           kind == ControlKind::Label || kind == ControlKind::CheckBox;
}

bool has_items(ControlKind kind) { return kind == ControlKind::ListBox || kind == ControlKind::TabStrip; }

bool valid_item(const ControlRecord& control, int32_t index) {
    return index >= 0 && index < static_cast<int32_t>(control.items.size());
}

bool list_box_insert(ControlRecord& control, int32_t position, std::string_view text) {
    const auto count = static_cast<int32_t>(control.items.size());
    if (position < -1 || position > count) return false;
    const int32_t at = position == -1 ? count : position;
    control.items.insert(control.items.begin() + at, std::string(text));
    if (control.selected >= at) ++control.selected;  // the selection stays on its item
    return true;
}

bool tab_strip_append(ControlRecord& control, std::string_view text) {
    control.items.emplace_back(text);
    if (control.selected < 0) control.selected = 0;  // the first tab is selected
    return true;
}

}  // namespace

std::string get_control_text(int32_t id) {
    const ControlRecord* control = find_control(id);
    if (control == nullptr) return "";
    if (keeps_window_text(control->kind)) return control->text.substr(0, WindowTextLimit);
    if (control->kind == ControlKind::ListBox) {
        return valid_item(*control, control->selected)
                   ? control->items[static_cast<std::size_t>(control->selected)]
                   : "";
    }
    if (control->editor) return headless::with_crlf_breaks(control->editor->text());
    return "";
}

bool set_control_text(int32_t id, std::string_view text) {
    ControlRecord* control = find_control(id);
    if (control == nullptr) return false;
    if (keeps_window_text(control->kind)) {
        control->text = std::string(text);
        return true;
    }
    if (control->editor) return control->editor->set_text(text);
    return false;
}

bool set_control_text(int32_t id, std::string&& text) {
    ControlRecord* control = find_control(id);
    if (control == nullptr) return false;
    if (keeps_window_text(control->kind)) {
        control->text = std::move(text);
        return true;
    }
    if (control->editor) return control->editor->set_text(std::move(text));
    return false;
}

bool set_control_file_name(int32_t id, std::string_view path) {
    ControlRecord* control = find_control(id);
    if (control == nullptr || control->kind != ControlKind::TextField) return false;
    control->text = std::string(path);
    return true;
}

int32_t get_control_state(int32_t id) {
    const ControlRecord* control = find_control(id);
    if (control == nullptr) return 0;
    switch (control->kind) {
        case ControlKind::ListBox:
        case ControlKind::TabStrip: return control->selected;
        case ControlKind::ProgressBar: return control->position;
        case ControlKind::CheckBox: return control->checked;
        default: return 0;
    }
}

void set_control_state(int32_t id, int32_t value) {
    ControlRecord* control = find_control(id);
    if (control == nullptr) return;
    if (headless::layer().state_observer) headless::layer().state_observer(id, value);
    switch (control->kind) {
        case ControlKind::ListBox: control->selected = valid_item(*control, value) ? value : -1; break;
        case ControlKind::TabStrip:
            if (valid_item(*control, value)) control->selected = value;
            break;
        case ControlKind::ProgressBar:
            control->position = std::clamp(value, control->minimum, control->maximum);
            break;
        case ControlKind::CheckBox: control->checked = value != 0 ? 1 : 0; break;
        default: break;
    }
}

bool add_item(int32_t id, int32_t position, std::string_view text) {
    ControlRecord* control = find_control(id);
    if (control == nullptr) return false;
    if (control->kind == ControlKind::ListBox) return list_box_insert(*control, position, text);
    if (control->kind == ControlKind::TabStrip) return tab_strip_append(*control, text);
    if (control->editor) {
        return position < 0 ? control->editor->append_line(text)
                            : control->editor->insert_line(position, text);
    }
    return false;
}

void clear_items(int32_t id) {
    ControlRecord* control = find_control(id);
    if (control == nullptr) return;
    if (has_items(control->kind)) {
        control->items.clear();
        control->selected = -1;
    } else if (control->editor) {
        control->editor->clear();
    }
}

int32_t count_items(int32_t id) {
    const ControlRecord* control = find_control(id);
    if (control == nullptr) return 0;
    if (has_items(control->kind)) return static_cast<int32_t>(control->items.size());
    if (control->editor) return control->editor->line_count();
    return 0;
}

std::string get_item_text(int32_t id, int32_t index) {
    const ControlRecord* control = find_control(id);
    if (control == nullptr) return "";
    if (has_items(control->kind)) {
        return valid_item(*control, index) ? control->items[static_cast<std::size_t>(index)] : "";
    }
    if (control->editor) return control->editor->line_text(index);
    return "";
}

std::string get_editor_lines(int32_t id) {
    const ControlRecord* control = find_control(id);
    if (control == nullptr || !control->editor) return "";
    return control->editor->lines_text();
}

std::string get_editor_lines(int32_t id, ByteCopy copy) {
    const ControlRecord* control = find_control(id);
    if (control == nullptr || !control->editor) return "";
    return control->editor->lines_text(copy);
}

void set_item_text(int32_t id, int32_t index, std::string_view text) {
    ControlRecord* control = find_control(id);
    if (control == nullptr) return;
    if (has_items(control->kind)) {
        if (valid_item(*control, index)) control->items[static_cast<std::size_t>(index)] = std::string(text);
    } else if (control->editor) {
        control->editor->replace_line(index, text);
    }
}

}  // namespace tarvok
