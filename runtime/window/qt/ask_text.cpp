// The text requester: a small fixed dialog with a prompt, one text field and an "Ok" button,
// centred on the screen. Enter answers with the field's text, Escape or closing with "".

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "runtime/window/qt/answers.h"
#include "runtime/window/qt/layer.h"

namespace tarvok {

namespace {

// The longest text the requester gives back.
constexpr qsizetype AnswerLimit = 10'000;

// The answer field: when the requester comes up it keeps the caret after the default text
// instead of selecting it all, so typing adds to the text.
class AnswerField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        if (first_focus_) {
            first_focus_ = false;
            deselect();
            end(false);
        }
    }

private:
    bool first_focus_ = true;
};

QString shown_answer(std::string_view title, std::string_view prompt, std::string_view default_text) {
    QDialog dialog(active_program_window(),
                   Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setObjectName(QStringLiteral("InputRequester"));
    dialog.setWindowTitle(to_qt(title));
    dialog.setFixedSize(300, 130);
    dialog.setModal(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        dialog.move(area.x() + area.width() / 2 - 150, area.y() + area.height() / 2 - 65);
    }

    auto* label = new QLabel(to_qt(prompt), &dialog);
    label->setObjectName(QStringLiteral("Prompt"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setGeometry(10, 10, 280, 22);

    auto* field = new AnswerField(&dialog);
    field->setObjectName(QStringLiteral("Answer"));
    field->setGeometry(10, 32, 275, 21);
    field->setText(to_qt(default_text));
    field->setContextMenuPolicy(Qt::NoContextMenu);
    field->end(false);

    auto* ok = new QPushButton(QStringLiteral("Ok"), &dialog);
    ok->setObjectName(QStringLiteral("Ok"));
    ok->setGeometry(110, 67, 80, 25);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    field->setFocus(Qt::OtherFocusReason);
    if (dialog.exec() != QDialog::Accepted) return QString();
    return field->text().left(AnswerLimit);
}

}  // namespace

std::string ask_text(std::string_view title, std::string_view prompt, std::string_view default_text) {
    if (!layer_running()) return "";
    std::string result;
    if (answering_from_script()) {
        const auto answer = take_answer(AnswerKind::Text);
        if (answer) result = answer->text.substr(0, AnswerLimit);
    } else {
        result = from_qt(shown_answer(title, prompt, default_text));
    }
    RequesterRecord record;
    record.kind = RequesterKind::AskText;
    record.title = std::string(title);
    record.prompt_or_default = std::string(prompt);
    record.default_text = std::string(default_text);
    record.answer = result;
    layer().requesters.push_back(record);
    return result;
}

}  // namespace tarvok
