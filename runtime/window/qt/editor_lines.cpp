// The editor's line model, positions, selection and colours. Each text block of the document is
// one editor line; positions count each line break as one character, as document positions do.

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

#include "runtime/window/qt/editor_widget.h"
#include "runtime/window/qt/layer.h"

namespace tarvok {

namespace {

// The exact colour the program gave a character, kept beside the colour shown (which for -1,
// "no colour chosen", is the editor's ordinary text colour).
constexpr int ProgramColour = QTextFormat::UserProperty + 1;

QTextCharFormat colour_format(int32_t colour) {
    QTextCharFormat format;
    if (colour == NoColour) {
        format.setForeground(QBrush());
    } else {
        format.setForeground(colour_to_qt(colour));
    }
    format.setProperty(ProgramColour, colour);
    return format;
}

// True when no character format of the document holds anything but a colour (the shown colour and
// the program's). Merging a colour into such a format gives the colour's format itself, so
// setting it gives the same text and costs half as much: Qt then need not merge and look up a
// format for every fragment of the text.
bool only_colour_formats(const QTextDocument& doc) {
    const QList<QTextFormat> formats = doc.allFormats();
    for (const QTextFormat& format : formats) {
        if (!format.isCharFormat()) continue;
        const QMap<int, QVariant> properties = format.properties();
        for (auto it = properties.cbegin(); it != properties.cend(); ++it) {
            if (it.key() != QTextFormat::ForegroundBrush && it.key() != ProgramColour) return false;
        }
    }
    return true;
}

// Gives the cursor's selection the colour: set or merged, whichever gives the same text faster.
void apply_colour(QTextCursor& cursor, const QTextDocument& doc, int32_t colour) {
    if (only_colour_formats(doc)) {
        cursor.setCharFormat(colour_format(colour));
    } else {
        cursor.mergeCharFormat(colour_format(colour));
    }
}

}  // namespace

// ---- The text as a whole ------------------------------------------------------------------------

bool EditorWidget::set_text(const QString& text) {
    const QString lines = normalise_line_breaks(text);
    if (lines.size() > limit_) return false;
    if (lines.isEmpty()) {
        setPlainText(lines);  // also forgets every undo step
    } else {
        // What setPlainText does, without its second pass over the whole text: the new text
        // takes the format of the character at the caret as it is inserted, instead of being
        // inserted plain and given that format afterwards.
        const QTextCharFormat format = textCursor().charFormat();
        QTextDocument* doc = document();
        const bool undo = doc->isUndoRedoEnabled();
        doc->setUndoRedoEnabled(false);  // forgets every undo step
        // The vertical scroll bar is shown before the old text goes. Shown only once a long
        // text is in, it would narrow the editor, and Qt lays out every line anew when the
        // width changes, giving each its own QTextLayout (27,000 of them for a long source).
        // Shown first, the width changes while the short old text is there, or after the load
        // when the new text is too short to need the bar.
        const Qt::ScrollBarPolicy bar = verticalScrollBarPolicy();
        if (bar == Qt::ScrollBarAsNeeded) setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QTextCursor insertion(doc);
        insertion.beginEditBlock();
        doc->clear();
        insertion.insertText(lines, format);
        insertion.endEditBlock();
        setVerticalScrollBarPolicy(bar);
        doc->setUndoRedoEnabled(undo);
        doc->setModified(false);
    }
    QTextCursor cursor(document());
    setTextCursor(cursor);
    if (lines.isEmpty()) lines_added_ = false;
    selected_line_ = -1;
    return true;
}

QString EditorWidget::whole_text(const QString& line_break) const {
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, line_break);
    return text;
}

// ---- The line model -----------------------------------------------------------------------------

int32_t EditorWidget::line_count() const {
    if (text_length() == 0 && !lines_added_) return 0;
    return static_cast<int32_t>(document()->blockCount());
}

QString EditorWidget::line_text(int32_t line) const {
    if (line < 0 || line >= line_count()) return QString();
    return document()->findBlockByNumber(line).text();
}

bool EditorWidget::append_line(const QString& text) {
    QString insertion;
    if (text_length() > 0 || lines_added_) insertion.append(u'\n');
    insertion.append(normalise_line_breaks(text));
    if (!edit(text_length(), 0, insertion)) return false;
    lines_added_ = true;
    return true;
}

// Inserting and replacing see the lines the editor shows: an empty editor shows line 0.
bool EditorWidget::insert_line(int32_t line, const QString& text) {
    if (line < 0 || line >= document()->blockCount()) return append_line(text);
    QString insertion = normalise_line_breaks(text);
    insertion.append(u'\n');
    if (!edit(line_start(line), 0, insertion)) return false;
    lines_added_ = true;
    return true;
}

void EditorWidget::replace_line(int32_t line, const QString& text) {
    if (line < 0 || line >= document()->blockCount()) return;
    edit(line_start(line), line_length(line), normalise_line_breaks(text));
}

// ---- Positions ----------------------------------------------------------------------------------

int32_t EditorWidget::clamp_position(int64_t position) const {
    return static_cast<int32_t>(std::clamp<int64_t>(position, 0, text_length()));
}

int32_t EditorWidget::line_start(int32_t line) const {
    if (line <= 0) return 0;
    if (line >= document()->blockCount()) return text_length();
    return static_cast<int32_t>(document()->findBlockByNumber(line).position());
}

