#include "tests/contract/contract_fixture.h"

namespace tarvok::contract {

std::vector<std::string> editor_lines() {
    std::vector<std::string> lines;
    const int32_t count = count_items(MainEditorId);
    for (int32_t i = 0; i < count; ++i) lines.push_back(get_item_text(MainEditorId, i));
    return lines;
}

int32_t next_posted_event() {
    for (int tries = 0; tries < 1000; ++tries) {
        const int32_t kind = wait_event();
        if (kind != EventWindowMoved && kind != EventWindowResized && kind != EventWindowActivated) {
            return kind;
        }
    }
    return EventNone;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

}  // namespace tarvok::contract
