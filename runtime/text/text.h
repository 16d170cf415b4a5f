#pragma once
// Text and number primitives. Texts are Latin-1 byte strings; positions are 1-based and a search
// result of 0 means "not found". No primitive fails: out-of-range positions and counts give fixed,
// harmless results. Numbers are signed 32-bit values whose arithmetic wraps modulo 2^32.
// Every primitive runs in time linear in the length of its texts, so a 1,000,000-byte editor text
// can pass through them cheaply.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvok {

// Number of bytes in s.
int32_t text_length(std::string_view s);

// Same length and same bytes; case-sensitive.
bool text_equal(std::string_view a, std::string_view b);

// The first n bytes of s; n <= 0 gives "", n >= length gives s.
std::string left_text(std::string_view s, int32_t n);

// The last n bytes of s; n <= 0 gives "", n >= length gives s.
std::string right_text(std::string_view s, int32_t n);

// Up to len bytes of s from position start (start <= 1 counts as 1); start beyond the last byte
// or len <= 0 gives "".
std::string mid_text(std::string_view s, int32_t start, int32_t len);

// left_text and mid_text as views into s, for callers that keep s alive while they read the cut.
inline std::string_view left_view(std::string_view s, int32_t n) {
    if (n <= 0) return {};
    return s.substr(0, static_cast<std::size_t>(n));
}
inline std::string_view mid_view(std::string_view s, int32_t start, int32_t len) {
    if (len <= 0) return {};
    const std::size_t offset = start <= 1 ? 0 : static_cast<std::size_t>(start) - 1;
    if (offset >= s.size()) return {};
    return s.substr(offset, static_cast<std::size_t>(len));
}

// Position of the first occurrence of pattern that begins at or after start (start <= 0 counts
// as 1); 0 when there is none. An empty pattern is found at start, as long as start is at most
// length + 1.
int32_t find_text(std::string_view s, std::string_view pattern, int32_t start = 1);

// Number of non-overlapping occurrences of pattern, counted left to right; 0 for an empty pattern.
int32_t count_text(std::string_view s, std::string_view pattern);

// s without the blanks in front of it and after it.
inline std::string_view without_blanks_around(std::string_view s) {
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin < end && s[begin] == ' ') {
        ++begin;
    }
    while (end > begin && s[end - 1] == ' ') {
        --end;
    }
    return s.substr(begin, end - begin);
}

// find_text(s, c) != 0 for one byte, as a plain loop: for the short fields of a source line that
// costs less than a library call.
inline bool holds_byte(std::string_view s, char c) {
    for (const char b : s) {
        if (b == c) return true;
    }
    return false;
}

// The byte values of a text, gathered in one pass. A pattern holding a byte that the text lacks
// cannot occur in it, nor in any text cut or removed from it: code that searches one short text
// and its cuts many times asks here first and looks at the text only when the pattern may be there.
class ByteSet {
public:
    explicit ByteSet(std::string_view s) {
        for (const char c : s) {
            const auto b = static_cast<unsigned char>(c);
            bits_[b >> 6] |= uint64_t{1} << (b & 63);
        }
    }
    bool has(char c) const {
        const auto b = static_cast<unsigned char>(c);
        return ((bits_[b >> 6] >> (b & 63)) & 1) != 0;
    }
    // False when some byte of pattern is not in the set.
    bool may_hold(std::string_view pattern) const {
        for (const char c : pattern) {
            if (!has(c)) return false;
        }
        return true;
    }
    // True when some byte of bytes is in the set.
    bool may_hold_any(std::string_view bytes) const {
        for (const char c : bytes) {
            if (has(c)) return true;
        }
        return false;
    }
    // find_text(s, pattern) for a text s whose bytes are all in the set.
    int32_t find(std::string_view s, std::string_view pattern) const {
        return may_hold(pattern) ? find_text(s, pattern) : 0;
    }

private:
    uint64_t bits_[4] = {0, 0, 0, 0};
};

// Removal mode of remove_text.
enum class CaseMode : int32_t { Exact = 0, IgnoreAsciiCase = 1 };

// s with every non-overlapping occurrence of pattern removed in one left-to-right pass; what comes
// together after a removal is not scanned again. IgnoreAsciiCase treats A-Z and a-z alike.
std::string remove_text(std::string_view s, std::string_view pattern, CaseMode mode = CaseMode::Exact);

// s with every non-overlapping occurrence of pattern replaced, one left-to-right pass, exact
// comparison. An empty pattern returns s unchanged.
std::string replace_text(std::string_view s, std::string_view pattern, std::string_view replacement);

// The index-th field of s (index < 1 counts as 1), fields being separated by the first byte of
// separator. "" when s is "" or ends before that field; s itself when separator is "".
std::string field_text(std::string_view s, int32_t index, std::string_view separator);

// Exactly n bytes: s right-aligned behind copies of fill's first byte (a blank when fill is "");
// a text longer than n keeps its first n bytes; n <= 0 gives "".
std::string text_pad_left(std::string_view s, int32_t n, std::string_view fill = " ");

// Lowers 0x41-0x5A and 0xC0-0xDE by adding 0x20; every other byte stays.
std::string lower_text(std::string_view s);
// lower_text on s itself.
void lower_text_in_place(std::string& s);
// lower_text from the n bytes at from into the n bytes at to, in one pass; to may be from itself.
void lower_bytes(char* to, const char* from, std::size_t n);

// Raises 0x61-0x7A and 0xE0-0xFF by subtracting 0x20; every other byte stays.
std::string upper_text(std::string_view s);

// Code 0-255 of the first byte of s; 0 for "".
int32_t char_code(std::string_view s);

// The one-byte text of the low 8 bits of c; "" when those bits are 0 (a text never holds NUL).
std::string char_text(int32_t c);

// Value of the decimal number at the start of s: leading blanks (0x20 only) are skipped, one
// optional sign is read, then the run of digits; the digits wrap in unsigned 32-bit arithmetic
// before the sign is applied. No digits give 0.
int32_t parse_decimal(std::string_view s);

// v as signed decimal text.
std::string format_decimal(int32_t v);

// v as upper-case hexadecimal without prefix or leading zeros; negative values show their
// eight-digit two's complement.
std::string format_hex(int32_t v);

}  // namespace tarvok
