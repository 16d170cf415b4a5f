#include "runtime/window/headless/editor_model.h"

#include <algorithm>
#include <array>
#include <utility>

#include "runtime/window/headless/line_breaks.h"

namespace tarvok::headless {

// ---- The text as a whole ------------------------------------------------------------------------

bool EditorModel::set_text(std::string_view text) { return adopt_text(normalise_line_breaks(text)); }

bool EditorModel::set_text(std::string&& text) {
    normalise_line_breaks_in_place(text);
    return adopt_text(std::move(text));
}

bool EditorModel::adopt_text(std::string&& normal) {
    if (normal.size() > static_cast<std::size_t>(limit_)) return false;
    text_ = std::move(normal);
    colours_.reset(text_.size(), 0);
    lines_.reset();
    history_.clear();
    anchor_ = caret_ = 0;
    if (text_.empty()) lines_added_ = false;
    selected_line_ = -1;
    return true;
}

void EditorModel::clear() { set_text(""); }

// ---- The line model -----------------------------------------------------------------------------

int32_t EditorModel::line_count() const {
    if (text_.empty() && !lines_added_) return 0;
    return lines_.line_count(text_);
}

std::string EditorModel::line_text(int32_t line) const {
    if (line < 0 || line >= line_count()) return "";
    const auto start = static_cast<std::size_t>(lines_.line_start(text_, line));
    return text_.substr(start, static_cast<std::size_t>(lines_.line_length(text_, line)));
}

std::string EditorModel::lines_text() const {
    if (line_count() == 0) return "\n";
    std::string lines;
    lines.reserve(text_.size() + 2);
    lines += text_;
    lines += "\n\n";
    return lines;
}

std::string EditorModel::lines_text(ByteCopy copy) const {
    const bool none = line_count() == 0;
    const std::string_view text = none ? std::string_view() : std::string_view(text_);
    const std::string_view breaks = none ? "\n" : "\n\n";
    std::string lines;
    lines.reserve(text.size() + breaks.size());
    // Piece by piece through a small buffer that stays in the cache: the result's memory is
    // written once, with no filling beforehand.
    std::array<char, 2048> buffer;
    for (const std::string_view part : {text, breaks}) {
        for (std::size_t at = 0; at < part.size(); at += buffer.size()) {
            const std::size_t n = std::min(buffer.size(), part.size() - at);
            copy(buffer.data(), part.data() + at, n);
            lines.append(buffer.data(), n);
        }
    }
    return lines;
}

bool EditorModel::append_line(std::string_view text) {
    std::string insertion;
    if (!text_.empty() || lines_added_) insertion.push_back('\n');
    insertion += normalise_line_breaks(text);
    if (!insertion.empty() && !edit(size(), 0, insertion)) return false;
    if (insertion.empty()) anchor_ = caret_ = size();  // the caret still goes to the end
    lines_added_ = true;
    return true;
}

// An empty editor still shows one (empty) line, so line 0 always exists for inserting and
// replacing, whatever count_items says.
bool EditorModel::insert_line(int32_t line, std::string_view text) {
    if (line < 0 || line >= lines_.line_count(text_)) return append_line(text);
    std::string insertion = normalise_line_breaks(text);
    insertion.push_back('\n');
    if (!edit(lines_.line_start(text_, line), 0, insertion)) return false;
    lines_added_ = true;
    return true;
}

void EditorModel::replace_line(int32_t line, std::string_view text) {
    if (line < 0 || line >= lines_.line_count(text_)) return;
    edit(lines_.line_start(text_, line), lines_.line_length(text_, line), normalise_line_breaks(text));
}

// ---- Selection and caret ------------------------------------------------------------------------

int32_t EditorModel::clamp_position(int64_t position) const {
    return static_cast<int32_t>(std::clamp<int64_t>(position, 0, size()));
}

void EditorModel::select(int32_t anchor, int32_t caret) {
    anchor_ = clamp_position(anchor);
    caret_ = clamp_position(caret);
}

int32_t EditorModel::range_start(int32_t line, int32_t column) const {
    const int64_t start = lines_.line_start(text_, line);
    return clamp_position(start + column - 1);
}

int32_t EditorModel::range_end(int32_t end_line, int32_t end_column) const {
    if (end_line == -1) end_line = line_count() - 1;
    const int64_t start = lines_.line_start(text_, end_line);
    if (end_column == -1) return clamp_position(start + lines_.line_length(text_, end_line));
    return clamp_position(start + end_column - 1);
}

void EditorModel::select_range(int32_t line, int32_t column, int32_t end_line, int32_t end_column) {
    anchor_ = range_start(line, column);
    caret_ = range_end(end_line, end_column);
    selected_line_ = std::clamp(line, 0, std::max(line_count() - 1, 0));
}

int32_t EditorModel::current_line() const { return lines_.line_of(text_, selection_start()) + 1; }

void EditorModel::set_caret(int32_t column, int32_t line) {
    const int32_t index = line == 0 ? lines_.line_of(text_, caret_) : std::max(line - 1, 0);
    const int64_t start = lines_.line_start(text_, index);
    const int64_t length = lines_.line_length(text_, index);
    const int32_t position = column > length + 1 ? clamp_position(start)
                                                 : clamp_position(start + column - 1);
    anchor_ = caret_ = position;
}

// ---- Colours ------------------------------------------------------------------------------------

void EditorModel::colour_range(int32_t line, int32_t column, int32_t end_line, int32_t end_column,
                               int32_t colour) {
    int32_t start = range_start(line, column);
    int32_t end = range_end(end_line, end_column);
    if (start > end) std::swap(start, end);
    colours_.fill(static_cast<std::size_t>(start), static_cast<std::size_t>(end), colour);
}

int32_t EditorModel::colour_at(int32_t position) const {
    if (position < 0 || position >= size()) return -1;
    return colours_.at(static_cast<std::size_t>(position));
}

// ---- Editing ------------------------------------------------------------------------------------

std::string EditorModel::selected_text() const {
    return text_.substr(static_cast<std::size_t>(selection_start()),
                        static_cast<std::size_t>(selection_end() - selection_start()));
}

bool EditorModel::replace_selection(std::string_view text) {
    const int32_t start = selection_start();
    return edit(start, selection_end() - start, normalise_line_breaks(text));
}

void EditorModel::splice(int32_t position, int32_t count, std::string_view text,
                         const std::vector<int32_t>& colours) {
    const auto at = static_cast<std::size_t>(position);
    const bool breaks_changed =
        text.find('\n') != std::string_view::npos ||
        std::string_view(text_).substr(at, static_cast<std::size_t>(count)).find('\n') !=
            std::string_view::npos;
    text_.replace(at, static_cast<std::size_t>(count), text);
    colours_.replace(at, static_cast<std::size_t>(count), colours);
    if (breaks_changed) {
        lines_.text_changed_from(position);
    } else {
        lines_.text_replaced_within_line(position, count, static_cast<int32_t>(text.size()));
    }
}

bool EditorModel::edit(int32_t position, int32_t count, std::string_view text) {
    const int64_t new_size = int64_t{size()} - count + static_cast<int64_t>(text.size());
    if (!text.empty() && new_size > limit_) return false;  // refused whole, nothing changes
    if (count == 0 && text.empty()) {
        anchor_ = caret_ = position;
        return true;
    }
    EditRecord record;
    record.position = position;
    record.removed = text_.substr(static_cast<std::size_t>(position), static_cast<std::size_t>(count));
    record.removed_colours = colours_.slice(static_cast<std::size_t>(position), static_cast<std::size_t>(count));
    record.inserted = std::string(text);
    const int32_t colour = position > 0 ? colours_.at(static_cast<std::size_t>(position) - 1) : 0;
    record.inserted_colours.assign(text.size(), colour);
    record.anchor_before = anchor_;
    record.caret_before = caret_;
    splice(position, count, record.inserted, record.inserted_colours);
    anchor_ = caret_ = position + static_cast<int32_t>(text.size());
    history_.record(std::move(record));
    return true;
}

bool EditorModel::undo() {
    auto record = history_.take_undo();
    if (!record) return false;
    splice(record->position, static_cast<int32_t>(record->inserted.size()), record->removed,
           record->removed_colours);
    select(record->anchor_before, record->caret_before);
    history_.push_redo(std::move(*record));
    return true;
}

bool EditorModel::redo() {
    auto record = history_.take_redo();
    if (!record) return false;
    splice(record->position, static_cast<int32_t>(record->removed.size()), record->inserted,
           record->inserted_colours);
    anchor_ = caret_ = record->position + static_cast<int32_t>(record->inserted.size());
    history_.push_undone_again(std::move(*record));
    return true;
}

// ---- Character limit ----------------------------------------------------------------------------

void EditorModel::set_limit(int32_t limit) { limit_ = limit > 0 ? limit : EditorTextLimit; }

}  // namespace tarvok::headless
