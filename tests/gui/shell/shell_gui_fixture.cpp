#include "tests/gui/shell/shell_gui_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "shell/control_ids.h"
#include "shell/shell.h"

namespace tarvok::gui {

void ShellGuiTest::SetUp() {
    previous_folder_ = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvok-gui-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    std::filesystem::current_path(folder_);
    set_scripted(true);
    clear_script();
    clear_logs();
    ASSERT_TRUE(start_shell(state, ctx));
    QApplication::processEvents();
    while (posted_events_left() > 0) wait_event();  // what showing the window itself reported
}

void ShellGuiTest::TearDown() {
    if (QMenu* popup = qt_popup_menu(EditorPopupMenu)) popup->close();
    close_all_windows();
    QApplication::processEvents();
    while (posted_events_left() > 0) wait_event();
    clear_script();
    clear_logs();
    set_scripted(false);
    std::filesystem::current_path(previous_folder_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void ShellGuiTest::deliver_and_run() {
    QApplication::processEvents();
    run_event_loop(state, ctx);
}

std::string ShellGuiTest::path_of(std::string_view name) const {
    return (folder_ / name).string();
}

std::string ShellGuiTest::read_file(std::string_view name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> ShellGuiTest::message_texts() {
    std::vector<std::string> texts;
    for (const MessageRecord& message : message_log()) texts.push_back(message.text);
    return texts;
}

std::string not_available(std::string_view command) {
    return std::string(command) + " is not available yet.";
}

bool widget_fits_kind(QWidget* widget, ControlKind kind) {
    switch (kind) {
        case ControlKind::Editor: return qobject_cast<QPlainTextEdit*>(widget) != nullptr;
        case ControlKind::TextField: return qobject_cast<QLineEdit*>(widget) != nullptr;
        case ControlKind::Button: return qobject_cast<QPushButton*>(widget) != nullptr;
        case ControlKind::Label: return qobject_cast<QLabel*>(widget) != nullptr;
        case ControlKind::CheckBox: return qobject_cast<QCheckBox*>(widget) != nullptr;
        case ControlKind::ListBox: return qobject_cast<QListWidget*>(widget) != nullptr;
        case ControlKind::ImageButton: return qobject_cast<QToolButton*>(widget) != nullptr;
        case ControlKind::ProgressBar: return qobject_cast<QProgressBar*>(widget) != nullptr;
        case ControlKind::TabStrip: return qobject_cast<QTabBar*>(widget) != nullptr;
        default: return false;
    }
}

}  // namespace tarvok::gui
