#pragma once
// Reading a source file for the command-line assembler the way Load Source reads one.

#include <string>
#include <string_view>

namespace tarvok {

enum class SourceFileStatus {
    Read,        // text holds the file's bytes up to its first zero byte
    Unreadable,  // the file cannot be opened or read; reason says why
    TooLong,     // certainly more text than the editor holds
};

struct SourceFile {
    SourceFileStatus status = SourceFileStatus::Unreadable;
    std::string text;
    std::string reason;
};

// The bytes of the file up to its first zero byte (all of them when it has none). Reading stops
// early once the text is longer than any text the editor could hold (limit characters, each line
// break one character, and a CR LF pair is one line break), so a huge file is refused without
// being read whole.
SourceFile read_source_file(std::string_view path, int32_t limit);

}  // namespace tarvok
