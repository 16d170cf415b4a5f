// Opening, closing and choosing the program's numbered top-level windows.

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "runtime/window/qt/layer.h"
#include "runtime/window/qt/top_window.h"

namespace tarvok {

namespace {

constexpr int32_t FrameFlags = WindowCaption | WindowSystemMenu | WindowSizingBorder |
                               WindowMinimiseBox | WindowMaximiseBox;

Qt::WindowFlags frame_flags(int32_t flags) {
    if ((flags & FrameFlags) == 0) flags |= WindowCaption;  // a window always gets a caption
    Qt::WindowFlags qt_flags = Qt::Window | Qt::CustomizeWindowHint;
    if ((flags & WindowCaption) == WindowCaption) qt_flags |= Qt::WindowTitleHint;
    if (flags & WindowSystemMenu) qt_flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (flags & WindowMinimiseBox) qt_flags |= Qt::WindowMinimizeButtonHint;
    if (flags & WindowMaximiseBox) qt_flags |= Qt::WindowMaximizeButtonHint;
    return qt_flags;
}

QRect screen_rect() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

// Top-left corner of the frame for the placement flags: centred on the screen (1), centred on
// the active window (2, or as 1 without one), or x, y as given.
QPoint placement(const QSize& outer, int32_t x, int32_t y, int32_t flags, const QWidget* active) {
    const QRect screen = screen_rect();
    if ((flags & WindowCentreOnActive) && active != nullptr) {
        const QRect over = active->frameGeometry();
        return QPoint(std::max(0, over.x() + (over.width() - outer.width()) / 2),
                      std::max(0, over.y() + (over.height() - outer.height()) / 2));
    }
    if (flags & (WindowCentreOnScreen | WindowCentreOnActive)) {
        const int w = std::min(outer.width(), screen.width());
        const int h = std::min(outer.height(), screen.height());
        return QPoint(screen.x() + (screen.width() - w) / 2, screen.y() + (screen.height() - h) / 2);
    }
    return QPoint(x, y);
}

}  // namespace

void destroy_window(int32_t number) {
    LayerState& state = layer();
    const auto found = state.windows.find(number);
    if (found == state.windows.end()) return;
    for (int32_t id : found->second.controls) {
        const auto control = state.controls.find(id);
        if (control != state.controls.end() && control->second.window == number) {
            state.controls.erase(control);
        }
    }
    if (state.current_bar_window == number) {
        state.current_bar = nullptr;
        state.current_bar_window = -1;
    }
    if (state.current_window == number) state.current_window = -1;
    std::unique_ptr<TopWindow> widget = std::move(found->second.widget);
    state.windows.erase(found);
    widget.reset();
}

WindowHandle open_window(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                         std::string_view title, int32_t flags) {
    if (!layer_running() || width < 0 || height < 0) return 0;
    LayerState& state = layer();
    QWidget* active = QApplication::activeWindow();
    if (window_number_of(active) == number) active = nullptr;
    destroy_window(number);

    const bool fixed = (flags & WindowSizingBorder) == 0;
    auto widget = std::make_unique<TopWindow>(number, width, height, fixed);
    widget->setWindowFlags(frame_flags(flags));
    widget->setWindowTitle(to_qt(title));
    widget->setAttribute(Qt::WA_DeleteOnClose, false);
    widget->fit_client();

    WindowRecord record;
    record.flags = flags;
    record.client_width = width;
    record.client_height = height;
    TopWindow* window = widget.get();
    record.widget = std::move(widget);
    state.windows[number] = std::move(record);
    state.current_window = number;

    // With its native window made, the frame around the client area is known for the placement.
    window->winId();
    window->move(placement(window->frameGeometry().size(), x, y, flags, active));
    if ((flags & WindowHidden) == 0) {
        if (flags & WindowShowMaximised) {
            window->showMaximized();
        } else {
            window->show();
        }
        bring_to_front(window);
    }
    return reinterpret_cast<WindowHandle>(window);
}

void close_window(int32_t number) {
    if (window_widget(number) == nullptr) return;
    destroy_window(number);
    // Hand the activation back to another window of the program.
    for (auto& [other, record] : layer().windows) {
        if (record.widget && record.widget->isVisible()) {
            record.widget->activateWindow();
            break;
        }
    }
}

void use_window(int32_t number) {
    if (window_widget(number) != nullptr) layer().current_window = number;
}

WindowHandle window_handle() {
    return reinterpret_cast<WindowHandle>(window_widget(layer().current_window));
}

WindowInfo inspect_window(int32_t number) {
    WindowInfo info;
    const auto found = layer().windows.find(number);
    if (found == layer().windows.end() || !found->second.widget) return info;
    const TopWindow* window = found->second.widget.get();
    info.open = true;
    info.title = from_qt(window->windowTitle());
    const QRect frame = window->frameGeometry();
    info.x = frame.x();
    info.y = frame.y();
    info.client_width = window->client()->width();
    info.client_height = window->client()->height();
    info.flags = found->second.flags;
    return info;
}

std::vector<int32_t> controls_of_window(int32_t number) {
    std::vector<int32_t> ids;
    const auto found = layer().windows.find(number);
    if (found == layer().windows.end()) return ids;
    for (int32_t id : found->second.controls) {
        const auto control = layer().controls.find(id);
        if (control != layer().controls.end() && control->second.window == number) ids.push_back(id);
    }
    return ids;
}

}  // namespace tarvok
