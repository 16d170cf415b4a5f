// The real requester dialogs, driven from a timer while their own loop runs.
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "tests/gui/when_modal.h"
#include "tests/gui/window/gui_fixture.h"

namespace tarvok::gui {
namespace {

using RequesterDialogs = GuiTest;

TEST_F(RequesterDialogs, AskTextHasItsLayoutAndEnterAnswersWithTheText) {
    open_test_window(0);
    QRect geometry, prompt, field, ok;
    QString name, prompt_text;
    int caret = -1;
    bool field_has_focus = false, ok_is_default = false, system_menu = true;
    when_modal([&](QWidget* dialog) {
        name = dialog->objectName();
        geometry = QRect(dialog->frameGeometry().topLeft(), dialog->size());
        system_menu = dialog->windowFlags().testFlag(Qt::WindowSystemMenuHint);
        auto* label = dialog->findChild<QLabel*>();
        auto* edit = dialog->findChild<QLineEdit*>();
        auto* button = dialog->findChild<QPushButton*>();
        prompt = label->geometry();
        prompt_text = label->text();
        field = edit->geometry();
        ok = button->geometry();
        ok_is_default = button->isDefault() && button->text() == QStringLiteral("Ok");
        caret = edit->cursorPosition();
        field_has_focus = dialog->focusWidget() == edit;
        QTest::keyClicks(edit, "00");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(ask_text("Goto Line", "Enter Line Number", "10"), "1000");
    EXPECT_EQ(name, QStringLiteral("InputRequester"));
    EXPECT_EQ(geometry.size(), QSize(300, 130));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(geometry.topLeft(), QPoint(screen.width() / 2 - 150, screen.height() / 2 - 65));
    EXPECT_FALSE(system_menu);
    EXPECT_EQ(prompt, QRect(10, 10, 280, 22));
    EXPECT_EQ(prompt_text, QStringLiteral("Enter Line Number"));
    EXPECT_EQ(field, QRect(10, 32, 275, 21));
    EXPECT_EQ(ok, QRect(110, 67, 80, 25));
    EXPECT_TRUE(ok_is_default);
    EXPECT_EQ(caret, 2) << "the caret stands after the default text";
    EXPECT_TRUE(field_has_focus);
    ASSERT_EQ(requester_log().size(), 1u);
    EXPECT_EQ(requester_log()[0].answer, "1000");
}

TEST_F(RequesterDialogs, AskTextEscapeAndClosingAnswerEmpty) {
    when_modal([](QWidget* dialog) { QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape); });
    EXPECT_EQ(ask_text("Find", "Text", "held text"), "");
    when_modal([](QWidget* dialog) { dialog->close(); });
    EXPECT_EQ(ask_text("Find", "Text", "held text"), "");
    when_modal([](QWidget* dialog) { dialog->findChild<QPushButton*>()->click(); });
    EXPECT_EQ(ask_text("Find", "Text", std::string(12'000, 'a')), std::string(10'000, 'a'))
        << "at most 10,000 characters come back";
}

TEST_F(RequesterDialogs, MessageBoxShowsItsButtonsAndReportsTheOnePressed) {
    struct Row {
        int32_t buttons;
        QMessageBox::StandardButtons shown;
        QMessageBox::StandardButton pressed;
        int32_t answer;
    };
    const Row rows[] = {
        {ButtonsOk, QMessageBox::Ok, QMessageBox::Ok, AnswerOk},
        {ButtonsYesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No, AnswerNo},
        {ButtonsYesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel, AnswerCancel},
        {ButtonsYesNo, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, AnswerYes},
    };
    for (const Row& row : rows) {
        QMessageBox::StandardButtons shown;
        QString title, text;
        bool has_icon = true;
        when_modal([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            ASSERT_NE(box, nullptr);
            shown = box->standardButtons();
            title = box->windowTitle();
            text = box->text();
            has_icon = box->icon() != QMessageBox::NoIcon;
            box->button(row.pressed)->click();
        });
        EXPECT_EQ(show_message("Save Source", "Save Changes?", row.buttons), row.answer);
        EXPECT_EQ(shown, row.shown);
        EXPECT_EQ(title, QStringLiteral("Save Source"));
        EXPECT_EQ(text, QStringLiteral("Save Changes?"));
        EXPECT_FALSE(has_icon);
    }
}

// A box shows at most 400 characters of its text, cut with "…", so that it appears at once
// however long a line it quotes, and no wider than the screen; the observer gets the whole text.
// Boxes shown to a person are logged nowhere (the desktop program would keep every one); scripted
// boxes are logged whole.
TEST_F(RequesterDialogs, LongTextsAreCutInTheBoxOnlyAndShownBoxesAreNotLogged) {
    const struct {
        std::string text;
        QString shown;
    } rows[] = {
        {"Branch Out Of Range  far", QStringLiteral("Branch Out Of Range  far")},
        {std::string(400, 'a'), QString(400, u'a')},
        {std::string(401, '\xE9'), QString(400, QChar(0xE9)) + QChar(0x2026)},
        {"Label Or Variable Not Found `x`In Line 1 " + std::string(900'000, 'x'),
         QStringLiteral("Label Or Variable Not Found `x`In Line 1 ") + QString(359, u'x') + QChar(0x2026)},
    };
    std::vector<std::string> observed;
    set_message_observer([&](const MessageRecord& m) { observed.push_back(m.text); });
    for (const auto& row : rows) {
        QString shown;
        int overflow = 0;
        when_modal([&](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            ASSERT_NE(box, nullptr);
            shown = box->text().remove(QChar(0x200B));  // the places where a long run may break
            // The narrowest the text can be laid out, against the width it was given.
            const QLabel* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            ASSERT_NE(label, nullptr);
            overflow = label->minimumSizeHint().width() - label->width();
            box->button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(show_message("Error", row.text, ButtonsOk), AnswerOk);
        EXPECT_TRUE(shown == row.shown) << shown.size() << " characters shown";
        EXPECT_LE(overflow, 0) << "the text is wider than the box";
        ASSERT_FALSE(observed.empty());
        EXPECT_EQ(observed.back(), row.text);
    }
    EXPECT_TRUE(message_log().empty());
    set_scripted(true);
    EXPECT_EQ(show_message("Error", rows[3].text, ButtonsOk), AnswerOk);
    ASSERT_EQ(message_log().size(), 1u);
    EXPECT_EQ(message_log()[0].text, rows[3].text);
    set_message_observer(nullptr);
}

TEST_F(RequesterDialogs, ScriptedOrQueuedAnswersShowNoDialog) {
    int shown = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            ++shown;
            dialog->close();
        }
    });
    watch.start(1);
    script_text_answer("label");
    EXPECT_EQ(ask_text("Find", "Text", ""), "label");
    set_scripted(true);
    EXPECT_EQ(show_message("Lable Error.", "Lable Defined Twice", ButtonsOk), AnswerOk);
    EXPECT_EQ(choose_colour(), NoColour);
    EXPECT_EQ(choose_open_file("Load", "c:", "All|*.*", 0), "");
    EXPECT_EQ(shown, 0);
}

TEST_F(RequesterDialogs, FileRequesterOpensInTheFolderWithTheFiltersOfItsPairs) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"main.txt", "game.prg"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString working_folder = QDir::currentPath();
    const std::string filter = "Text (*.txt)|*.txt| Asm (*.asm)|*.asm|PrgFiles (*.*)|*.prg";
    QStringList filters;
    QString selected_filter, offered_name, opened_in;
    when_modal([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        filters = files->nameFilters();
        selected_filter = files->selectedNameFilter();
        opened_in = files->directory().absolutePath();
        offered_name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        files->selectNameFilter(filters[2]);
        files->selectFile(folder.filePath(QStringLiteral("game.prg")));
        QMetaObject::invokeMethod(files, "accept");
    });
    const std::string default_file = folder.filePath(QStringLiteral("main.txt")).toStdString();
    const std::string chosen = choose_open_file("Load Source", default_file, filter, 1);
    EXPECT_EQ(chosen, folder.filePath(QStringLiteral("game.prg")).toStdString());
    EXPECT_EQ(chosen_filter(), 2);
    EXPECT_EQ(filters, (QStringList{QStringLiteral("Text (*.txt) (*.txt)"), QStringLiteral("Asm (*.asm) (*.asm)"),
                                    QStringLiteral("PrgFiles (*.*) (*.prg)")}));
    EXPECT_EQ(selected_filter, QStringLiteral("Asm (*.asm)")) << "shown without the patterns";
    EXPECT_EQ(opened_in, QDir(folder.path()).absolutePath());
    EXPECT_EQ(offered_name, QStringLiteral("main.txt"));
    EXPECT_EQ(QDir::currentPath(), working_folder) << "the current directory stays";
}

// Linux file names are bytes, UTF-8 by convention; they pass the requester and the path field
// unchanged, whatever characters they spell (the editor's text stays Latin-1).
TEST_F(RequesterDialogs, FileNamesCrossAsTheFileSystemSpellsThem) {
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    open_test_window(0);
    create_text_field(2, 10, 20, 400, 20, "Current Source", FieldReadOnly);
    const struct {
        const char* folder;
        const char16_t* shown;
    } rows[] = {
        {"caf\xC3\xA9", u"caf\u00E9"},             // Latin-1 letter, two bytes in UTF-8
        {"\xE6\x97\xA5\xE6\x9C\xAC", u"\u65E5\u672C"},  // beyond Latin-1
        {"plain", u"plain"},
    };
    for (const auto& row : rows) {
        const std::string folder = QFile::encodeName(base.path()).toStdString() + "/" + row.folder;
        const QString shown_folder = base.path() + u'/' + QString::fromUtf16(row.shown);
        ASSERT_TRUE(QDir().mkpath(shown_folder));
        QString opened_in, offered_name;
        when_modal([&](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(files, nullptr);
            opened_in = files->directory().absolutePath();
            offered_name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            files->selectFile(shown_folder + QStringLiteral("/out.prg"));
            QMetaObject::invokeMethod(files, "accept");
        });
        EXPECT_EQ(choose_save_file("Save Assembled Prg File", folder + "/prog.prg", "Prg (*.prg)|*.prg", 0),
                  folder + "/out.prg");
        EXPECT_EQ(opened_in.toStdString(), shown_folder.toStdString());
        EXPECT_EQ(offered_name.toStdString(), "prog.prg");

        ASSERT_TRUE(set_control_file_name(2, folder));
        EXPECT_EQ(qobject_cast<QLineEdit*>(qt_control_widget(2))->text().toStdString(), shown_folder.toStdString());
        EXPECT_EQ(get_control_text(2), folder);
    }
}

TEST_F(RequesterDialogs, SaveRequesterWithAnInvalidNameOffersNoNameAndCancelGivesEmpty) {
    QString offered_name = QStringLiteral("unset");
    QString title;
    when_modal([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        title = files->windowTitle();
        offered_name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        files->reject();
    });
    EXPECT_EQ(choose_save_file("Save Source", "c:", "Text (*.txt)|*.txt", 0), "");
    EXPECT_EQ(title, QStringLiteral("Save Source"));
    EXPECT_EQ(offered_name, QString());
    ASSERT_EQ(requester_log().size(), 1u);
    EXPECT_EQ(requester_log()[0].kind, RequesterKind::SaveFile);
    EXPECT_EQ(requester_log()[0].prompt_or_default, "c:");
}

TEST_F(RequesterDialogs, DefaultFileInAMissingFolderStillOffersItsName) {
    QString offered_name, opened_in;
    when_modal([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        opened_in = files->directory().absolutePath();
        offered_name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        files->reject();
    });
    EXPECT_EQ(choose_save_file("Save Source", "/no/such/folder/game.asm", "Asm|*.asm", 0), "");
    EXPECT_EQ(offered_name, QStringLiteral("game.asm"));
    EXPECT_TRUE(QDir(opened_in).exists());
}

TEST_F(RequesterDialogs, FontRequesterReportsFaceWholePointsAndStyleBits) {
    QFont start;
    when_modal([&](QWidget* dialog) {
        auto* fonts = qobject_cast<QFontDialog*>(dialog);
        ASSERT_NE(fonts, nullptr);
        start = fonts->currentFont();
        QFont chosen(QStringLiteral("DejaVu Sans Mono"));
        chosen.setPointSize(12);
        chosen.setBold(true);
        chosen.setUnderline(true);
        fonts->setCurrentFont(chosen);
        fonts->accept();
    });
    EXPECT_EQ(choose_font("DejaVu Sans", 10, FontDialogEffects), 1);
    EXPECT_EQ(start.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(start.pointSize(), 10);
    EXPECT_EQ(chosen_font_name(), "DejaVu Sans Mono");
    EXPECT_EQ(chosen_font_size(), 12);
    EXPECT_EQ(chosen_font_style(), FontBold | FontUnderline);

    when_modal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(choose_font("Courier", 10, FontDialogEffects), 0);
}

TEST_F(RequesterDialogs, ColourRequesterStartsAtBlackAndGivesBgr) {
    QColor start;
    when_modal([&](QWidget* dialog) {
        auto* colours = qobject_cast<QColorDialog*>(dialog);
        ASSERT_NE(colours, nullptr);
        start = colours->currentColor();
        colours->setCurrentColor(QColor(0x11, 0x22, 0x33));
        colours->accept();
    });
    EXPECT_EQ(choose_colour(), 0x332211);
    EXPECT_EQ(start, QColor(Qt::black));
    when_modal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(choose_colour(), NoColour);
}

}  // namespace
}  // namespace tarvok::gui
