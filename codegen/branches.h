#pragma once
// Relative branches: the target address becomes the one-byte displacement.

#include <string_view>

#include "assembler/context.h"

namespace tarvok {

// "bcc", "bcs", "beq", "bmi", "bne", "bpl", "bvc" and "bvs": a word with a "b" that is not "bit",
// "brk" or "sbc".
bool is_branch_word(std::string_view mnemonic);

// is_branch_word, answered here for the words records hold: a table word has three letters, a
// data byte's word is "data". Every record is asked several times during the layout.
inline bool is_branch(std::string_view mnemonic) {
    if (mnemonic.size() == 3) {
        const bool has_b = mnemonic[0] == 'b' || mnemonic[1] == 'b' || mnemonic[2] == 'b';
        return has_b && mnemonic != "bit" && mnemonic != "brk" && mnemonic != "sbc";
    }
    if (mnemonic.size() == 4 && mnemonic == "data") {
        return false;
    }
    return is_branch_word(mnemonic);
}

// Replaces every branch's target with its displacement; refuses targets more than 126 bytes back
// or 127 bytes ahead of the branch's own address.
void resolve_branches(AssemblyContext& ctx);

}  // namespace tarvok