int32_t EditorWidget::line_length(int32_t line) const {
    if (line < 0 || line >= document()->blockCount()) return 0;
    return static_cast<int32_t>(document()->findBlockByNumber(line).length() - 1);
}

int32_t EditorWidget::line_of(int32_t position) const {
    return static_cast<int32_t>(document()->findBlock(clamp_position(position)).blockNumber());
}

// ---- Editing ------------------------------------------------------------------------------------

QTextCharFormat EditorWidget::format_at(int32_t position) const {
    if (position < 0 || position >= text_length()) return QTextCharFormat();
    const QTextBlock block = document()->findBlock(position);
    if (position == block.position() + block.length() - 1) {
        // A line break: its format is the one the next line starts with.
        return block.next().charFormat();
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (position >= fragment.position() && position < fragment.position() + fragment.length()) {
            return fragment.charFormat();
        }
    }
    return block.charFormat();
}

bool EditorWidget::edit(int32_t position, int32_t count, const QString& text) {
    const int64_t new_size = int64_t{text_length()} - count + text.size();
    if (!text.isEmpty() && new_size > limit_) return false;  // refused whole, nothing changes
    QTextDocument* doc = document();
    QTextCursor cursor(doc);
    cursor.setPosition(position);
    if (count == 0 && text.isEmpty()) {
        setTextCursor(cursor);
        return true;
    }
    // Each change the program makes is one undo step of its own, not merged with typing.
    doc->setModified(false);
    const QTextCharFormat format = position > 0 ? format_at(position - 1) : colour_format(0);
    cursor.setPosition(position + count, QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    if (count > 0) cursor.removeSelectedText();
    if (!text.isEmpty()) cursor.insertText(text, format);
    cursor.endEditBlock();
    doc->setModified(false);
    setTextCursor(cursor);
    return true;
}

bool EditorWidget::type_text(const QString& text) {
    const QTextCursor cursor = textCursor();
    const int32_t start = cursor.selectionStart();
    return edit(start, cursor.selectionEnd() - start, normalise_line_breaks(text));
}

// ---- Selection and caret ------------------------------------------------------------------------

void EditorWidget::select(int32_t anchor, int32_t caret) {
    QTextCursor cursor(document());
    cursor.setPosition(clamp_position(anchor));
    cursor.setPosition(clamp_position(caret), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

int32_t EditorWidget::range_start(int32_t line, int32_t column) const {
    return clamp_position(int64_t{line_start(line)} + column - 1);
}

int32_t EditorWidget::range_end(int32_t end_line, int32_t end_column) const {
    if (end_line == -1) end_line = line_count() - 1;
    const int64_t start = line_start(end_line);
    if (end_column == -1) return clamp_position(start + line_length(end_line));
    return clamp_position(start + end_column - 1);
}

void EditorWidget::select_range(int32_t line, int32_t column, int32_t end_line, int32_t end_column) {
    select(range_start(line, column), range_end(end_line, end_column));
    selected_line_ = std::clamp(line, 0, std::max(line_count() - 1, 0));
}

int32_t EditorWidget::current_line() const {
    return line_of(static_cast<int32_t>(textCursor().selectionStart())) + 1;
}

void EditorWidget::set_caret(int32_t column, int32_t line) {
    const int32_t index =
        line == 0 ? line_of(static_cast<int32_t>(textCursor().position())) : std::max(line - 1, 0);
    const int64_t start = line_start(index);
    const int64_t length = line_length(index);
    const int32_t position = column > length + 1 ? clamp_position(start)
                                                 : clamp_position(start + column - 1);
    select(position, position);
}

// ---- Colours ------------------------------------------------------------------------------------

void EditorWidget::colour_range(int32_t line, int32_t column, int32_t end_line, int32_t end_column,
                                int32_t colour) {
    int32_t start = range_start(line, column);
    int32_t end = range_end(end_line, end_column);
    if (start > end) std::swap(start, end);
    if (start == end) return;
    // A cursor of its own: the user's selection is not touched.
    QTextDocument* doc = document();
    QTextCursor cursor(doc);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    if (!doc->isUndoAvailable() && !doc->isRedoAvailable()) {
        // Nothing to undo yet (as after a new text): colouring adds no step of its own.
        doc->setUndoRedoEnabled(false);
        apply_colour(cursor, *doc, colour);
        doc->setUndoRedoEnabled(true);
    } else {
        // Part of the last change, so it is no undo step of its own.
        cursor.joinPreviousEditBlock();
        apply_colour(cursor, *doc, colour);
        cursor.endEditBlock();
    }
}

int32_t EditorWidget::colour_at(int32_t position) const {
    if (position < 0 || position >= text_length()) return -1;
    const QTextCharFormat format = format_at(position);
    if (format.hasProperty(ProgramColour)) return format.intProperty(ProgramColour);
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush) {
        return colour_from_qt(format.foreground().color());
    }
    return 0;  // the ordinary text colour, black
}

void EditorWidget::set_background(int32_t colour) {
    background_ = colour;
    QPalette shown = palette();
    shown.setColor(QPalette::Base, colour == NoColour ? QApplication::palette().color(QPalette::Base)
                                                    : colour_to_qt(colour));
    setPalette(shown);
}

}  // namespace tarvok
