#pragma once
// The editor's undo and redo stacks. Each step is one edit: the characters (and their colours)
// that were removed at a position and the ones put there instead, with the selection the editor
// had before. Colour changes are not steps. The undo stack keeps the most recent steps only.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tarvok::headless {

inline constexpr std::size_t EditorUndoSteps = 100;

struct EditRecord {
    int32_t position = 0;
    std::string removed;
    std::vector<int32_t> removed_colours;
    std::string inserted;
    std::vector<int32_t> inserted_colours;
    int32_t anchor_before = 0;
    int32_t caret_before = 0;
};

class UndoHistory {
public:
    // A new edit: it becomes the step to undo and the redo stack is emptied.
    void record(EditRecord edit);
    std::optional<EditRecord> take_undo();
    std::optional<EditRecord> take_redo();
    // An undone step is kept for redo; a redone step goes back on the undo stack.
    void push_redo(EditRecord edit);
    void push_undone_again(EditRecord edit);
    void clear();
    std::size_t undo_steps() const { return undo_.size(); }
    std::size_t redo_steps() const { return redo_.size(); }

private:
    void push_undo(EditRecord edit);

    std::deque<EditRecord> undo_;
    std::vector<EditRecord> redo_;
};

}  // namespace tarvok::headless
