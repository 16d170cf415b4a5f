#pragma once
// The front answer of the script for a requester of the given kind. Empty when none is queued,
// or when the front answer is of another kind (it is taken all the same and counts as a cancel).

#include <optional>

#include "runtime/window/script.h"

namespace tarvok {

std::optional<ScriptedAnswer> take_answer(AnswerKind kind);

}  // namespace tarvok
