// Texts, states and items of controls: fields, buttons, labels and check boxes have a text; list
// boxes and tab strips items with one selected; progress bars a position within their range;
// editors follow the editor line model. Changes made here produce no events.

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTabBar>
#include <QTextDocument>

#include <algorithm>
#include <chrono>

#include "runtime/window/qt/editor_widget.h"
#include "runtime/window/qt/layer.h"

namespace tarvok {

namespace {

// The most a field, button or label gives back as its window text.
constexpr qsizetype WindowTextLimit = 32'000;

QString window_text(const ControlRecord& record) {
    if (record.caption) return static_cast<QLabel*>(record.caption.data())->text();
    switch (record.kind) {
        case ControlKind::TextField: return static_cast<QLineEdit*>(record.widget.data())->text();
        case ControlKind::Button:
        case ControlKind::CheckBox:
            return static_cast<QAbstractButton*>(record.widget.data())->text();
        case ControlKind::Label: return static_cast<QLabel*>(record.widget.data())->text();
        default: return QString();
    }
}

bool keeps_window_text(ControlKind kind) {
    return kind == ControlKind::TextField || kind == ControlKind::Button ||
           kind == ControlKind::Label || kind == ControlKind::CheckBox;
}

QListWidget* list_of(const ControlRecord& record) {
    return record.kind == ControlKind::ListBox ? static_cast<QListWidget*>(record.widget.data())
                                               : nullptr;
}

QTabBar* tabs_of(const ControlRecord& record) {
    return record.kind == ControlKind::TabStrip ? static_cast<QTabBar*>(record.widget.data())
                                                : nullptr;
}

EditorWidget* editor_of(const ControlRecord& record) {
    return record.kind == ControlKind::Editor ? static_cast<EditorWidget*>(record.widget.data())
                                              : nullptr;
}

int32_t selected_row(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : static_cast<int32_t>(list.row(selected.first()));
}

void select_row(QListWidget& list, int32_t row) {
    if (row >= 0 && row < list.count()) {
        list.setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    } else {
        list.clearSelection();
    }
}

// The tab strip is only as tall as its tab headers.
void fit_tab_strip(QTabBar& tabs) {
    if (tabs.count() > 0) tabs.resize(tabs.width(), tabs.tabRect(0).height());
}

// A progress bar repaints itself at once when its position changes, so that it moves while a
// long command runs without the event loop. More than one repaint a frame cannot be seen: a
// change sooner than that after the last one is painted with the next frame instead.
void set_progress(QProgressBar& bar, int32_t value) {
    constexpr std::chrono::milliseconds Frame{20};
    const auto now = std::chrono::steady_clock::now();
    const int32_t position = std::clamp(value, bar.minimum(), bar.maximum());
    if (position == bar.value()) return;
    if (now - layer().progress_painted >= Frame) {
        layer().progress_painted = now;
        bar.setValue(position);
        return;
    }
    bar.setUpdatesEnabled(false);
    bar.setValue(position);
    bar.setUpdatesEnabled(true);
    bar.update();  // repainted with the next frame the event loop draws
}

}  // namespace

std::string get_control_text(int32_t id) {
    const ControlRecord* record = find_control(id);
    if (record == nullptr) return "";
    if (record->holds_file_name) return path_from_qt(window_text(*record).left(WindowTextLimit));
    if (keeps_window_text(record->kind)) return from_qt(window_text(*record).left(WindowTextLimit));
    if (const QListWidget* list = list_of(*record)) {
        const int32_t row = selected_row(*list);
        return row >= 0 ? from_qt(list->item(row)->text()) : "";
    }
    if (const EditorWidget* editor = editor_of(*record)) {
        return from_qt(editor->whole_text(QStringLiteral("\r\n")));
    }
    return "";
}

bool set_control_text(int32_t id, std::string_view text) {
    ControlRecord* record = find_control(id);
    if (record == nullptr) return false;
    const QuietChanges quiet;
    const QString value = to_qt(text);
    record->holds_file_name = false;
    if (record->caption) {
        static_cast<QLabel*>(record->caption.data())->setText(value);
        return true;
    }
    switch (record->kind) {
        case ControlKind::TextField: {
            auto* field = static_cast<QLineEdit*>(record->widget.data());
            field->setText(value);
            field->setCursorPosition(0);
            return true;
        }
        case ControlKind::Button:
        case ControlKind::CheckBox:
            static_cast<QAbstractButton*>(record->widget.data())->setText(value);
            return true;
        case ControlKind::Label: static_cast<QLabel*>(record->widget.data())->setText(value); return true;
        case ControlKind::Editor: return editor_of(*record)->set_text(value);
        default: return false;
    }
}

// The editor widget holds its text in its own form: the string is read like any other.
bool set_control_text(int32_t id, std::string&& text) { return set_control_text(id, std::string_view(text)); }

bool set_control_file_name(int32_t id, std::string_view path) {
    ControlRecord* record = find_control(id);
    if (record == nullptr || record->kind != ControlKind::TextField) return false;
    const QuietChanges quiet;
    auto* field = static_cast<QLineEdit*>(record->widget.data());
    field->setText(path_to_qt(path));
    field->setCursorPosition(0);
    record->holds_file_name = true;
    return true;
}

int32_t get_control_state(int32_t id) {
    const ControlRecord* record = find_control(id);
    if (record == nullptr) return 0;
    QWidget* widget = record->widget.data();
    switch (record->kind) {
        case ControlKind::ListBox: return selected_row(*static_cast<QListWidget*>(widget));
        case ControlKind::TabStrip: return static_cast<int32_t>(static_cast<QTabBar*>(widget)->currentIndex());
        case ControlKind::ProgressBar: return static_cast<QProgressBar*>(widget)->value();
        case ControlKind::CheckBox: return static_cast<QCheckBox*>(widget)->isChecked() ? 1 : 0;
        default: return 0;
    }
}

void set_control_state(int32_t id, int32_t value) {
    ControlRecord* record = find_control(id);
    if (record == nullptr) return;
    if (layer().state_observer) layer().state_observer(id, value);
    const QuietChanges quiet;
    QWidget* widget = record->widget.data();
    switch (record->kind) {
        case ControlKind::ListBox: select_row(*static_cast<QListWidget*>(widget), value); break;
        case ControlKind::TabStrip: {
            auto* tabs = static_cast<QTabBar*>(widget);
            if (value >= 0 && value < tabs->count()) tabs->setCurrentIndex(value);
            break;
        }
        case ControlKind::ProgressBar:
            set_progress(*static_cast<QProgressBar*>(widget), value);
            break;
        case ControlKind::CheckBox: static_cast<QCheckBox*>(widget)->setChecked(value != 0); break;
        default: break;
    }
}

bool add_item(int32_t id, int32_t position, std::string_view text) {
    ControlRecord* record = find_control(id);
    if (record == nullptr) return false;
    const QuietChanges quiet;
    if (QListWidget* list = list_of(*record)) {
        const auto count = static_cast<int32_t>(list->count());
        if (position < -1 || position > count) return false;
        list->insertItem(position == -1 ? count : position, to_qt(text));
        return true;
    }
    if (QTabBar* tabs = tabs_of(*record)) {
        tabs->addTab(to_qt(text));
        fit_tab_strip(*tabs);
        return true;
    }
    if (EditorWidget* editor = editor_of(*record)) {
        return position < 0 ? editor->append_line(to_qt(text))
                            : editor->insert_line(position, to_qt(text));
    }
    return false;
}

void clear_items(int32_t id) {
    ControlRecord* record = find_control(id);
    if (record == nullptr) return;
    const QuietChanges quiet;
    if (QListWidget* list = list_of(*record)) {
        list->clear();
    } else if (QTabBar* tabs = tabs_of(*record)) {
        while (tabs->count() > 0) tabs->removeTab(tabs->count() - 1);
    } else if (EditorWidget* editor = editor_of(*record)) {
        editor->set_text(QString());
    }
}

int32_t count_items(int32_t id) {
    const ControlRecord* record = find_control(id);
    if (record == nullptr) return 0;
    if (const QListWidget* list = list_of(*record)) return static_cast<int32_t>(list->count());
    if (const QTabBar* tabs = tabs_of(*record)) return static_cast<int32_t>(tabs->count());
    if (const EditorWidget* editor = editor_of(*record)) return editor->line_count();
    return 0;
}

std::string get_item_text(int32_t id, int32_t index) {
    const ControlRecord* record = find_control(id);
    if (record == nullptr) return "";
    if (const QListWidget* list = list_of(*record)) {
        return index >= 0 && index < list->count() ? from_qt(list->item(index)->text()) : "";
    }
    if (const QTabBar* tabs = tabs_of(*record)) {
        return index >= 0 && index < tabs->count() ? from_qt(tabs->tabText(index)) : "";
    }
    if (const EditorWidget* editor = editor_of(*record)) return from_qt(editor->line_text(index));
    return "";
}

std::string get_editor_lines(int32_t id) {
    const ControlRecord* record = find_control(id);
    if (record == nullptr) return "";
    const EditorWidget* editor = editor_of(*record);
    if (editor == nullptr) return "";
    if (editor->line_count() == 0) return "\n";
    // Each text block is one line; the raw text has a paragraph separator between blocks. The
    // characters convert as from_qt converts them ("?" for those outside Latin-1).
    QString raw = editor->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, u'\n');
    const QByteArray bytes = raw.toLatin1();
    std::string lines;
    lines.reserve(static_cast<std::size_t>(bytes.size()) + 2);
    lines.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    lines.append("\n\n");
    return lines;
}

// The text comes out of the widget as a fresh string already: it is changed where it is.
std::string get_editor_lines(int32_t id, ByteCopy copy) {
    std::string lines = get_editor_lines(id);
    copy(lines.data(), lines.data(), lines.size());
    return lines;
}

void set_item_text(int32_t id, int32_t index, std::string_view text) {
    ControlRecord* record = find_control(id);
    if (record == nullptr) return;
    const QuietChanges quiet;
    if (QListWidget* list = list_of(*record)) {
        if (index >= 0 && index < list->count()) list->item(index)->setText(to_qt(text));
    } else if (QTabBar* tabs = tabs_of(*record)) {
        if (index >= 0 && index < tabs->count()) tabs->setTabText(index, to_qt(text));
    } else if (EditorWidget* editor = editor_of(*record)) {
        editor->replace_line(index, to_qt(text));
    }
}

}  // namespace tarvok
