// The queue of scripted answers and the logs of what was shown. Once answers are queued, or the
// layer was told it is scripted, requesters take their answers from the queue and show nothing.

#include "runtime/window/qt/answers.h"

#include <utility>

#include "runtime/window/qt/layer.h"

namespace tarvok {

std::optional<ScriptedAnswer> take_answer(AnswerKind kind) {
    return take_answer_from(layer().answers, kind);
}

bool answering_from_script() { return layer().scripted || !layer().answers.empty(); }

void script_answer(ScriptedAnswer answer) {
    if (layer_running()) layer().answers.push_back(std::move(answer));
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
