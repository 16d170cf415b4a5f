// The scripted answers shared by both backends: taking the front answer, and the typed forms of
// script_answer that tests and tarvok-asm use to queue one. Each backend supplies script_answer.
#include "runtime/window/answer_queue.h"

#include <string>
#include <utility>

namespace tarvok {

std::optional<ScriptedAnswer> take_answer_from(AnswerQueue& answers, AnswerKind kind) {
    if (answers.empty()) return std::nullopt;
    ScriptedAnswer answer = std::move(answers.front());
    answers.pop_front();
    if (answer.kind != kind) return std::nullopt;
    return answer;
}

void script_message_answer(int32_t button) {
    ScriptedAnswer answer;
    answer.kind = AnswerKind::Message;
    answer.button = button;
    script_answer(std::move(answer));
}

void script_text_answer(std::string_view text) {
    ScriptedAnswer answer;
    answer.kind = AnswerKind::Text;
    answer.text = std::string(text);
    script_answer(std::move(answer));
}

void script_file_answer(std::string_view path, int32_t filter) {
    ScriptedAnswer answer;
    answer.kind = AnswerKind::File;
    answer.text = std::string(path);
    answer.filter = filter;
    script_answer(std::move(answer));
}

void script_colour_answer(int32_t colour) {
    ScriptedAnswer answer;
    answer.kind = AnswerKind::Colour;
    answer.colour = colour;
    script_answer(std::move(answer));
}

void script_font_answer(std::string_view face, int32_t size, int32_t style) {
    ScriptedAnswer answer;
    answer.kind = AnswerKind::Font;
    answer.text = std::string(face);
    answer.font_size = size;
    answer.font_style = style;
    script_answer(std::move(answer));
}

}  // namespace tarvok
