#pragma once
// The editor document's state that the shell and the assembler share: the colours the editor text
// is painted in, the file names the requesters offer and remember, and the find position that
// reloading the text resets. The shell's state extends it; the assembler gets it by reference.

#include <cstdint>
#include <string>

namespace tarvok {

inline constexpr const char* DefaultFilePattern =
    "Text (*.txt)|*.txt| Asm (*.asm)|*.asm| All Files (*.*)|*.*";

struct SourceDocument {
    int32_t text_colour = 0;                  // 0x00BBGGRR, -1 none chosen
    int32_t background_colour = 0xFFFFFF;     // 0x00BBGGRR, -1 none chosen
    std::string file_pattern = DefaultFilePattern;
    std::string default_path = "c:";          // default file name offered by the requesters
    std::string source_path;                  // file name last used by a file command or writer
    std::string loaded_path;                  // path chosen in the last Load Source requester
    // Folder of the source file last loaded into the editor: an include name not found in the
    // current folder is looked up there.
    std::string loaded_folder;
    int32_t find_start = 0;                   // editor line at which the next search starts
};

}  // namespace tarvok
