#pragma once
// The Qt backend's own state: the application object, the numbered windows and controls, menus,
// fonts, images, the event queue and the scripted answers. One instance lives between
// start_window_layer and stop_window_layer; every operation of the layer reaches it through
// layer(). Only files of this folder include this header.

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/window/answer_queue.h"
#include "runtime/window/qt/file_filter.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"

namespace tarvok {

class TopWindow;
class EditorWidget;
class RightButtonWatcher;

// Text crosses into Qt and back as Latin-1 bytes, here and nowhere else.
inline QString to_qt(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string from_qt(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// File names cross as the file system spells them, never as Latin-1.
inline QString path_to_qt(std::string_view path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}
inline std::string path_from_qt(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// 0x00BBGGRR <-> QColor.
inline QColor colour_to_qt(int32_t colour) {
    const auto c = static_cast<uint32_t>(colour);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}
inline int32_t colour_from_qt(const QColor& colour) {
    return static_cast<int32_t>(static_cast<uint32_t>(colour.red()) |
                                (static_cast<uint32_t>(colour.green()) << 8) |
                                (static_cast<uint32_t>(colour.blue()) << 16));
}

struct QueuedEvent {
    int32_t kind = EventNone;
    int32_t window = -1;
    int32_t id = 0;
    int32_t type = EventTypeNone;
};

struct ControlRecord {
    ControlKind kind = ControlKind::None;
    int32_t window = -1;
    int32_t flags = 0;
    QPointer<QWidget> widget;
    QPointer<QWidget> caption;  // the wrapping caption of a multi-line button
    std::string font_face;      // face of the font given with set_control_font, "" for the default
    bool holds_file_name = false;  // a field whose text came from set_control_file_name
};

struct WindowRecord {
    std::unique_ptr<TopWindow> widget;
    int32_t flags = 0;
    int32_t client_width = 0;
    int32_t client_height = 0;
    std::vector<int32_t> controls;  // creation order
};

struct FontRecord {
    std::unique_ptr<QFont> font;
    std::string face;
};

struct LayerState {
    std::unique_ptr<QApplication> own_app;  // null when the application object was there before
    std::unique_ptr<RightButtonWatcher> watcher;
    QFont default_font;

    std::map<int32_t, WindowRecord> windows;
    std::map<int32_t, ControlRecord> controls;
    int32_t current_window = -1;

    // Menus: bars belong to their windows; popups live until the layer stops.
    std::map<int32_t, std::unique_ptr<QMenu>> popups;
    QPointer<QMenuBar> current_bar;
    int32_t current_bar_window = -1;
    QPointer<QMenu> current_menu;
    int32_t popup_window = -1;  // window whose popup menu is showing
    int32_t popups_shown = 0;

    std::map<int32_t, FontRecord> fonts;
    std::map<int32_t, std::unique_ptr<QImage>> images;

    std::deque<QueuedEvent> events;
    QueuedEvent last_event;
    int quiet_changes = 0;  // > 0 while the program itself changes controls
    // When a progress bar last repainted itself at once (see set_control_state).
    std::chrono::steady_clock::time_point progress_painted;

    // Main editor bookkeeping.
    int32_t selected_line = -1;

    // Requesters.
    bool scripted = false;
    AnswerQueue answers;
    std::vector<MessageRecord> messages;
    std::vector<RequesterRecord> requesters;
    std::function<void(const MessageRecord&)> message_observer;
    std::function<void(int32_t, int32_t)> state_observer;
    int32_t chosen_filter = 0;
    std::string chosen_font_name;
    int32_t chosen_font_size = 0;
    int32_t chosen_font_style = 0;
};

// The state while the layer runs; a fixed empty state otherwise (so calls before the start or
// after the stop do nothing).
LayerState& layer();
bool layer_running();

// Adds an event for wait_event to return.
void queue_event(int32_t kind, int32_t window, int32_t id = 0, int32_t type = EventTypeNone);

// While one of these lives, changes the program makes to controls produce no events.
class QuietChanges {
public:
    QuietChanges() { ++layer().quiet_changes; }
    ~QuietChanges() { --layer().quiet_changes; }
    QuietChanges(const QuietChanges&) = delete;
    QuietChanges& operator=(const QuietChanges&) = delete;
};
inline bool user_change() { return layer().quiet_changes == 0; }

// Lookups; nullptr when the number or id names nothing (or something of another kind).
ControlRecord* find_control(int32_t id);
QWidget* control_widget(int32_t id, ControlKind kind);
EditorWidget* editor_widget(int32_t id);
EditorWidget* main_editor();
TopWindow* window_widget(int32_t number);
int32_t window_number_of(const QWidget* widget);  // -1 when it is none of ours
int32_t window_number_of_handle(WindowHandle handle);
QWidget* client_area(int32_t number);  // the widget controls are placed in
QWidget* active_program_window();      // owner for dialogs

// Brings a window to the front and makes it active (the offscreen platform has no stacking).
void bring_to_front(QWidget* window);

// Destroys one window and forgets its controls.
void destroy_window(int32_t number);

// Requesters: true when the next answer comes from the queue instead of a dialog.
bool answering_from_script();

// The file dialog's filter strings for the program's filters: "Description (patterns)".
QStringList qt_filter_list(const std::vector<FileFilter>& filters);

}  // namespace tarvok
