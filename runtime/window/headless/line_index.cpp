#include "runtime/window/headless/line_index.h"

#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tarvok::headless {

void LineIndex::text_changed_from(int32_t position) {
    // A start s is still right when the break before it (at s - 1) lies before the change.
    const auto keep_end = std::upper_bound(starts_.begin(), starts_.end(), position);
    starts_.erase(keep_end, starts_.end());
    if (starts_.empty()) starts_.push_back(0);
    scanned_ = std::min(scanned_, std::max(position, 0));
}

void LineIndex::text_replaced_within_line(int32_t position, int32_t count, int32_t inserted) {
    // No start lies inside the replaced characters, so every start after position moves.
    const int32_t delta = inserted - count;
    for (auto start = std::upper_bound(starts_.begin(), starts_.end(), position);
         start != starts_.end(); ++start) {
        *start += delta;
    }
    if (scanned_ >= position + count) {
        scanned_ += delta;
    } else if (scanned_ > position) {
        scanned_ = position;  // the scan stopped inside them; nothing after them is known yet
    }
}

void LineIndex::reset() {
    starts_.assign(1, 0);
    scanned_ = 0;
}

void LineIndex::complete(const std::string& text) const {
    const auto size = static_cast<int32_t>(text.size());
    if (scanned_ >= size) {
        scanned_ = size;
        return;
    }
    // A line starts after every line break; sixteen bytes at a time where SSE2 is there.
    auto at = static_cast<std::size_t>(scanned_);
#if defined(__SSE2__)
    const __m128i breaks = _mm_set1_epi8('\n');
    for (; at + 16 <= text.size(); at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
        for (auto found = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, breaks))); found != 0;
             found &= found - 1) {
            starts_.push_back(static_cast<int32_t>(at) + __builtin_ctz(found) + 1);
        }
    }
#endif
    for (; at < text.size(); ++at) {
        if (text[at] == '\n') starts_.push_back(static_cast<int32_t>(at) + 1);
    }
    scanned_ = size;
}

int32_t LineIndex::line_count(const std::string& text) const {
    complete(text);
    return static_cast<int32_t>(starts_.size());
}

int32_t LineIndex::line_start(const std::string& text, int32_t line) const {
    if (line <= 0) return 0;
    complete(text);
    if (line >= static_cast<int32_t>(starts_.size())) return static_cast<int32_t>(text.size());
    return starts_[static_cast<std::size_t>(line)];
}

int32_t LineIndex::line_length(const std::string& text, int32_t line) const {
    complete(text);
    const auto count = static_cast<int32_t>(starts_.size());
    if (line < 0 || line >= count) return 0;
    const int32_t start = starts_[static_cast<std::size_t>(line)];
    const int32_t end = line + 1 < count ? starts_[static_cast<std::size_t>(line) + 1] - 1
                                         : static_cast<int32_t>(text.size());
    return end - start;
}

int32_t LineIndex::line_of(const std::string& text, int32_t position) const {
    complete(text);
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), std::max(position, 0));
    return static_cast<int32_t>(after - starts_.begin()) - 1;
}

}  // namespace tarvok::headless
