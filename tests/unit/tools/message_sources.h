#pragma once
// Finds every message box the program can show by reading its own sources: each call of
// show_error or show_message whose title is written in the call (a string literal or a named
// string constant), with the fixed parts of its text. Parts built at run time (a name, a line
// number) are left out; a text chosen with ?: gives one message per choice. When the text is a
// parameter of the function around the call, every call of that function that gives a text of its
// own is a message too.

#include <filesystem>
#include <string>
#include <vector>

namespace tarvok::testing {

struct ShownMessage {
    std::string where;                // file:line of the call
    std::string title;
    std::vector<std::string> pieces;  // the fixed parts of the text in order; none when the
                                      // whole text is made elsewhere
};

// The messages shown by the C++ sources (.cpp and .h) below each of the folders of root.
std::vector<ShownMessage> messages_in_sources(const std::filesystem::path& root,
                                              const std::vector<std::string>& folders);

}  // namespace tarvok::testing
