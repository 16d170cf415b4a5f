#pragma once
// Start positions of the lines of an editor text whose line breaks are single "\n" characters.
// The index is rebuilt lazily: an edit only drops the starts that lie after the edited position,
// and the next question scans just the text from there on. Appending lines one after the other,
// or reading every line after a batch of edits, therefore costs time linear in the text.

#include <cstdint>
#include <string>
#include <vector>

namespace tarvok::headless {

class LineIndex {
public:
    // The text at positions >= position changed (inserted, removed or replaced).
    void text_changed_from(int32_t position);
    // count characters at position were replaced by inserted others, and neither held a line
    // break: the lines after them keep their breaks and only move.
    void text_replaced_within_line(int32_t position, int32_t count, int32_t inserted);
    // Forget everything (the text was replaced as a whole).
    void reset();

    // Number of lines of text: one more than its line breaks (an empty text has one line).
    int32_t line_count(const std::string& text) const;
    // Position of the first character of line (0-based); text's size for a line past the last,
    // 0 for a negative line.
    int32_t line_start(const std::string& text, int32_t line) const;
    // Characters of line without its line break; 0 past the last line.
    int32_t line_length(const std::string& text, int32_t line) const;
    // 0-based line that holds position (a line break belongs to the line it ends).
    int32_t line_of(const std::string& text, int32_t position) const;

private:
    void complete(const std::string& text) const;

    mutable std::vector<int32_t> starts_{0};
    mutable int32_t scanned_ = 0;  // every position below this has been looked at for breaks
};

}  // namespace tarvok::headless
