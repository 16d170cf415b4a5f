#pragma once
// Taking the next scripted answer for a requester or message box.

#include <optional>

#include "runtime/window/script.h"

namespace tarvok::headless {

// The front answer when it is of the kind asked for. An answer of another kind is taken all the
// same and counts as a cancel (nullopt), so that one wrong answer cannot shift every later one
// onto the wrong requester. An empty queue is a cancel as well.
std::optional<ScriptedAnswer> take_answer(AnswerKind kind);

}  // namespace tarvok::headless
