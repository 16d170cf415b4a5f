// Creating the controls of the current window. Every control is a child of the window's client
// area, placed at client coordinates, and starts with the default user-interface font.

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>

#include "runtime/window/qt/editor_widget.h"
#include "runtime/window/qt/layer.h"
#include "runtime/window/qt/top_window.h"

namespace tarvok {

namespace {

// Edit notification codes the program knows from its fields.
constexpr int32_t FieldChanged = 768;
// A tab chosen with the keyboard (the tab strip's selection-changed code).
constexpr int32_t TabSelectionChanged = -551;

// A list box that reports double clicks on an item.
class ListBox : public QListWidget {
public:
    ListBox(QWidget* parent, int32_t id) : QListWidget(parent), id_(id) {}

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QListWidget::mouseDoubleClickEvent(event);
        if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) != nullptr) {
            queue_event(EventControl, window_number_of(this), id_, EventTypeDoubleClick);
        }
    }

private:
    int32_t id_;
};

// A tab strip whose every left click reports, also on the tab already selected.
class TabStrip : public QTabBar {
public:
    TabStrip(QWidget* parent, int32_t id) : QTabBar(parent), id_(id) {
        connect(this, &QTabBar::currentChanged, this, [this](int) {
            if (user_change() && !pressing_) {
                queue_event(EventControl, window_number_of(this), id_, TabSelectionChanged);
            }
        });
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        pressing_ = true;
        QTabBar::mousePressEvent(event);
        pressing_ = false;
        if (event->button() == Qt::LeftButton) {
            queue_event(EventControl, window_number_of(this), id_, EventTypeSingleClick);
        }
    }

private:
    int32_t id_;
    bool pressing_ = false;
};

// Forgets a control created earlier under the same id; the new one takes its place.
void replace_control(int32_t id) {
    auto& controls = layer().controls;
    const auto found = controls.find(id);
    if (found == controls.end()) return;
    std::unique_ptr<QWidget> old(found->second.widget.data());
    controls.erase(found);
}

// Registers the widget under the id in the current window and shows it at x, y, w, h.
ControlHandle add_control(int32_t id, QWidget* widget, ControlKind kind, int32_t flags,
                          int32_t x, int32_t y, int32_t w, int32_t h) {
    LayerState& state = layer();
    ControlRecord record;
    record.kind = kind;
    record.window = state.current_window;
    record.flags = flags;
    record.widget = widget;
    widget->setGeometry(x, y, std::max(0, w), std::max(0, h));
    widget->setFont(state.default_font);
    widget->show();
    state.controls[id] = record;
    auto& order = state.windows[state.current_window].controls;
    order.erase(std::remove(order.begin(), order.end(), id), order.end());
    order.push_back(id);
    return reinterpret_cast<ControlHandle>(widget);
}

// The client area of the current window after any control under the id is gone; null
// when no window is current.
QWidget* prepare(int32_t id) {
    if (!layer_running()) return nullptr;
    QWidget* client = client_area(layer().current_window);
    if (client == nullptr) return nullptr;
    replace_control(id);
    return client;
}

void set_read_only_look(QLineEdit* field) {
    // A read-only field shows the window background, as the platform's read-only edits do.
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
}

}  // namespace

ControlHandle create_text_field(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                                std::string_view text, int32_t flags) {
    QWidget* client = prepare(id);
    if (client == nullptr) return 0;
    auto* field = new QLineEdit(client);
    field->setText(to_qt(text));
    field->setCursorPosition(0);
    field->setReadOnly((flags & FieldReadOnly) != 0);
    if (field->isReadOnly()) set_read_only_look(field);
    field->setFrame((flags & FieldNoSunkenEdge) == 0);
    field->setContextMenuPolicy(Qt::NoContextMenu);
    field->setTextMargins(0, 0, 0, 0);
    QObject::connect(field, &QLineEdit::textEdited, field, [field, id](const QString&) {
        queue_event(EventControl, window_number_of(field), id, FieldChanged);
    });
    return add_control(id, field, ControlKind::TextField, flags, x, y, w, h);
}

ControlHandle create_button(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                            std::string_view text, int32_t flags) {
    QWidget* client = prepare(id);
    if (client == nullptr) return 0;
    auto* button = new QPushButton(client);
    button->setAutoDefault(false);
    button->setDefault((flags & ButtonDefault) != 0);
    QLabel* caption = nullptr;
    if (flags & ButtonMultiline) {
        // The caption wraps onto several lines inside the button.
        caption = new QLabel(to_qt(text), button);
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignCenter);
        caption->setAttribute(Qt::WA_TransparentForMouseEvents);
        caption->setGeometry(3, 1, std::max(0, w - 6), std::max(0, h - 2));
        caption->setFont(layer().default_font);
    } else {
        button->setText(to_qt(text));
    }
    QObject::connect(button, &QPushButton::clicked, button, [button, id](bool) {
        queue_event(EventControl, window_number_of(button), id, EventTypeSingleClick);
    });
    const ControlHandle handle = add_control(id, button, ControlKind::Button, flags, x, y, w, h);
    layer().controls[id].caption = caption;
    return handle;
}

