// Assembling from the real main window: the program text in the editor becomes a PRG file under
// the name the save requester answers, and the code fields and progress bar show the run.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>

#include "shell/control_ids.h"
#include "tests/gui/shell/shell_gui_fixture.h"

namespace tarvok::gui {
namespace {

using AssembleEndToEnd = ShellGuiTest;

QString field_text(int32_t id) {
    auto* field = qobject_cast<QLineEdit*>(qt_control_widget(id));
    return field != nullptr ? field->text() : QString();
}

TEST_F(AssembleEndToEnd, MenuItemWritesThePrgFile) {
    ASSERT_TRUE(set_control_text(SourceEditor, "*=$1000\n lda #$01\n rts"));
    script_file_answer(path_of("first.prg"));
    QAction* assemble = nullptr;
    for (QAction* title : qt_menu_bar(MainWindow)->actions()) {
        for (QAction* action : title->menu()->actions()) {
            if (action->text() == QStringLiteral("Assemble To  Prg File")) assemble = action;
        }
    }
    ASSERT_NE(assemble, nullptr);
    assemble->trigger();
    deliver_and_run();

    EXPECT_EQ(read_file("first.prg"), std::string("\x00\x10\xA9\x01\x60", 5));
    EXPECT_EQ(field_text(CodeStartDecimal), QStringLiteral("4096"));
    EXPECT_EQ(field_text(CodeEndDecimal), QStringLiteral("4099"));
    EXPECT_EQ(field_text(CodeStartHex), QStringLiteral("$1000"));
    EXPECT_EQ(field_text(CodeEndHex), QStringLiteral("$1003"));
    EXPECT_EQ(qobject_cast<QProgressBar*>(qt_control_widget(ProgressBar))->value(), 0);
    EXPECT_EQ(scripted_answers_left(), 0u);
}

TEST_F(AssembleEndToEnd, ToolbarButtonWritesThePrgFileAtItsStartAddress) {
    ASSERT_TRUE(set_control_text(SourceEditor, "*=$c000\nstart lda #$05\n sta $d020\n rts"));
    script_file_answer(path_of("border"));
    QTest::mouseClick(qobject_cast<QToolButton*>(qt_control_widget(AssemblePrgButton)),
                      Qt::LeftButton);
    deliver_and_run();

    EXPECT_EQ(read_file("border.prg"), std::string("\x00\xC0\xA9\x05\x8D\x20\xD0\x60", 8));
    EXPECT_EQ(field_text(CodeStartDecimal), QStringLiteral("49152"));
    EXPECT_EQ(field_text(CodeEndDecimal), QStringLiteral("49158"));
    EXPECT_EQ(field_text(CodeStartHex), QStringLiteral("$C000"));
    EXPECT_EQ(field_text(CodeEndHex), QStringLiteral("$C006"));
    EXPECT_EQ(qobject_cast<QProgressBar*>(qt_control_widget(ProgressBar))->value(), 0);
}

TEST_F(AssembleEndToEnd, TheStartUpExampleAloneHasNothingToSave) {
    script_file_answer(path_of("nothing.prg"));
    QTest::mouseClick(qobject_cast<QToolButton*>(qt_control_widget(AssemblePrgButton)),
                      Qt::LeftButton);
    deliver_and_run();
    ASSERT_FALSE(message_log().empty());
    EXPECT_EQ(message_log().back().title, "Save Error");
    EXPECT_EQ(message_log().back().text, "Nothing To Assemble/Save");
    EXPECT_TRUE(read_file("nothing.prg").empty());
}

}  // namespace
}  // namespace tarvok::gui
