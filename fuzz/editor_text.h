#pragma once
// What the editor must hold after taking in the bytes of a source file: the bytes up to the first
// zero byte, each CR LF, CR or LF one line break ("\n" in the editor's text).

#include <string>
#include <string_view>

namespace tarvok::fuzzing {

inline std::string as_editor_text(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            text += '\n';
            i += i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 1 : 0;
        } else {
            text += bytes[i];
        }
    }
    return text;
}

}  // namespace tarvok::fuzzing
