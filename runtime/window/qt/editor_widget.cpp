#include "runtime/window/qt/editor_widget.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "runtime/window/window.h"

namespace tarvok {

QString normalise_line_breaks(const QString& text) {
    if (!text.contains(u'\r')) return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            result.append(u'\n');
            if (i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
        } else {
            result.append(c);
        }
    }
    return result;
}

EditorWidget::EditorWidget(QWidget* parent) : QPlainTextEdit(parent), limit_(EditorTextLimit) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setTabChangesFocus(false);
    // Tab stops every half inch, as in the platform's rich-text editor.
    setTabStopDistance(logicalDpiX() / 2.0);
    // The selection stays visible while another window (a message box) has the focus: an
    // error selects its line before its box appears.
    QPalette shown = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        shown.setColor(QPalette::Inactive, role, shown.color(QPalette::Active, role));
    }
    setPalette(shown);
    // A right click belongs to the program (its popup menu), not to Qt's standard menu.
    setContextMenuPolicy(Qt::NoContextMenu);
    viewport()->setContextMenuPolicy(Qt::NoContextMenu);
    horizontalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
}

int32_t EditorWidget::text_length() const {
    return static_cast<int32_t>(document()->characterCount() - 1);
}

bool EditorWidget::fits(int64_t added) const {
    const QTextCursor cursor = textCursor();
    const int64_t selected = cursor.selectionEnd() - cursor.selectionStart();
    return static_cast<int64_t>(text_length()) - selected + added <= limit_;
}

void EditorWidget::keyPressEvent(QKeyEvent* event) {
    const bool line_break = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (line_break && !isReadOnly()) {
        // Shift+Enter too starts a new line: every line break of the editor ends a line.
        if (!fits(1)) {
            event->accept();
            return;
        }
        QTextCursor cursor = textCursor();
        cursor.insertBlock();
        setTextCursor(cursor);
        ensureCursorVisible();
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool inserts = !text.isEmpty() && !isReadOnly() &&
                         (text.at(0).isPrint() || text.at(0) == u'\t') &&
                         !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (inserts && !fits(text.size())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EditorWidget::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() && !fits(event->commitString().size())) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void EditorWidget::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText()) return;
    // Refused whole when the text would pass the limit: nothing is cut off silently.
    if (type_text(source->text())) ensureCursorVisible();
}

}  // namespace tarvok
