#pragma once
// Source text and data files as the editor takes them in and gives them out: reading a source
// file the way Load Source and Merge Source read one, reading a binary or PRG file for its data
// lines, and the bytes Save Source writes.

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvok {

// The box text for a file whose text would not fit into the editor.
inline constexpr std::string_view TooMuchTextMessage =
    "Too Much Text,The Editor Holds At Most 1000000 Characters.";

enum class SourceFileStatus {
    Read,        // text holds what was read
    Unreadable,  // the file cannot be opened or read; reason says why
    TooLong,     // certainly more text than the editor holds
};

struct SourceFile {
    SourceFileStatus status = SourceFileStatus::Unreadable;
    std::string text;
    std::string reason;
    bool text_after_zero = false;  // read_source_file: a zero byte ended the text, more text followed
};

// The box text for a loaded file whose text went on after a zero byte: saving the editor's text
// over it would lose that part.
inline constexpr std::string_view TextAfterZeroMessage =
    "The File Holds A Zero Byte,The Text After It Was Not Loaded.";

// The bytes of the file up to its first zero byte (all of them when it has none), line breaks as
// they are (CR LF, LF or CR; the editor takes each as one). text_after_zero tells whether bytes
// other than zero bytes follow that first zero byte (a file Tarvok saved ends with one). Reading stops early once the text is
// longer than any text the editor could hold (limit characters, each line break one character,
// and a CR LF pair is one line break), so a huge file is refused without being read whole.
SourceFile read_source_file(std::string_view path, int32_t limit);

// Every byte of a binary or PRG file, without the first two (the load address of a PRG file) when
// skip_load_address is set. Refused as TooLong when its data lines could not fit into limit
// characters: each byte takes at least two ("0,").
SourceFile read_data_file(std::string_view path, bool skip_load_address, int32_t limit);

// Data lines for the bytes: "byte " and up to eight decimal values separated by "," per line,
// lines separated by "\n", none for no bytes (byte 169,0,141,32,208,96,0,255).
std::string data_lines(std::string_view bytes);

// The editor's text as Save Source writes it: every line from the first to one past the last (an
// empty text) followed by CR LF, then one zero byte. An empty editor gives 0D 0A 00.
std::string source_file_bytes();

}  // namespace tarvok
