// The colour and font commands on the real widgets: the real Qt colour and font dialogs reached
// from the toolbar and the menu, and a scripted font answer, with what they do to the editor.
#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include <functional>
#include <utility>

#include "shell/control_ids.h"
#include "tests/gui/shell/shell_gui_fixture.h"
#include "tests/gui/when_modal.h"

namespace tarvok::gui {
namespace {

using AppearanceDialogs = ShellGuiTest;

// Shows the real dialog for the next requester only: the action answers it, and the layer is
// scripted again before the dialog closes, so that the event loop ends once the command is done.
void with_real_dialog(std::function<void(QWidget*)> action) {
    set_scripted(false);
    when_modal([action = std::move(action)](QWidget* dialog) {
        set_scripted(true);
        action(dialog);
    });
}

// The foreground the editor shows the character at position with.
QTextCharFormat format_at(int position) {
    QTextCursor cursor(qt_editor_widget(SourceEditor)->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

void trigger_menu_item(std::string_view text) {
    for (QAction* title : qt_menu_bar(MainWindow)->actions()) {
        if (title->menu() == nullptr) continue;
        for (QAction* action : title->menu()->actions()) {
            if (action->text().toStdString() == text) action->trigger();
        }
    }
}

TEST_F(AppearanceDialogs, ColourDialogStartsAtBlackAndCancelShowsTheOrdinaryColour) {
    QColor start;
    QColor first_custom;
    with_real_dialog([&](QWidget* dialog) {
        auto* colours = qobject_cast<QColorDialog*>(dialog);
        ASSERT_NE(colours, nullptr);
        start = colours->currentColor();
        first_custom = QColorDialog::customColor(0);
        colours->setCurrentColor(QColor(0x11, 0x22, 0x33));
        colours->accept();
    });
    QTest::mouseClick(qobject_cast<QToolButton*>(qt_control_widget(TextColourButton)),
                      Qt::LeftButton);
    deliver_and_run();
    EXPECT_EQ(start, QColor(Qt::black));
    EXPECT_EQ(first_custom, QColor(Qt::black));
    EXPECT_EQ(state.text_colour, 0x332211);
    EXPECT_EQ(format_at(0).foreground().color(), QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(read_file("tarc.bin").size(), 25u);

    // Opened again it starts at black once more; cancelling gives -1, shown as the ordinary colour.
    with_real_dialog([&](QWidget* dialog) {
        start = qobject_cast<QColorDialog*>(dialog)->currentColor();
        static_cast<QDialog*>(dialog)->reject();
    });
    QTest::mouseClick(qobject_cast<QToolButton*>(qt_control_widget(TextColourButton)),
                      Qt::LeftButton);
    deliver_and_run();
    EXPECT_EQ(start, QColor(Qt::black));
    EXPECT_EQ(state.text_colour, NoColour);
    EXPECT_EQ(format_at(0).foreground().style(), Qt::NoBrush);
    EXPECT_EQ(editor_colour_at(0), NoColour);
}

TEST_F(AppearanceDialogs, FontDialogOffersUnderlineAndStrikeoutAndTheEditorTakesTheFont) {
    QFont start;
    bool effects_offered = false;
    with_real_dialog([&](QWidget* dialog) {
        auto* fonts = qobject_cast<QFontDialog*>(dialog);
        ASSERT_NE(fonts, nullptr);
        start = fonts->currentFont();
        QFont chosen(QStringLiteral("DejaVu Sans Mono"));
        chosen.setPointSize(12);
        chosen.setBold(true);
        fonts->setCurrentFont(chosen);
        // The effects: the user ticks both boxes.
        int ticked = 0;
        for (QCheckBox* box : fonts->findChildren<QCheckBox*>()) {
            const QString text = box->text().remove(u'&');
            if ((text == QStringLiteral("Underline") || text == QStringLiteral("Strikeout")) &&
                box->isVisible() && box->isEnabled()) {
                box->click();
                ++ticked;
            }
        }
        effects_offered = ticked == 2;
        fonts->accept();
    });
    trigger_menu_item("Select Font");
    deliver_and_run();
    EXPECT_TRUE(effects_offered);
    // Courier, or the face the system shows for it when it has no Courier.
    EXPECT_EQ(start.family(), QFontInfo(QFont(QStringLiteral("Courier"))).family());
    EXPECT_EQ(start.pointSize(), 10);
    EXPECT_EQ(state.font_name, "DejaVu Sans Mono");
    EXPECT_EQ(state.font_size, 12);
    EXPECT_EQ(state.font_style, FontBold | FontUnderline | FontStrikeout);
    const QFont shown = qt_editor_widget(SourceEditor)->font();
    EXPECT_EQ(shown.family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(shown.pointSize(), 12);
    EXPECT_TRUE(shown.bold());
    EXPECT_TRUE(shown.underline());
    EXPECT_TRUE(shown.strikeOut());
    EXPECT_FALSE(shown.italic());
    EXPECT_EQ(read_file("tarc.bin").substr(0, 8), std::string("\x0C\0\0\0\x0C\x01\0\0", 8));
    EXPECT_TRUE(message_log().empty());
}

TEST_F(AppearanceDialogs, ScriptedFontThatNoSystemHasIsReported) {
    const QFont before = qt_editor_widget(SourceEditor)->font();
    script_font_answer("Tarvok No Such Face", 12, FontItalic);
    trigger_menu_item("Select Font");
    deliver_and_run();
    EXPECT_EQ(message_texts(), std::vector<std::string>{"Unable To Load Font"});
    EXPECT_EQ(qt_editor_widget(SourceEditor)->font(), before);
    EXPECT_TRUE(read_file("tarc.bin").empty());

    clear_logs();
    script_font_answer("DejaVu Serif", 14, FontItalic);
    trigger_menu_item("Select Font");
    deliver_and_run();
    EXPECT_TRUE(message_log().empty());
    EXPECT_EQ(qt_editor_widget(SourceEditor)->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_TRUE(qt_editor_widget(SourceEditor)->font().italic());
}

}  // namespace
}  // namespace tarvok::gui
