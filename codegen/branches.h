#pragma once
// Relative branches: the target address becomes the one-byte displacement.

#include <string_view>

#include "assembler/context.h"

namespace tarvok {

// "bcc", "bcs", "beq", "bmi", "bne", "bpl", "bvc" and "bvs": a word with a "b" that is not "bit",
// "brk" or "sbc".
bool is_branch(std::string_view mnemonic);

// Replaces every branch's target with its displacement; refuses targets more than 126 bytes back
// or 127 bytes ahead of the branch's own address.
void resolve_branches(AssemblyContext& ctx);

}  // namespace tarvok
