// The operations on the main editor (control 0): undo and redo, the clipboard, the character
// limit, selection, caret and colours, and what the tests read back from it.
#include "runtime/window/headless/layer_state.h"
#include "runtime/window/headless/line_breaks.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"

namespace tarvok {

using headless::main_editor;

void editor_undo() {
    if (auto* editor = main_editor()) editor->undo();
}

void editor_redo() {
    if (auto* editor = main_editor()) editor->redo();
}

void editor_copy() {
    const auto* editor = main_editor();
    if (editor == nullptr || editor->selection_start() == editor->selection_end()) return;
    headless::layer().clipboard = headless::with_crlf_breaks(editor->selected_text());
}

void editor_cut() {
    auto* editor = main_editor();
    if (editor == nullptr || editor->selection_start() == editor->selection_end()) return;
    editor_copy();
    editor->replace_selection("");
}

void editor_paste() {
    auto* editor = main_editor();
    const std::string& clipboard = headless::layer().clipboard;
    if (editor == nullptr || clipboard.empty()) return;
    editor->replace_selection(clipboard);  // refused whole when it would pass the limit
}

void limit_editor_text(int32_t n) {
    if (auto* editor = main_editor()) editor->set_limit(n);
}

void select_editor_range(int32_t line, int32_t column, int32_t end_line, int32_t end_column) {
    if (auto* editor = main_editor()) editor->select_range(line, column, end_line, end_column);
}

int32_t current_editor_line() {
    const auto* editor = main_editor();
    return editor != nullptr ? editor->current_line() : 0;
}

void set_editor_caret(int32_t column, int32_t line) {
    if (auto* editor = main_editor()) editor->set_caret(column, line);
}

void colour_editor_range(int32_t line, int32_t column, int32_t end_line, int32_t end_column,
                         int32_t colour) {
    if (auto* editor = main_editor()) editor->colour_range(line, column, end_line, end_column, colour);
}

void set_editor_background(int32_t colour) {
    if (auto* editor = main_editor()) editor->set_background(colour);
}

EditorSelection editor_selection() {
    const auto* editor = main_editor();
    if (editor == nullptr) return {};
    return {editor->selection_start(), editor->selection_end()};
}

int32_t editor_colour_at(int32_t position) {
    const auto* editor = main_editor();
    return editor != nullptr ? editor->colour_at(position) : -1;
}

int32_t editor_background() {
    const auto* editor = main_editor();
    return editor != nullptr ? editor->background() : NoColour;
}

std::string editor_text() {
    const auto* editor = main_editor();
    return editor != nullptr ? editor->text() : "";
}

bool editor_type_text(std::string_view text) {
    auto* editor = main_editor();
    return editor != nullptr && editor->replace_selection(text);
}

}  // namespace tarvok
