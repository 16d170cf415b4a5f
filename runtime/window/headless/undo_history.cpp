#include "runtime/window/headless/undo_history.h"

#include <utility>

namespace tarvok::headless {

void UndoHistory::push_undo(EditRecord edit) {
    undo_.push_back(std::move(edit));
    if (undo_.size() > EditorUndoSteps) undo_.pop_front();
}

void UndoHistory::record(EditRecord edit) {
    push_undo(std::move(edit));
    redo_.clear();
}

std::optional<EditRecord> UndoHistory::take_undo() {
    if (undo_.empty()) return std::nullopt;
    EditRecord edit = std::move(undo_.back());
    undo_.pop_back();
    return edit;
}

std::optional<EditRecord> UndoHistory::take_redo() {
    if (redo_.empty()) return std::nullopt;
    EditRecord edit = std::move(redo_.back());
    redo_.pop_back();
    return edit;
}

void UndoHistory::push_redo(EditRecord edit) { redo_.push_back(std::move(edit)); }

void UndoHistory::push_undone_again(EditRecord edit) { push_undo(std::move(edit)); }

void UndoHistory::clear() {
    undo_.clear();
    redo_.clear();
}

}  // namespace tarvok::headless
