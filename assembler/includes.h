#pragma once
// Include directives: an "include" line pulls a source file into the editor text for one assembly
// run, "includeprg" and "includebinary" lines the bytes of a PRG file (without its load address)
// or of any file as "byte " lines. The text the editor held before the first expansion is kept in
// a private temporary file and put back at the end of the run.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

#include "assembler/context.h"
#include "assembler/source_document.h"
#include "runtime/file/temporary_file.h"

namespace tarvok {

enum class IncludeKind { Source, Prg, Binary };

// Included sources nested deeper than this are refused: a chain this long is a mistake.
inline constexpr std::size_t MaxIncludeDepth = 16;

// The file an include name stands for: an absolute name as it is; a relative one in the current
// folder when a file of that name is there, else in the folder of the source last loaded into the
// editor when one is there, else as given (it then cannot be opened).
std::string include_file_path(std::string_view name, const SourceDocument& doc);

// Where the next "include" starts in a lower-cased text, at or after from; npos when there is
// none.
std::size_t find_include_word(std::string_view text, std::size_t from);

// A stretch of the expanded text that came from one include directive: the file's name as the
// directive gave it, and its lines (those of anything it included in turn among them).
struct IncludedPart {
    std::string name;
    int32_t first_line = 0;  // 0-based editor line of its first line
    int32_t line_count = 0;
};

// One run's expansion. The object removes the saved copy of the text when it goes, so no path
// through a run leaves the temporary file behind.
class IncludeExpansion {
public:
    IncludeExpansion(AssemblyContext& ctx, SourceDocument& doc) : ctx_(ctx), doc_(doc) {}
    IncludeExpansion(const IncludeExpansion&) = delete;
    IncludeExpansion& operator=(const IncludeExpansion&) = delete;

    // Expands every directive of the editor text, those inside included sources too, each directly
    // below its own line, and counts the lines again (line_count). The directive lines stay and
    // are never assembled. An error shows its box, sets error and ends the expansion; a source
    // file that cannot be found is reported and the scan goes on.
    void expand();
    // The editor's lines as get_editor_lines gives them, lower-cased: the text the scan read last,
    // handed over when the editor has not changed since (so that the next step need not read it
    // again).
    std::string editor_lines();
    // When a directive was expanded: the editor text back as it stood before the run, the error
    // flag cleared (the box has been shown), "Current Source" showing the loaded source again and
    // the saved copy removed.
    void restore();

    // Every directive's lines in the expanded text, in the order the directives were expanded
    // (an enclosing file before the files it includes); none for a file that added no line.
    const std::vector<IncludedPart>& parts() const { return parts_; }

private:
    // A source file whose text is in the editor and is still being scanned: its identity and the
    // line after its text.
    struct OpenInclude {
        dev_t device = 0;
        ino_t inode = 0;
        int32_t end_line = 0;
        std::size_t part = 0;  // its entry in parts_
    };

    bool save_editor_text();
    std::string ask_for_name(IncludeKind kind, int32_t line);
    // Each returns false when the expansion must end.
    bool include_source(const std::string& name, int32_t line);
    bool include_data(const std::string& name, IncludeKind kind, int32_t line);
    // Inserts the text of the named file before ctx.insert_line and records it as a part;
    // returns the number of lines added, -1 when the editor would pass its limit.
    int32_t insert_text(std::string_view text, const std::string& name);
    void stop(std::string_view title, std::string_view text, int32_t line);

    AssemblyContext& ctx_;
    SourceDocument& doc_;
    TemporaryFile saved_;
    std::vector<OpenInclude> open_;
    std::vector<IncludedPart> parts_;
    std::string lines_;         // the editor's lines as the scan read them last, lower-cased
    bool lines_current_ = false;  // lines_ is what the editor holds now
};

}  // namespace tarvok
