#pragma once
// Drives a modal dialog from inside its own loop: the action runs once the dialog is up.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

namespace tarvok::gui {

// Runs the action on the modal dialog once it is up (the requester's own loop is running then).
inline void when_modal(std::function<void(QWidget*)> action, int tries = 200) {
    QTimer::singleShot(5, [action = std::move(action), tries]() mutable {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog != nullptr && dialog->isVisible()) {
            action(dialog);
        } else if (tries > 0) {
            when_modal(std::move(action), tries - 1);
        }
    });
}

}  // namespace tarvok::gui
