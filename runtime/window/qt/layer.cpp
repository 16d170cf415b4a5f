#include "runtime/window/qt/layer.h"

#include <QAbstractEventDispatcher>
#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QStyleFactory>

#include "runtime/memory/huge_page_heap.h"
#include "runtime/window/qt/display_probe.h"
#include "runtime/window/qt/editor_widget.h"
#include "runtime/window/qt/top_window.h"

namespace tarvok {

// Watches every mouse press of the application: a right button press anywhere in one of the
// program's windows (editor, fields, lists, the menu bar) becomes a right-button event of that
// window, and Qt's own context menus are kept out of those windows.
namespace {

bool is_list_area(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
        if (qobject_cast<const QAbstractItemView*>(w) != nullptr) return true;
    }
    return false;
}

}  // namespace

class RightButtonWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;
        const auto* widget = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::MouseButtonPress && event->spontaneous()) {
            // Only the first delivery is spontaneous; the copies Qt passes on to the parents
            // are not, so one press gives one event.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) {
                const int32_t number = window_number_of(widget);
                if (number >= 0) {
                    queue_event(EventRightButton, number);
                    // A right press over a list only opens the popup menu: it must not select
                    // the item under the pointer, which would show that symbol's value.
                    if (is_list_area(widget)) return true;
                }
            }
        } else if (event->type() == QEvent::ContextMenu) {
            if (window_number_of(widget) >= 0) return true;
        }
        return false;
    }
};

namespace {

std::unique_ptr<LayerState>& state_slot() {
    static std::unique_ptr<LayerState> state;
    return state;
}

// A small sans font, so that every caption fits in the program's small controls.
QFont gui_font() {
    QFont font;
    // "Num Convert" must fit a 70 pixel button: a condensed face at 10 pixels does.
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans Narrow"),
                      QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(10);
    return font;
}

// The editor's text lives in a few buffers of megabytes each (its characters, Qt's tables of
// text fragments and of lines, the text handed over on a load), made again at every load, and in
// many small blocks of Qt's, one or two per line. Kept in the heap, the next load reuses the pages
// the last one freed; and as huge pages, a long source costs a few page faults instead of one per
// 4 KiB of them. On a 1,000,000-character source that is about 1,000 faults instead of 9,000
// over a load, a colouring and an assembly, and the assembly a third faster.
constexpr std::size_t HeapPad = std::size_t{256} << 20;

}  // namespace

LayerState& layer() {
    static LayerState idle;  // stands in while the layer is not running
    auto& state = state_slot();
    return state ? *state : idle;
}

bool layer_running() { return state_slot() != nullptr; }

bool start_window_layer(int& argc, char** argv) {
    if (layer_running()) return true;
    // Without any display Qt would abort the process; the program ends cleanly instead.
    if (QApplication::instance() == nullptr && !display_reachable()) return false;
    prepare_huge_page_heap(HeapPad);
    auto state = std::make_unique<LayerState>();
    if (QApplication::instance() == nullptr) {
        state->own_app = std::make_unique<QApplication>(argc, argv);
    }
    if (QApplication::instance() == nullptr) return false;
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(style);  // the application takes ownership
    }
    state->default_font = gui_font();
    QApplication::setFont(state->default_font);
    state->watcher = std::make_unique<RightButtonWatcher>();
    qApp->installEventFilter(state->watcher.get());
    state_slot() = std::move(state);
    return true;
}

void stop_window_layer() {
    auto& state = state_slot();
    if (!state) return;
    std::vector<int32_t> numbers;
    for (const auto& [number, record] : state->windows) numbers.push_back(number);
    for (int32_t number : numbers) destroy_window(number);
    state->popups.clear();
    state->fonts.clear();
    state->images.clear();
    if (qApp != nullptr) qApp->removeEventFilter(state->watcher.get());
    state->watcher.reset();
    std::unique_ptr<QApplication> app = std::move(state->own_app);
    state.reset();
    app.reset();
}

void queue_event(int32_t kind, int32_t window, int32_t id, int32_t type) {
    if (!layer_running()) return;
    layer().events.push_back(QueuedEvent{kind, window, id, type});
}

void post_event(int32_t kind, int32_t window, int32_t id, int32_t type) {
    queue_event(kind, window, id, type);
}

std::size_t posted_events_left() { return layer().events.size(); }

int32_t wait_event() {
    LayerState& state = layer();
    state.last_event = QueuedEvent{EventNone, -1, 0, EventTypeNone};
    if (!layer_running()) return EventNone;
    if (state.events.empty()) {
        if (state.scripted) {
            // A scripted run has nobody to wait for: take what Qt has pending, then return.
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        } else {
            while (state.events.empty()) {
                QCoreApplication::processEvents(QEventLoop::AllEvents |
                                                QEventLoop::WaitForMoreEvents);
            }
        }
    }
    if (state.events.empty()) return EventNone;
    state.last_event = state.events.front();
    state.events.pop_front();
    return state.last_event.kind;
}

int32_t event_window() { return layer().last_event.window; }
int32_t event_id() { return layer().last_event.id; }
int32_t event_type() { return layer().last_event.type; }

ControlRecord* find_control(int32_t id) {
    auto& controls = layer().controls;
    const auto found = controls.find(id);
    if (found == controls.end() || found->second.widget.isNull()) return nullptr;
    return &found->second;
}

QWidget* control_widget(int32_t id, ControlKind kind) {
    ControlRecord* record = find_control(id);
    if (record == nullptr || record->kind != kind) return nullptr;
    return record->widget.data();
}

EditorWidget* editor_widget(int32_t id) {
    return static_cast<EditorWidget*>(control_widget(id, ControlKind::Editor));
}

EditorWidget* main_editor() { return editor_widget(MainEditorId); }

TopWindow* window_widget(int32_t number) {
    auto& windows = layer().windows;
    const auto found = windows.find(number);
    return found == windows.end() ? nullptr : found->second.widget.get();
}

int32_t window_number_of(const QWidget* widget) {
    if (widget == nullptr || !layer_running()) return -1;
    const QWidget* top = widget->window();
    for (const auto& [number, record] : layer().windows) {
        if (record.widget.get() == top) return number;
    }
    return -1;
}

int32_t window_number_of_handle(WindowHandle handle) {
    for (const auto& [number, record] : layer().windows) {
        if (reinterpret_cast<WindowHandle>(record.widget.get()) == handle) return number;
    }
    return -1;
}

QWidget* client_area(int32_t number) {
    TopWindow* window = window_widget(number);
    return window != nullptr ? window->client() : nullptr;
}

void bring_to_front(QWidget* window) {
    if (window == nullptr) return;
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) window->raise();
    window->activateWindow();
}

QWidget* active_program_window() {
    if (QWidget* active = QApplication::activeWindow()) return active;
    return window_widget(layer().current_window);
}

}  // namespace tarvok
