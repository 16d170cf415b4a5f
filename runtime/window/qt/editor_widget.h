#pragma once
// The source editor: a plain-text editor without line wrap whose text blocks are the editor's
// lines. It holds at most its limit of characters (each line break counts one): typing, pasting
// or dropping text that would pass the limit is refused whole. It shows no menu of its own on a
// right click, so the program's popup menu can be shown instead.

#include <QPlainTextEdit>
#include <QTextCharFormat>

#include <cstdint>

namespace tarvok {

class EditorWidget : public QPlainTextEdit {
public:
    explicit EditorWidget(QWidget* parent);

    int32_t limit() const { return limit_; }
    void set_limit(int32_t limit) { limit_ = limit; }

    // Characters in the editor, each line break one.
    int32_t text_length() const;
    // True when replacing the current selection by added characters stays within the limit.
    bool fits(int64_t added) const;

    // What typing the text does: replaces the selection; false when refused by the limit.
    bool type_text(const QString& text);

    // ---- The line model (each text block is one line) -------------------------------------------
    // Replaces the whole text (any line breaks; not undoable); "" empties it and forgets that lines
    // were added. False, keeping the old text, when the new one is longer than the limit.
    bool set_text(const QString& text);
    // 0 while the text is empty and no line was added since it was last emptied.
    int32_t line_count() const;
    QString line_text(int32_t line) const;  // "" past the last line
    // Appends text as a new line (a line break first when the editor holds text or a line).
    bool append_line(const QString& text);
    // Puts text and a line break at the start of a line the editor shows (an empty editor shows
    // line 0); appends past the last line.
    bool insert_line(int32_t line, const QString& text);
    // Replaces the characters of a line the editor shows, not its line break.
    void replace_line(int32_t line, const QString& text);
    // The whole text with the given line break.
    QString whole_text(const QString& line_break) const;

    // ---- Positions ------------------------------------------------------------------------------
    int32_t line_start(int32_t line) const;   // 0 before the first line, the end past the last
    int32_t line_length(int32_t line) const;  // 0 past the last line
    int32_t line_of(int32_t position) const;  // 0-based
    int32_t clamp_position(int64_t position) const;

    // ---- Selection, caret and colours -----------------------------------------------------------
    void select(int32_t anchor, int32_t caret);
    void select_range(int32_t line, int32_t column, int32_t end_line, int32_t end_column);
    int32_t current_line() const;  // 1-based line of the selection's start
    void set_caret(int32_t column, int32_t line);
    // Start line of the last select_range since the text was last set as a whole, -1 for none.
    int32_t selected_line() const { return selected_line_; }
    // Colours the characters of the range; the selection and the undo steps stay as they are.
    void colour_range(int32_t line, int32_t column, int32_t end_line, int32_t end_column,
                      int32_t colour);
    int32_t colour_at(int32_t position) const;  // -1 outside the text
    int32_t background() const { return background_; }
    void set_background(int32_t colour);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int32_t range_start(int32_t line, int32_t column) const;
    int32_t range_end(int32_t end_line, int32_t end_column) const;
    // Replaces count characters at position by text ("\n" breaks) as one undo step; the new
    // characters take the colour of the character before them. False when refused by the limit.
    bool edit(int32_t position, int32_t count, const QString& text);
    QTextCharFormat format_at(int32_t position) const;

    int32_t limit_;
    bool lines_added_ = false;
    int32_t selected_line_ = -1;
    int32_t background_ = 0xFFFFFF;
};

// Text with CR LF, lone LF and lone CR each turned into one "\n".
QString normalise_line_breaks(const QString& text);

}  // namespace tarvok