ControlHandle create_label(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                           std::string_view text, int32_t flags) {
    QWidget* client = prepare(id);
    if (client == nullptr) return 0;
    auto* label = new QLabel(to_qt(text), client);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(((flags & LabelCentred) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    if (flags & LabelSunkenEdge) {
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    } else if (flags & LabelSunkenBorder) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
    }
    return add_control(id, label, ControlKind::Label, flags, x, y, w, h);
}

ControlHandle create_check_box(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                               std::string_view text) {
    QWidget* client = prepare(id);
    if (client == nullptr) return 0;
    auto* box = new QCheckBox(to_qt(text), client);
    QObject::connect(box, &QCheckBox::clicked, box, [box, id](bool) {
        queue_event(EventControl, window_number_of(box), id, EventTypeSingleClick);
    });
    return add_control(id, box, ControlKind::CheckBox, 0, x, y, w, h);
}

ControlHandle create_list_box(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h) {
    QWidget* client = prepare(id);
    if (client == nullptr) return 0;
    auto* list = new ListBox(client, id);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setUniformItemSizes(true);
    list->setContextMenuPolicy(Qt::NoContextMenu);
    list->horizontalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    list->verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
    list->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [list, id]() {
        if (user_change()) queue_event(EventControl, window_number_of(list), id, EventTypeSingleClick);
    });
    return add_control(id, list, ControlKind::ListBox, 0, x, y, w, h);
}

ControlHandle create_editor(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h) {
    QWidget* client = prepare(id);
    if (client == nullptr) return 0;
    if (id == MainEditorId) layer().selected_line = -1;
    auto* editor = new EditorWidget(client);
    return add_control(id, editor, ControlKind::Editor, 0, x, y, w, h);
}

ControlHandle create_image_button(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                                  ImageHandle image) {
    QWidget* client = prepare(id);
    if (client == nullptr) return 0;
    auto* button = new QToolButton(client);
    button->setIconSize(QSize(16, 16));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const auto& [number, stored] : layer().images) {
        if (reinterpret_cast<ImageHandle>(stored.get()) == image && image != 0) {
            // QIcon draws the greyed picture by itself while the button is disabled.
            button->setIcon(QIcon(QPixmap::fromImage(*stored)));
        }
    }
    QObject::connect(button, &QToolButton::clicked, button, [button, id](bool) {
        queue_event(EventControl, window_number_of(button), id, EventTypeSingleClick);
    });
    return add_control(id, button, ControlKind::ImageButton, 0, x, y, w, h);
}

ControlHandle create_progress_bar(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                                  int32_t min, int32_t max) {
    QWidget* client = prepare(id);
    if (client == nullptr) return 0;
    auto* bar = new QProgressBar(client);
    bar->setRange(min, std::max(min, max));
    bar->setValue(min);
    bar->setTextVisible(false);
    bar->setOrientation(Qt::Horizontal);
    return add_control(id, bar, ControlKind::ProgressBar, 0, x, y, w, h);
}

ControlHandle create_tab_strip(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h) {
    QWidget* client = prepare(id);
    if (client == nullptr) return 0;
    auto* tabs = new TabStrip(client, id);
    tabs->setExpanding(false);
    tabs->setDrawBase(true);
    tabs->setUsesScrollButtons(true);
    tabs->setContextMenuPolicy(Qt::NoContextMenu);
    return add_control(id, tabs, ControlKind::TabStrip, 0, x, y, w, h);
}

void end_tab_pages() {
    // The tab strip holds no controls: later controls go into the window anyway.
}

void set_tooltip(int32_t id, std::string_view text) {
    if (ControlRecord* record = find_control(id)) record->widget->setToolTip(to_qt(text));
}

void set_control_font(int32_t id, FontHandle font) {
    ControlRecord* record = find_control(id);
    if (record == nullptr) return;
    const FontRecord* chosen = nullptr;
    for (const auto& [number, stored] : layer().fonts) {
        if (reinterpret_cast<FontHandle>(stored.font.get()) == font && font != 0) chosen = &stored;
    }
    record->font_face = chosen != nullptr ? chosen->face : std::string();
    const QFont& applied = chosen != nullptr ? *chosen->font : layer().default_font;
    record->widget->setFont(applied);
    if (record->caption) record->caption->setFont(applied);
}

ControlHandle control_handle(int32_t id) {
    const ControlRecord* record = find_control(id);
    return record != nullptr ? reinterpret_cast<ControlHandle>(record->widget.data()) : 0;
}

std::string control_font_name(int32_t id) {
    const ControlRecord* record = find_control(id);
    return record != nullptr ? record->font_face : std::string();
}

}  // namespace tarvok
