// The desktop program: the shell over the Qt window layer.
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstdio>

#include "resources/embedded_images.h"
#include "runtime/window/window.h"
#include "shell/shell.h"

namespace {

// The program's own icon for its windows and the desktop's task list.
void set_program_icon() {
    const tarvok::EmbeddedImage icon = tarvok::program_icon_image();
    const QImage image =
        QImage::fromData(icon.data, static_cast<int>(icon.size), "XPM");
    if (!image.isNull()) {
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(image)));
    }
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvok"));
}

}  // namespace

int main(int argc, char** argv) {
    if (!tarvok::start_window_layer(argc, argv)) {
        std::fputs("tarvok: no display found; start it from a desktop session, or run it "
                   "with xvfb-run tarvok\n",
                   stderr);
        return 1;
    }
    set_program_icon();
    const int code = tarvok::run_shell();
    tarvok::stop_window_layer();
    return code;
}
