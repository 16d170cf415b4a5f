// The queue of scripted answers and the logs of what was shown. Once answers are queued, or the
// layer was told it is scripted, requesters take their answers from the queue and show nothing.

#include "runtime/window/qt/answers.h"

#include <utility>

#include "runtime/window/qt/layer.h"

namespace tarvok {

std::optional<ScriptedAnswer> take_answer(AnswerKind kind) {
    auto& answers = layer().answers;
    if (answers.empty()) return std::nullopt;
    ScriptedAnswer answer = std::move(answers.front());
    answers.pop_front();
    if (answer.kind != kind) return std::nullopt;
    return answer;
}

bool answering_from_script() { return layer().scripted || !layer().answers.empty(); }

void script_answer(ScriptedAnswer answer) {
    if (layer_running()) layer().answers.push_back(std::move(answer));
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

std::size_t scripted_answers_left() { return layer().answers.size(); }

void clear_script() { layer().answers.clear(); }

void set_scripted(bool scripted) {
    if (layer_running()) layer().scripted = scripted;
}

const std::vector<MessageRecord>& message_log() { return layer().messages; }

const std::vector<RequesterRecord>& requester_log() { return layer().requesters; }

void clear_logs() {
    layer().messages.clear();
    layer().requesters.clear();
}

void set_message_observer(std::function<void(const MessageRecord&)> observer) {
    if (layer_running()) layer().message_observer = std::move(observer);
}

void set_state_observer(std::function<void(int32_t id, int32_t value)> observer) {
    if (layer_running()) layer().state_observer = std::move(observer);
}

}  // namespace tarvok
