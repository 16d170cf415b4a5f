#include "runtime/window/headless/line_breaks.h"

namespace tarvok::headless {

std::string normalise_line_breaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out.push_back('\n');
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;  // CR LF is one break
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::string with_crlf_breaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

}  // namespace tarvok::headless
