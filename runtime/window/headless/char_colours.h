#pragma once
// The colour of every character of the in-memory editor's text. A text in one colour (as it is
// after being set, or painted as a whole) is kept as that one colour; the first change that gives
// its characters different colours spells the colours out, one per character.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarvok::headless {

class CharColours {
public:
    // size characters, all in colour.
    void reset(std::size_t size, int32_t colour);
    int32_t at(std::size_t position) const { return one_colour_ ? colour_ : each_[position]; }
    // Characters start..end-1 take colour.
    void fill(std::size_t start, std::size_t end, int32_t colour);
    // The colours of count characters from start.
    std::vector<int32_t> slice(std::size_t start, std::size_t count) const;
    // count characters from start are replaced by characters in the given colours.
    void replace(std::size_t start, std::size_t count, const std::vector<int32_t>& colours);

private:
    void spell_out();

    std::size_t size_ = 0;
    bool one_colour_ = true;   // every character has colour_; each_ is empty
    int32_t colour_ = 0;
    std::vector<int32_t> each_;
};

}  // namespace tarvok::headless
