#pragma once
// The source text as an assembly run saw it: the editor's lines with every include directive
// expanded, for the listing of tarvok-asm.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "assembler/includes.h"
#include "assembler/source_document.h"

namespace tarvok {

struct ExpandedSource {
    std::vector<std::string> lines;   // every editor line, as written (not lower-cased)
    std::vector<IncludedPart> parts;  // where the included files' lines are
};

// Expands the include directives of the editor's text once more, as the run before did, reads
// the lines and puts the editor's text back. Relative names are looked up from the current
// folder and the document's folder, as in the run. Nothing when the expansion fails or gives
// another number of lines than the run's line_count: an included file changed in between.
std::optional<ExpandedSource> expand_editor_text(SourceDocument doc, int32_t line_count);

}  // namespace tarvok
