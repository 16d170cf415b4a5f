// The queue of scripted answers and the logs of what was shown. The in-memory layer is always
// scripted: nothing is ever shown to a person.
#include "runtime/window/headless/answer_script.h"

#include <utility>

#include "runtime/window/headless/layer_state.h"

namespace tarvok {

using headless::layer;

namespace headless {

std::optional<ScriptedAnswer> take_answer(AnswerKind kind) {
    auto& answers = layer().answers;
    if (answers.empty()) return std::nullopt;
    ScriptedAnswer answer = std::move(answers.front());
    answers.pop_front();
    if (answer.kind != kind) return std::nullopt;
    return answer;
}

}  // namespace headless

void script_answer(ScriptedAnswer answer) { layer().answers.push_back(std::move(answer)); }

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

void set_scripted(bool /*scripted*/) {}

const std::vector<MessageRecord>& message_log() { return layer().messages; }

const std::vector<RequesterRecord>& requester_log() { return layer().requesters; }

void clear_logs() {
    layer().messages.clear();
    layer().requesters.clear();
}

void set_message_observer(std::function<void(const MessageRecord&)> observer) {
    layer().message_observer = std::move(observer);
}

void set_state_observer(std::function<void(int32_t id, int32_t value)> observer) {
    layer().state_observer = std::move(observer);
}

}  // namespace tarvok
