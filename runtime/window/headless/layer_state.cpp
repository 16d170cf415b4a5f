#include "runtime/window/headless/layer_state.h"

#include <algorithm>

namespace tarvok::headless {

namespace {
Layer& the_layer() {
    static Layer instance;
    return instance;
}
}  // namespace

Layer& layer() { return the_layer(); }

void reset_layer() { the_layer() = Layer{}; }

std::uintptr_t new_handle() { return layer().next_handle++; }

ControlRecord* find_control(int32_t id) {
    auto& controls = layer().controls;
    const auto found = controls.find(id);
    return found == controls.end() ? nullptr : &found->second;
}

EditorModel* find_editor(int32_t id) {
    ControlRecord* control = find_control(id);
    return control != nullptr ? control->editor.get() : nullptr;
}

EditorModel* main_editor() { return find_editor(MainEditorId); }

void remove_control(int32_t id) {
    Layer& state = layer();
    state.controls.erase(id);
    std::erase(state.creation_order, id);
}

}  // namespace tarvok::headless
