// The queue of scripted answers and the logs of what was shown. The in-memory layer is always
// scripted: nothing is ever shown to a person.
#include "runtime/window/headless/answer_script.h"

#include <utility>

#include "runtime/window/headless/layer_state.h"

namespace tarvok {

using headless::layer;

namespace headless {

std::optional<ScriptedAnswer> take_answer(AnswerKind kind) {
    return take_answer_from(layer().answers, kind);
}

}  // namespace headless

void script_answer(ScriptedAnswer answer) { layer().answers.push_back(std::move(answer)); }

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
