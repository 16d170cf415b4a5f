#pragma once
// How the file requesters read their arguments: the filter list of description and pattern pairs
// separated by "|", and the default file split into the folder the dialog opens in and the name
// it offers. Plain text work, kept apart from the dialog so it can be checked on its own.

#include <string>
#include <string_view>
#include <vector>

namespace tarvok {

struct FileFilter {
    std::string description;            // as the list gives it, e.g. "Text (*.txt)"
    std::vector<std::string> patterns;  // from the pair's pattern, e.g. {"*.txt"}; "*.*" is "*"
};

// Pairs of description and pattern; a description without its pattern is dropped. Patterns are
// separated by ";" (or blanks); "*.*" matches every file, as it does in the program's file lists.
std::vector<FileFilter> parse_file_filters(std::string_view filter);

struct DefaultFile {
    std::string folder;  // "" when the default file names no folder
    std::string name;    // "" when the name is not a valid file name
};

// Splits at the last "\" or "/". A name holding a character below 0x20, a double quote or any of
// \ / : * ? < > | is dropped.
DefaultFile split_default_file(std::string_view default_file);

}  // namespace tarvok
