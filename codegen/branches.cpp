#include "codegen/branches.h"

#include "assembler/messages.h"
#include "runtime/text/text.h"

namespace tarvok {

bool is_branch_word(std::string_view mnemonic) {
    bool has_b = false;
    for (char c : mnemonic) {
        has_b = has_b || c == 'b';
    }
    constexpr auto npos = std::string_view::npos;
    return has_b && mnemonic.find("bit") == npos && mnemonic.find("brk") == npos &&
           mnemonic.find("sbc") == npos;
}

void resolve_branches(AssemblyContext& ctx) {
    for (StatementEntry& rec : ctx.statements) {
        if (!is_branch_record(rec)) {
            continue;
        }
        // Both distances are measured from the branch's own first byte.
        bool in_range = true;
        if (rec.address > rec.value) {
            const int64_t d = static_cast<int64_t>(rec.address) - rec.value;
            in_range = d <= 126;
            if (in_range) {
                rec.value = static_cast<int32_t>(254 - d);
            }
        } else {
            const int64_t d = static_cast<int64_t>(rec.value) - rec.address;
            in_range = d <= 127;
            if (in_range) {
                rec.value = static_cast<int32_t>(d - 2);
            }
        }
        if (!in_range) {
            goto_source_line(rec.line_number);
            show_error("Branch Error.", "Branch Out Of Range  " +
                                            (rec.has_operand() ? std::string(operand_of(ctx, rec)) : format_decimal(rec.value)));
            ctx.error = 1;
            return;
        }
    }
}

}  // namespace tarvok
