#include "runtime/window/headless/line_breaks.h"

#include <cstring>

namespace tarvok::headless {

std::string normalise_line_breaks(std::string_view text) {
    // The text between carriage returns is copied in one piece.
    std::size_t cr = text.find('\r');
    if (cr == std::string_view::npos) return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t copied = 0;
    while (cr != std::string_view::npos) {
        out.append(text.substr(copied, cr - copied));
        out.push_back('\n');
        copied = cr + 1;
        if (copied < text.size() && text[copied] == '\n') ++copied;  // CR LF is one break
        cr = text.find('\r', copied);
    }
    out.append(text.substr(copied));
    return out;
}

void normalise_line_breaks_in_place(std::string& text) {
    std::size_t cr = text.find('\r');
    if (cr == std::string::npos) return;
    // The text between carriage returns moves down in one piece over the bytes dropped so far.
    char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t kept = cr;  // bytes of the result so far
    while (cr != std::string::npos) {
        data[kept++] = '\n';
        std::size_t next = cr + 1;
        if (next < size && data[next] == '\n') ++next;  // CR LF is one break
        cr = text.find('\r', next);
        const std::size_t end = cr == std::string::npos ? size : cr;
        std::memmove(data + kept, data + next, end - next);
        kept += end - next;
    }
    text.resize(kept);
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
