#pragma once
// The Qt widgets behind the window layer's numbers, for tests that drive the real widgets (clicks,
// keys, close events). Only code that may include Qt headers uses this header.

#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/window/qt/file_filter.h"

namespace tarvok {

// The top-level window under the number (a QMainWindow), nullptr when none is open.
QWidget* qt_window_widget(int32_t number);
// The window's client area: the widget its controls are children of.
QWidget* qt_client_widget(int32_t number);
// The widget of a control, nullptr when no control has the id.
QWidget* qt_control_widget(int32_t id);
// The editor widget of an editor control (the main editor is id 0).
QPlainTextEdit* qt_editor_widget(int32_t id);
// The window's menu bar, nullptr when it has none.
QMenuBar* qt_menu_bar(int32_t window_number);
// A popup menu by number, nullptr when there is none.
QMenu* qt_popup_menu(int32_t number);
// The filter strings the file requester gives the Qt dialog for a filter list.
std::vector<std::string> qt_file_dialog_filters(std::string_view filter);

}  // namespace tarvok
