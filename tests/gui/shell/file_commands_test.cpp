// Source files through the real main window: Load Source and Save Source with the Qt editor in
// between, and an assembly whose include directives expand in that editor.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "shell/control_ids.h"
#include "tests/gui/shell/shell_gui_fixture.h"

namespace tarvok::gui {
namespace {

using FileCommands = ShellGuiTest;

QAction* file_menu_action(std::string_view text) {
    for (QAction* title : qt_menu_bar(MainWindow)->actions()) {
        if (title->menu() == nullptr) continue;
        for (QAction* action : title->menu()->actions()) {
            if (action->text().toStdString() == text) return action;
        }
    }
    return nullptr;
}

void write_bytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TEST_F(FileCommands, LoadThenSaveKeepsEveryByteAndWritesCrLf) {
    // A file from a Linux editor: LF line ends, UTF-8 and Latin-1 bytes in comments and strings.
    const std::string linux_file = "*=$c000\n text \"\xC3\xA9t\xE9\" ;\x80\xFF\n rts\n";
    write_bytes(path_of("linux.asm"), linux_file);
    script_file_answer(path_of("linux.asm"));
    QTest::mouseClick(qobject_cast<QToolButton*>(qt_control_widget(LoadSourceButton)), Qt::LeftButton);
    deliver_and_run();
    EXPECT_EQ(qt_editor_widget(SourceEditor)->toPlainText(), QString::fromLatin1(linux_file));
    EXPECT_EQ(qobject_cast<QLineEdit*>(qt_control_widget(CurrentSourceField))->text().toStdString(),
              path_of("linux.asm"));
    EXPECT_TRUE(message_log().empty());

    QAction* save = file_menu_action("Save Source");
    ASSERT_NE(save, nullptr);
    script_file_answer(path_of("saved"), 1);
    save->trigger();
    deliver_and_run();
    EXPECT_EQ(read_file("saved.asm"),
              std::string("*=$c000\r\n text \"\xC3\xA9t\xE9\" ;\x80\xFF\r\n rts\r\n\r\n\r\n") + '\0');
    EXPECT_EQ(qobject_cast<QLineEdit*>(qt_control_widget(CurrentSourceField))->text().toStdString(),
              path_of("saved.asm"));
    EXPECT_TRUE(message_log().empty());
}

TEST_F(FileCommands, IncludeAssemblyExpandsInTheEditorAndPutsTheTextBack) {
    write_bytes(path_of("lib.asm"), " lda #$05\n sta $d020\n");
    write_bytes(path_of("data.bin"), std::string("\x00\x80\xFF", 3));
    std::filesystem::create_directory(path_of("private"));
    const char* tmpdir = std::getenv("TMPDIR");
    const std::string previous_tmpdir = tmpdir != nullptr ? tmpdir : "";
    setenv("TMPDIR", path_of("private").c_str(), 1);

    const QString text = QString::fromLatin1("*=$c000 ;\xE9\n include \"lib.asm\"\n rts\n includebinary \"data.bin\"\n");
    ASSERT_TRUE(set_control_text(SourceEditor, text.toLatin1().toStdString()));
    QAction* assemble = file_menu_action("Assemble To  Prg File");
    ASSERT_NE(assemble, nullptr);
    script_file_answer(path_of("demo.prg"));
    assemble->trigger();
    deliver_and_run();

    if (tmpdir != nullptr) {
        setenv("TMPDIR", previous_tmpdir.c_str(), 1);
    } else {
        unsetenv("TMPDIR");
    }
    EXPECT_TRUE(message_log().empty());
    EXPECT_EQ(read_file("demo.prg"), std::string("\x00\xC0\xA9\x05\x8D\x20\xD0\x60\x00\x80\xFF", 11));
    EXPECT_EQ(qt_editor_widget(SourceEditor)->toPlainText(), text);
    EXPECT_TRUE(std::filesystem::is_empty(path_of("private")));
}

}  // namespace
}  // namespace tarvok::gui
