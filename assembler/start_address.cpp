#include "assembler/start_address.h"

#include "assembler/literals.h"
#include "assembler/messages.h"
#include "runtime/text/text.h"

namespace tarvok {

namespace {

constexpr const char* StartAddressError = "Start Address Error,Eg *=$0900";

// Reads the first StartCandidate line; returns its index, -1 when there is none.
int32_t read_directive(AssemblyContext& ctx) {
    for (int32_t i = 0; i < static_cast<int32_t>(ctx.lines.size()); ++i) {
        if (ctx.line_kind[i] != StartCandidate) {
            continue;
        }
        const std::string t = remove_text(ctx.lines[i].text, " ");
        const int32_t p = find_text(t, "*=");
        if (p == 0) {
            continue;
        }
        // Up to five characters after "*=", whatever they are (a comment may follow the number).
        const std::string v = mid_text(t, p + 2, 5);
        if (find_text(v, "$") == 0 && text_length(v) != 5) {
            if (ctx.quiet == 0) {
                show_error("Error!", StartAddressError);
                ctx.error = 1;
            }
            return i;
        }
        ctx.start_address = literal_value(ctx, v);
        ctx.line_kind[i] = StartLine;
        return i;
    }
    return -1;
}

}  // namespace

void read_start_address(AssemblyContext& ctx) {
    const int32_t directive_line = read_directive(ctx);
    if (ctx.quiet != 0) {
        return;
    }
    if (ctx.start_address == 0 && ctx.error == 0) {
        show_error("Error!", StartAddressError);
        ctx.error = 1;
    }
    if (ctx.start_address > 65535) {
        show_error("Error!", "Start Address To High");
        ctx.error = 1;
    }
    for (int32_t i = 0; i < static_cast<int32_t>(ctx.lines.size()); ++i) {
        if (i == directive_line || ctx.line_kind[i] != StartCandidate) {
            continue;
        }
        if (find_text(remove_text(ctx.lines[i].text, " "), "*=") != 0) {
            goto_source_line(i);
            show_error("Start Address Error.", "Double Definition of Start Address `*=` ");
            ctx.error = 1;
            return;
        }
    }
}

}  // namespace tarvok
