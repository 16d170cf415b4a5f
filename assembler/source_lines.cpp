#include "assembler/source_lines.h"

#include "runtime/text/text.h"
#include "runtime/window/window.h"

namespace tarvok {

void read_source_lines(AssemblyContext& ctx) {
    ctx.lines.reserve(static_cast<std::size_t>(ctx.line_count) + 1);
    for (int32_t i = 0; i <= ctx.line_count; ++i) {
        std::string text = lower_text(get_item_text(MainEditorId, i));
        if (find_text(text, "*=") != 0) {
            ctx.line_kind[i] = StartCandidate;
        } else if (find_text(text, "=") != 0) {
            ctx.line_kind[i] = Assignment;
        }
        if (ctx.includes_expanded == 1 && find_text(text, "include") != 0) {
            ctx.line_kind[i] = IncludeLine;
        }
        ctx.lines.push_back(SourceLine{std::move(text)});
    }
}

void mark_blank_lines(AssemblyContext& ctx) {
    for (std::size_t i = 0; i < ctx.lines.size(); ++i) {
        if (ctx.line_kind[i] != Open) {
            continue;
        }
        const std::string t = remove_text(remove_text(remove_text(ctx.lines[i].text, " "), "\t"), "\n");
        if (t.empty() || find_text(t, ";") == 1) {
            ctx.line_kind[i] = Consumed;
        }
    }
}

}  // namespace tarvok
