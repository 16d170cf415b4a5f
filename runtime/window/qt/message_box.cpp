// Message boxes: a QMessageBox without an icon, with OK, Yes/No/Cancel or Yes/No buttons. Every
// box is shown to the observer with its whole text; a scripted layer shows none and logs each box
// with its answer for the tests, while the desktop program, never scripted, keeps no log.

#include <QMessageBox>
#include <QPushButton>

#include "runtime/window/qt/answers.h"
#include "runtime/window/qt/editor_widget.h"
#include "runtime/window/qt/layer.h"

namespace tarvok {

namespace {

int32_t cancel_answer(int32_t buttons) {
    if (buttons == ButtonsOk) return AnswerOk;
    return buttons == ButtonsYesNo ? AnswerNo : AnswerCancel;
}

int32_t scripted_answer(int32_t buttons) {
    if (buttons == ButtonsOk) return AnswerOk;  // nothing to choose: takes no answer
    const auto answer = take_answer(AnswerKind::Message);
    return answer ? answer->button : cancel_answer(buttons);
}

// The most characters of a text a box shows: laying out a line of hundreds of thousands of
// characters would keep the program busy for seconds before the box appears.
constexpr std::size_t ShownTextLimit = 400;
// A run of this many characters without a blank gets a place where the box may break the line,
// so that a long name does not make the box wider than the screen.
constexpr int LongestUnbrokenRun = 80;

QString shown_text(std::string_view text) {
    QString shown;
    int run = 0;
    for (const char c : text.substr(0, ShownTextLimit)) {
        shown += QChar(static_cast<unsigned char>(c));
        run = c == ' ' || c == '\t' || c == '\n' || c == '\r' ? 0 : run + 1;
        if (run == LongestUnbrokenRun) {
            shown += QChar(0x200B);  // zero-width space
            run = 0;
        }
    }
    if (text.size() > ShownTextLimit) shown += QChar(0x2026);  // "…"
    return shown;
}

int32_t shown_answer(const MessageRecord& record) {
    QMessageBox box(active_program_window());
    box.setWindowTitle(to_qt(record.title));
    box.setText(shown_text(record.text));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::NoIcon);
    switch (record.buttons) {
        case ButtonsYesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case ButtonsYesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
            box.setDefaultButton(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
            break;
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    switch (clicked != nullptr ? box.standardButton(clicked) : QMessageBox::NoButton) {
        case QMessageBox::Ok: return AnswerOk;
        case QMessageBox::Yes: return AnswerYes;
        case QMessageBox::No: return AnswerNo;
        case QMessageBox::Cancel: return AnswerCancel;
        default: return cancel_answer(record.buttons);
    }
}

}  // namespace

int32_t show_message(std::string_view title, std::string_view text, int32_t buttons) {
    LayerState& state = layer();
    MessageRecord record;
    record.title = std::string(title);
    record.text = std::string(text);
    record.buttons = buttons;
    record.answer = 0;  // not answered while the box appears
    const EditorWidget* editor = main_editor();
    record.selected_line = editor != nullptr ? editor->selected_line() : -1;
    if (state.message_observer) state.message_observer(record);
    if (!layer_running()) return cancel_answer(buttons);
    if (!answering_from_script()) return shown_answer(record);
    record.answer = scripted_answer(buttons);
    layer().messages.push_back(std::move(record));
    return layer().messages.back().answer;
}

}  // namespace tarvok
