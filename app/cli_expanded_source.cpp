#include "app/cli_expanded_source.h"

#include "assembler/context.h"
#include "assembler/display_ids.h"
#include "runtime/window/window.h"

namespace tarvok {

std::optional<ExpandedSource> expand_editor_text(SourceDocument doc, int32_t line_count) {
    AssemblyContext ctx;
    ctx.ask_include_names = 0;
    ctx.line_count = count_items(MainEditorId);
    IncludeExpansion includes(ctx, doc);
    includes.expand();
    const bool expanded = ctx.error == 0 && count_items(MainEditorId) == line_count;
    ExpandedSource source;
    if (expanded) {
        source.lines.reserve(static_cast<std::size_t>(line_count));
        for (int32_t i = 0; i < line_count; ++i) {
            source.lines.push_back(get_item_text(MainEditorId, i));
        }
        source.parts = includes.parts();
    }
    includes.restore();
    if (!expanded) {
        return std::nullopt;
    }
    return source;
}

}  // namespace tarvok
