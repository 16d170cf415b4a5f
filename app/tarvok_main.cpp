// The desktop program: the shell over the Qt window layer.
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <iostream>
#include <string>
#include <vector>

#include "app/desktop_command_line.h"
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
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    const tarvok::DesktopCommandLine line = tarvok::parse_desktop_command_line(args);
    if (!line.error.empty()) {
        std::cerr << "tarvok: " << line.error << "\nTry 'tarvok --help' for more information.\n";
        return 2;
    }
    if (line.help) {
        std::cout << tarvok::desktop_usage_text();
        return 0;
    }
    if (line.version) {
        std::cout << "tarvok " << TARVOK_VERSION << '\n';
        return 0;
    }

    // Qt sees the program name only: a source file named like one of Qt's own options (after
    // "--") must not change how the windows start. Qt keeps a reference to the count.
    static int qt_argc = 1;
    static char* qt_argv[] = {argv[0], nullptr};
    if (!tarvok::start_window_layer(qt_argc, qt_argv)) {
        std::cerr << "tarvok: no display found; start it from a desktop session, or run it "
                     "with xvfb-run tarvok\n";
        return 1;
    }
    set_program_icon();
    const int code = tarvok::run_shell(line.file);
    tarvok::stop_window_layer();
    return code;
}
