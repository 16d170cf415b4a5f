// The operations on the main editor (control 0): undo and redo, the clipboard, the character
// limit, selection, caret and colours, and what the tests read back from it.

#include <QTextCursor>

#include "runtime/window/qt/editor_widget.h"
#include "runtime/window/qt/layer.h"

namespace tarvok {

void editor_undo() {
    if (EditorWidget* editor = main_editor()) editor->undo();
}

void editor_redo() {
    if (EditorWidget* editor = main_editor()) editor->redo();
}

void editor_cut() {
    if (EditorWidget* editor = main_editor()) editor->cut();
}

void editor_copy() {
    if (EditorWidget* editor = main_editor()) editor->copy();
}

void editor_paste() {
    // Goes through the editor's own insertion, which refuses text past the limit.
    if (EditorWidget* editor = main_editor()) editor->paste();
}

void limit_editor_text(int32_t n) {
    if (EditorWidget* editor = main_editor()) editor->set_limit(n > 0 ? n : EditorTextLimit);
}

void select_editor_range(int32_t line, int32_t column, int32_t end_line, int32_t end_column) {
    if (EditorWidget* editor = main_editor()) editor->select_range(line, column, end_line, end_column);
}

int32_t current_editor_line() {
    const EditorWidget* editor = main_editor();
    return editor != nullptr ? editor->current_line() : 0;
}

void set_editor_caret(int32_t column, int32_t line) {
    if (EditorWidget* editor = main_editor()) editor->set_caret(column, line);
}

void colour_editor_range(int32_t line, int32_t column, int32_t end_line, int32_t end_column,
                         int32_t colour) {
    if (EditorWidget* editor = main_editor()) {
        editor->colour_range(line, column, end_line, end_column, colour);
    }
}

void set_editor_background(int32_t colour) {
    if (EditorWidget* editor = main_editor()) editor->set_background(colour);
}

EditorSelection editor_selection() {
    const EditorWidget* editor = main_editor();
    if (editor == nullptr) return {};
    const QTextCursor cursor = editor->textCursor();
    return {static_cast<int32_t>(cursor.selectionStart()), static_cast<int32_t>(cursor.selectionEnd())};
}

int32_t editor_colour_at(int32_t position) {
    const EditorWidget* editor = main_editor();
    return editor != nullptr ? editor->colour_at(position) : -1;
}

int32_t editor_background() {
    const EditorWidget* editor = main_editor();
    return editor != nullptr ? editor->background() : NoColour;
}

std::string editor_text() {
    const EditorWidget* editor = main_editor();
    return editor != nullptr ? from_qt(editor->whole_text(QStringLiteral("\n"))) : "";
}

bool editor_type_text(std::string_view text) {
    EditorWidget* editor = main_editor();
    return editor != nullptr && editor->type_text(to_qt(text));
}

}  // namespace tarvok
