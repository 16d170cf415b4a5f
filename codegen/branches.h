#pragma once
// Relative branches: the target address becomes the one-byte displacement.

#include <cstdint>
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

// The rows of mnemonic_list whose word is_branch takes for a branch, as bits of the row index:
// bcc, bcs, beq, bmi, bne, bpl, bvc and bvs, and "byte" and "dbyte", which hold a "b" too.
inline constexpr uint64_t BranchRows = (uint64_t{1} << RowByte) | (uint64_t{1} << 5) | (uint64_t{1} << 6) |
                                       (uint64_t{1} << 7) | (uint64_t{1} << 9) | (uint64_t{1} << 10) |
                                       (uint64_t{1} << 11) | (uint64_t{1} << 13) | (uint64_t{1} << 14) |
                                       (uint64_t{1} << RowDbyte);

// is_branch(rec.mnemonic()), read from the record's row alone: a data byte or a record without a
// word is no branch. The layout asks it of every record in every round.
inline bool is_branch_record(const StatementEntry& rec) {
    return rec.row >= 0 && rec.row < MnemonicCount && ((BranchRows >> rec.row) & 1) != 0;
}

// Replaces every branch's target with its displacement; refuses targets more than 126 bytes back
// or 127 bytes ahead of the branch's own address.
void resolve_branches(AssemblyContext& ctx);

}  // namespace tarvok
