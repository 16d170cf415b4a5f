#pragma once
// Everything the in-memory window layer holds: windows, controls, menus, the event queue, the
// answer script and the logs, fonts, images and the clipboard. The layer stands for the platform,
// so it is the program's one global service; stop_window_layer empties it.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "runtime/window/answer_queue.h"
#include "runtime/window/headless/editor_model.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"

namespace tarvok::headless {

struct WindowRecord {
    WindowHandle handle = 0;
    std::string title;
    int32_t x = 0, y = 0, width = 0, height = 0;
    int32_t flags = 0;
};

struct ControlRecord {
    ControlKind kind = ControlKind::None;
    ControlHandle handle = 0;
    int32_t window = -1;
    int32_t x = 0, y = 0, width = 0, height = 0;
    int32_t flags = 0;
    std::string text;
    std::string tooltip;
    FontHandle font = 0;
    ImageHandle image = 0;
    std::vector<std::string> items;  // list box items, tab strip tabs
    int32_t selected = -1;           // selected item or tab
    int32_t minimum = 0, maximum = 0, position = 0;  // progress bar
    int32_t checked = 0;                             // check box
    std::unique_ptr<EditorModel> editor;             // editors only
};

struct FontRecord {
    std::string face;
    int32_t size = 0;
    int32_t style = 0;
};

struct PostedEvent {
    int32_t kind = EventNone;
    int32_t window = -1;
    int32_t id = 0;
    int32_t type = EventTypeNone;
};

// Which menu add_menu_title / add_menu_item / add_menu_separator work on.
struct CurrentMenu {
    enum class Kind { None, Bar, DropDown, Popup } kind = Kind::None;
    int32_t number = -1;  // window number of the bar, or popup menu number
    std::size_t title = 0;  // index of the drop-down menu within the bar
};

struct Layer {
    std::map<int32_t, WindowRecord> windows;
    int32_t current_window = -1;
    int32_t active_window = -1;

    std::map<int32_t, ControlRecord> controls;
    std::vector<int32_t> creation_order;

    std::map<int32_t, std::vector<MenuInfo>> menu_bars;         // by window number
    std::map<int32_t, std::vector<MenuEntry>> popup_menus;      // by popup number
    CurrentMenu current_menu;
    int32_t popups_shown = 0;

    std::deque<PostedEvent> events;
    PostedEvent last_event;

    AnswerQueue answers;
    std::vector<MessageRecord> messages;
    std::vector<RequesterRecord> requesters;
    std::function<void(const MessageRecord&)> message_observer;
    std::function<void(int32_t, int32_t)> state_observer;
    int32_t chosen_filter = 0;
    std::string chosen_font_name;
    int32_t chosen_font_size = 0;
    int32_t chosen_font_style = 0;

    std::map<FontHandle, FontRecord> fonts;
    std::map<int32_t, ImageHandle> images;  // by image number
    std::string clipboard;                  // CR LF line breaks, as the clipboard holds text

    std::uintptr_t next_handle = 1;
};

Layer& layer();
// A fresh layer: no windows, controls, menus, events, answers, logs, fonts, images or clipboard.
void reset_layer();
// A new handle value, never 0 and never given out twice in one run of the layer.
std::uintptr_t new_handle();

ControlRecord* find_control(int32_t id);
// The editor of control id, nullptr when id is no editor.
EditorModel* find_editor(int32_t id);
// The main editor (control 0), nullptr when there is none.
EditorModel* main_editor();
// Removes a control and its place in the creation order.
void remove_control(int32_t id);

}  // namespace tarvok::headless
