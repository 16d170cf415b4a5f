#include "runtime/window/qt/qt_access.h"

#include "runtime/window/qt/editor_widget.h"
#include "runtime/window/qt/layer.h"
#include "runtime/window/qt/top_window.h"

namespace tarvok {

QWidget* qt_window_widget(int32_t number) { return window_widget(number); }

QWidget* qt_client_widget(int32_t number) { return client_area(number); }

QWidget* qt_control_widget(int32_t id) {
    const ControlRecord* record = find_control(id);
    return record != nullptr ? record->widget.data() : nullptr;
}

QPlainTextEdit* qt_editor_widget(int32_t id) { return editor_widget(id); }

QMenuBar* qt_menu_bar(int32_t window_number) {
    TopWindow* top = window_widget(window_number);
    if (top == nullptr || top->menuWidget() == nullptr) return nullptr;
    return qobject_cast<QMenuBar*>(top->menuWidget());
}

QMenu* qt_popup_menu(int32_t number) {
    const auto found = layer().popups.find(number);
    return found == layer().popups.end() ? nullptr : found->second.get();
}

std::vector<std::string> qt_file_dialog_filters(std::string_view filter) {
    std::vector<std::string> result;
    for (const QString& text : qt_filter_list(parse_file_filters(filter))) result.push_back(from_qt(text));
    return result;
}

}  // namespace tarvok
