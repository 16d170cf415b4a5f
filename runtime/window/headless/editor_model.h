#pragma once
// The rich-text editor held in memory: one byte string with a "\n" per line break, a colour for
// every character, a selection (anchor and caret), undo and redo, and a character limit.
// Positions are 0-based character indices, each line break counting one.
//
// Colours: text set as a whole is black (0); text typed, pasted or added takes the colour of the
// character just before the point where it goes in, and black at the very start of the text.
// Every edit other than setting the whole text is one undo step; colouring is not.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/window/headless/char_colours.h"
#include "runtime/window/headless/line_index.h"
#include "runtime/window/headless/undo_history.h"
#include "runtime/window/window.h"

namespace tarvok::headless {

class EditorModel {
public:
    // ---- The text as a whole --------------------------------------------------------------------
    const std::string& text() const { return text_; }
    int32_t size() const { return static_cast<int32_t>(text_.size()); }
    // Replaces the whole text (any line breaks); "" empties it and forgets that lines were added.
    // False, keeping the old text, when the new one is longer than the limit.
    bool set_text(std::string_view text);
    // set_text that takes over the string's memory, its breaks made "\n" in place: no copy of a
    // long text is made. A text over the limit stays in the string (breaks made "\n").
    bool set_text(std::string&& text);
    bool set_text(const char* text) { return set_text(std::string_view(text)); }
    void clear();

    // ---- The line model -------------------------------------------------------------------------
    // 0 while the text is empty and no line was added since it was last emptied.
    int32_t line_count() const;
    std::string line_text(int32_t line) const;  // "" past the last line
    // Lines 0 to line_count() (the one past the last is ""), each followed by "\n".
    std::string lines_text() const;
    // lines_text with every byte written through copy.
    std::string lines_text(ByteCopy copy) const;
    // Appends text as a new line (a line break first when the editor holds text or a line).
    bool append_line(std::string_view text);
    // Puts text and a line break at the start of an existing line; appends past the last line.
    // Line 0 of an empty editor exists (it is shown as one empty line).
    bool insert_line(int32_t line, std::string_view text);
    // Replaces the characters of an existing line, not its line break; line 0 of an empty editor
    // exists.
    void replace_line(int32_t line, std::string_view text);

    // ---- Selection and caret --------------------------------------------------------------------
    int32_t anchor() const { return anchor_; }
    int32_t caret() const { return caret_; }
    int32_t selection_start() const { return anchor_ < caret_ ? anchor_ : caret_; }
    int32_t selection_end() const { return anchor_ < caret_ ? caret_ : anchor_; }
    void select(int32_t anchor, int32_t caret);
    // Line 0-based, columns 1-based; end line -1 is the last line, end column -1 the end of the
    // end line, column 0 the line break before the line.
    void select_range(int32_t line, int32_t column, int32_t end_line, int32_t end_column);
    int32_t current_line() const;  // 1-based line of the selection's start
    void set_caret(int32_t column, int32_t line);
    // Start line of the last select_range since the text was last set as a whole, -1 for none.
    int32_t selected_line() const { return selected_line_; }

    // ---- Colours --------------------------------------------------------------------------------
    void colour_range(int32_t line, int32_t column, int32_t end_line, int32_t end_column,
                      int32_t colour);
    int32_t colour_at(int32_t position) const;  // -1 outside the text
    int32_t background() const { return background_; }
    void set_background(int32_t colour) { background_ = colour; }

    // ---- Editing as the user does ---------------------------------------------------------------
    std::string selected_text() const;
    // Replaces the selection (typing, pasting); false when the result would pass the limit.
    bool replace_selection(std::string_view text);
    bool undo();
    bool redo();
    std::size_t undo_steps() const { return history_.undo_steps(); }

    // ---- Character limit ------------------------------------------------------------------------
    int32_t limit() const { return limit_; }
    void set_limit(int32_t limit);

private:
    int32_t range_start(int32_t line, int32_t column) const;
    int32_t range_end(int32_t end_line, int32_t end_column) const;
    int32_t clamp_position(int64_t position) const;
    // set_text once the breaks are "\n".
    bool adopt_text(std::string&& normal);
    // Replaces count characters at position with text (breaks already "\n"); records an undo step.
    bool edit(int32_t position, int32_t count, std::string_view text);
    // The raw replacement with the given colours; keeps the line index in step.
    void splice(int32_t position, int32_t count, std::string_view text,
                const std::vector<int32_t>& colours);

    std::string text_;
    CharColours colours_;
    LineIndex lines_;
    UndoHistory history_;
    int32_t anchor_ = 0;
    int32_t caret_ = 0;
    bool lines_added_ = false;
    int32_t selected_line_ = -1;
    int32_t limit_ = EditorTextLimit;
    int32_t background_ = 0xFFFFFF;
};

}  // namespace tarvok::headless
