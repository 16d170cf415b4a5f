#pragma once
// Finding the text files that ship with the program (the help text and the C64 memory map): in the
// current folder first, then beside the running program, then in the installed data folder, so
// that a program started from a desktop menu finds them too.

#include <string>
#include <string_view>
#include <vector>

#include "runtime/file/file.h"

namespace tarvok {

// The folders searched after the current one: the folder of the running executable, the data
// folder as seen from there (<prefix>/share/tarvok for <prefix>/bin), then the data folder the
// program was built for. A folder that cannot be told is left out, and none comes twice.
std::vector<std::string> shipped_file_folders();

// Opens name in the current folder, else in each of folders in turn. path becomes what was
// opened: the bare name for the current folder, the full path for another folder, and the bare
// name again when the file was found nowhere (the handle is then not open).
FileHandle open_shipped_file(std::string_view name, const std::vector<std::string>& folders,
                             std::string& path);

}  // namespace tarvok
