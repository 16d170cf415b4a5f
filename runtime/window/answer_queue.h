#pragma once
// The queue of scripted answers that both backends keep, and taking its front answer.

#include <deque>
#include <optional>

#include "runtime/window/script.h"

namespace tarvok {

using AnswerQueue = std::deque<ScriptedAnswer>;

// The front answer when it is of the kind asked for. An answer of another kind is taken all the
// same and counts as a cancel (nullopt), so that one wrong answer cannot shift every later one
// onto the wrong requester. An empty queue is a cancel as well.
std::optional<ScriptedAnswer> take_answer_from(AnswerQueue& answers, AnswerKind kind);

}  // namespace tarvok
