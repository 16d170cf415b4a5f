#include "runtime/window/headless/char_colours.h"

#include <algorithm>

namespace tarvok::headless {

void CharColours::reset(std::size_t size, int32_t colour) {
    size_ = size;
    one_colour_ = true;
    colour_ = colour;
    std::vector<int32_t>().swap(each_);
}

void CharColours::spell_out() {
    if (!one_colour_) return;
    each_.assign(size_, colour_);
    one_colour_ = false;
}

void CharColours::fill(std::size_t start, std::size_t end, int32_t colour) {
    if (start >= end) return;
    if (start == 0 && end >= size_) {
        reset(size_, colour);
        return;
    }
    if (one_colour_ && colour == colour_) return;
    spell_out();
    std::fill(each_.begin() + static_cast<std::ptrdiff_t>(start), each_.begin() + static_cast<std::ptrdiff_t>(end),
              colour);
}

std::vector<int32_t> CharColours::slice(std::size_t start, std::size_t count) const {
    if (one_colour_) return std::vector<int32_t>(count, colour_);
    const auto from = each_.begin() + static_cast<std::ptrdiff_t>(start);
    return std::vector<int32_t>(from, from + static_cast<std::ptrdiff_t>(count));
}

void CharColours::replace(std::size_t start, std::size_t count, const std::vector<int32_t>& colours) {
    const bool same = std::all_of(colours.begin(), colours.end(), [this](int32_t c) { return c == colour_; });
    if (!(one_colour_ && same)) {
        spell_out();
        const auto at = each_.begin() + static_cast<std::ptrdiff_t>(start);
        each_.erase(at, at + static_cast<std::ptrdiff_t>(count));
        each_.insert(each_.begin() + static_cast<std::ptrdiff_t>(start), colours.begin(), colours.end());
    }
    size_ = size_ - count + colours.size();
}

}  // namespace tarvok::headless
