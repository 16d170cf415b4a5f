#include "runtime/window/qt/top_window.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>

#include "runtime/window/qt/layer.h"

namespace tarvok {

TopWindow::TopWindow(int32_t number, int32_t client_width, int32_t client_height, bool fixed_size)
    : number_(number),
      client_(new QWidget(this)),
      fixed_size_(fixed_size),
      client_width_(client_width),
      client_height_(client_height) {
    client_->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client_);
    setContextMenuPolicy(Qt::NoContextMenu);
    fit_client();
}

void TopWindow::fit_client() {
    const QSize size(client_width_, client_height_);
    if (fixed_size_) {
        client_->setFixedSize(size);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        layout()->activate();
        return;
    }
    client_->setMinimumSize(0, 0);
    const QMenuBar* bar = menuWidget() != nullptr ? menuBar() : nullptr;
    const int bar_height = bar != nullptr ? bar->heightForWidth(client_width_) : 0;
    resize(client_width_, client_height_ + (bar_height > 0 ? bar_height : 0));
    layout()->activate();
}

void TopWindow::closeEvent(QCloseEvent* event) {
    // The program decides whether a window closes; the close box only asks.
    event->ignore();
    queue_event(EventCloseRequest, number_);
}

}  // namespace tarvok
