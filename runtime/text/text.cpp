// Text and number primitives over Latin-1 byte strings.
//
// Searching goes through memchr for one-byte patterns and for texts of at most a source line's
// usual length; a longer text is scanned for a pattern of up to sixteen bytes by its first and last
// byte (SSE2), and searched through memmem otherwise, which stays linear in the length of the text
// even for long or repetitive patterns; every pass over a text copies each byte at most
// once. Together this keeps all primitives linear, so the editor's whole text (up to 1,000,000
// bytes) goes through them without delay, and the assembler's many searches in short fields cost
// little more than the bytes they look at.

#include "runtime/text/text.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string.h>  // memmem

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tarvok {

namespace {

constexpr std::size_t not_found = static_cast<std::size_t>(-1);

int32_t to_position(std::size_t value) { return static_cast<int32_t>(value); }

// Texts up to TinyText bytes (a source field) are searched byte by byte, which costs less than
// calling memchr; texts up to ShortText bytes (a source line) by memchr for the pattern's first
// byte and a compare of the rest there, which costs less than setting up memmem. The work stays
// bounded by ShortText times the pattern's length.
constexpr std::size_t TinyText = 16;
constexpr std::size_t ShortText = 64;

#if defined(__SSE2__)
// Patterns up to this many bytes are searched in a long text by their first and last byte, sixteen
// places at a time, and the bytes between compared where both match: the work per place stays
// bounded by the pattern's length, and most texts have far fewer such places than bytes.
constexpr std::size_t EndsPattern = 16;

// find_from for a pattern of 2..EndsPattern bytes that fits into s from offset from.
std::size_t find_by_ends(std::string_view s, std::string_view pattern, std::size_t from) {
    const char* const base = s.data();
    const std::size_t m = pattern.size();
    const std::size_t last_start = s.size() - m;
    const __m128i first = _mm_set1_epi8(pattern.front());
    const __m128i last = _mm_set1_epi8(pattern.back());
    std::size_t at = from;
    // Sixteen starts at a time while the last byte of the sixteenth start is in s.
    for (; at + 15 <= last_start; at += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + at));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + at + m - 1));
        auto both = static_cast<uint32_t>(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
        for (; both != 0; both &= both - 1) {
            const std::size_t hit = at + static_cast<std::size_t>(__builtin_ctz(both));
            if (std::memcmp(base + hit + 1, pattern.data() + 1, m - 2) == 0) return hit;
        }
    }
    for (; at <= last_start; ++at) {
        if (base[at] == pattern.front() && std::memcmp(base + at, pattern.data(), m) == 0) return at;
    }
    return not_found;
}
#endif

// Offset of the first occurrence of pattern in s at or after offset from; not_found when none.
// The pattern must not be empty.
std::size_t find_from(std::string_view s, std::string_view pattern, std::size_t from) {
    if (from > s.size() || pattern.size() > s.size() - from) return not_found;
    const char* const base = s.data();
    const std::size_t rest = s.size() - from;
    if (rest <= TinyText) {
        const char first = pattern.front();
        const std::size_t last = s.size() - pattern.size();
        for (std::size_t at = from; at <= last; ++at) {
            if (base[at] != first) continue;
            std::size_t k = 1;
            while (k < pattern.size() && base[at + k] == pattern[k]) ++k;
            if (k == pattern.size()) return at;
        }
        return not_found;
    }
    if (pattern.size() == 1) {
        const void* hit = std::memchr(base + from, pattern.front(), rest);
        return hit == nullptr ? not_found : static_cast<std::size_t>(static_cast<const char*>(hit) - base);
    }
    if (rest <= ShortText) {
        const char first = pattern.front();
        const std::size_t tail = pattern.size() - 1;
        const char* at = base + from;
        const char* const last = base + (s.size() - pattern.size());
        while (at <= last) {
            at = static_cast<const char*>(std::memchr(at, first, static_cast<std::size_t>(last - at) + 1));
            if (at == nullptr) return not_found;
            if (std::memcmp(at + 1, pattern.data() + 1, tail) == 0) return static_cast<std::size_t>(at - base);
            ++at;
        }
        return not_found;
    }
#if defined(__SSE2__)
    if (pattern.size() <= EndsPattern) return find_by_ends(s, pattern, from);
#endif
    const void* hit = ::memmem(base + from, rest, pattern.data(), pattern.size());
    if (hit == nullptr) return not_found;
    return static_cast<std::size_t>(static_cast<const char*>(hit) - base);
}

char fold_ascii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 0x20) : c; }

std::string fold_ascii_text(std::string_view s) {
    std::string folded(s);
    for (char& c : folded) c = fold_ascii(c);
    return folded;
}

// One left-to-right pass: every non-overlapping match of pattern (searched in `search`, which has
// the same length as `source`) is replaced by replacement, everything else is copied from source.
std::string replace_pass(std::string_view source, std::string_view search, std::string_view pattern,
                         std::string_view replacement) {
    std::size_t hit = find_from(search, pattern, 0);
    if (hit == not_found) return std::string(source);
    std::string result;
    result.reserve(source.size());
    std::size_t copied = 0;
    for (; hit != not_found; hit = find_from(search, pattern, copied)) {
        result.append(source.substr(copied, hit - copied));
        result.append(replacement);
        copied = hit + pattern.size();
    }
    result.append(source.substr(copied));
    return result;
}

}  // namespace

int32_t text_length(std::string_view s) { return to_position(s.size()); }

bool text_equal(std::string_view a, std::string_view b) { return a == b; }

std::string left_text(std::string_view s, int32_t n) { return std::string(left_view(s, n)); }

std::string right_text(std::string_view s, int32_t n) {
    if (n <= 0) return {};
    const std::size_t count = std::min(s.size(), static_cast<std::size_t>(n));
    return std::string(s.substr(s.size() - count));
}

std::string mid_text(std::string_view s, int32_t start, int32_t len) {
    return std::string(mid_view(s, start, len));
}

int32_t find_text(std::string_view s, std::string_view pattern, int32_t start) {
    if (start <= 0) start = 1;
    const std::size_t from = static_cast<std::size_t>(start) - 1;
    // start = length + 1 is allowed and searches the empty rest of s.
    if (from > s.size()) return 0;
    if (pattern.empty()) return start;
    const std::size_t hit = find_from(s, pattern, from);
    return hit == not_found ? 0 : to_position(hit + 1);
}

int32_t count_text(std::string_view s, std::string_view pattern) {
    if (pattern.empty()) return 0;
    int32_t count = 0;
    for (std::size_t hit = find_from(s, pattern, 0); hit != not_found;
         hit = find_from(s, pattern, hit + pattern.size())) {
        ++count;
    }
    return count;
}

std::string remove_text(std::string_view s, std::string_view pattern, CaseMode mode) {
    if (pattern.empty()) return std::string(s);
    if (pattern.size() == 1 && mode == CaseMode::Exact) {
        const char removed = pattern.front();
        // The removed bytes in front and at the end go first (a field cut before a comment often
        // ends in blanks); a text with none between them is the rest as it is.
        std::size_t lead = 0;
        while (lead < s.size() && s[lead] == removed) ++lead;
        s.remove_prefix(lead);
        while (!s.empty() && s.back() == removed) s.remove_suffix(1);
        if (s.find(removed) == std::string_view::npos) return std::string(s);
        // Every byte is written and the next kept one overwrites a removed one; a source field
        // is gathered on the stack, a longer text in the result itself.
        const auto gather = [&](char* out) {
            std::size_t n = 0;
            for (const char c : s) {
                out[n] = c;
                n += c != removed ? 1 : 0;
            }
            return n;
        };
        if (s.size() <= 64) {
            char kept[64];
            return std::string(kept, gather(kept));
        }
        std::string result(s.size(), '\0');
        result.resize(gather(result.data()));
        return result;
    }
    if (mode == CaseMode::IgnoreAsciiCase) {
        // Search in folded copies, copy from the original: only the matches change.
        const std::string folded_s = fold_ascii_text(s);
        const std::string folded_pattern = fold_ascii_text(pattern);
        return replace_pass(s, folded_s, folded_pattern, {});
    }
    return replace_pass(s, s, pattern, {});
}

std::string replace_text(std::string_view s, std::string_view pattern, std::string_view replacement) {
    if (pattern.empty()) return std::string(s);
    return replace_pass(s, s, pattern, replacement);
}

std::string field_text(std::string_view s, int32_t index, std::string_view separator) {
    if (s.empty()) return {};
    if (separator.empty()) return std::string(s);
    if (index < 1) index = 1;
    const char sep = separator.front();
    std::size_t field_start = 0;
    for (int32_t field = 1;; ++field) {
        const std::size_t next = s.find(sep, field_start);
        // The end of s closes the last field; past it, no further field closes.
        if (next == std::string_view::npos) {
            return field == index ? std::string(s.substr(field_start)) : std::string();
        }
        if (field == index) return std::string(s.substr(field_start, next - field_start));
        field_start = next + 1;
    }
}

std::string text_pad_left(std::string_view s, int32_t n, std::string_view fill) {
    if (n <= 0) return {};
    const char pad = fill.empty() ? ' ' : fill.front();
    // A NUL byte ends a text, so padding with it leaves nothing in front of the NUL.
    const std::size_t width = static_cast<std::size_t>(n);
    const std::size_t kept = std::min(width, s.size());
    if (pad == '\0' && kept < width) return {};
    std::string result(width - kept, pad);
    result.append(s.substr(0, kept));
    return result;
}

void lower_bytes(char* to, const char* from, std::size_t n) {
    // Sixteen bytes at a time with SSE2, then eight at a time: in each byte, h is its low seven
    // bits, and adding 0x80 - b to h sets the byte's top bit exactly when h >= b, without a carry
    // into the next byte. A byte is lowered when it is below 0x80 with h in 0x41-0x5A, or from
    // 0x80 on with h in 0x40-0x5E (bytes 0xC0-0xDE); bit 0x20 is clear in all of them, so setting
    // it adds 0x20.
    constexpr uint64_t Ones = 0x0101010101010101u;
    constexpr uint64_t Top = 0x80 * Ones;
    std::size_t i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time: a byte is in a range of k values from b on when b's distance to it,
    // moved down by 0x80, is below k - 0x80 as a signed byte.
    const __m128i to_41 = _mm_set1_epi8(static_cast<char>(0x80 - 0x41));
    const __m128i to_c0 = _mm_set1_epi8(static_cast<char>(0x80 - 0xC0));
    const __m128i below_1a = _mm_set1_epi8(static_cast<char>(0x80 + 0x1A));
    const __m128i below_1f = _mm_set1_epi8(static_cast<char>(0x80 + 0x1F));
    const __m128i bit_20 = _mm_set1_epi8(0x20);
    for (; i + 16 <= n; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        const __m128i ascii = _mm_cmplt_epi8(_mm_add_epi8(x, to_41), below_1a);
        const __m128i high = _mm_cmplt_epi8(_mm_add_epi8(x, to_c0), below_1f);
        const __m128i lowered = _mm_or_si128(x, _mm_and_si128(_mm_or_si128(ascii, high), bit_20));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), lowered);
    }
#endif
    for (; i + 8 <= n; i += 8) {
        uint64_t x;
        std::memcpy(&x, from + i, 8);
        const uint64_t h = x & ~Top;
        const uint64_t from_41 = h + (0x80 - 0x41) * Ones;
        const uint64_t from_5b = h + (0x80 - 0x5B) * Ones;
        const uint64_t from_40 = h + (0x80 - 0x40) * Ones;
        const uint64_t from_5f = h + (0x80 - 0x5F) * Ones;
        const uint64_t ascii = ~x & from_41 & ~from_5b;
        const uint64_t high = x & from_40 & ~from_5f;
        x |= ((ascii | high) & Top) >> 2;
        std::memcpy(to + i, &x, 8);
    }
    for (; i < n; ++i) {
        const auto b = static_cast<unsigned char>(from[i]);
        const bool lowered = (b >= 0x41 && b <= 0x5A) || (b >= 0xC0 && b <= 0xDE);
        to[i] = static_cast<char>(lowered ? b + 0x20 : b);
    }
}

void lower_text_in_place(std::string& s) { lower_bytes(s.data(), s.data(), s.size()); }

std::string lower_text(std::string_view s) {
    std::string result(s);
    lower_text_in_place(result);
    return result;
}

std::string upper_text(std::string_view s) {
    std::string result(s);
    for (char& c : result) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 0x61 && b <= 0x7A) || b >= 0xE0) c = static_cast<char>(b - 0x20);
    }
    return result;
}

int32_t char_code(std::string_view s) {
    return s.empty() ? 0 : static_cast<int32_t>(static_cast<unsigned char>(s.front()));
}

std::string char_text(int32_t c) {
    const auto code = static_cast<unsigned char>(static_cast<uint32_t>(c) & 0xFFu);
    if (code == 0) return {};
    return std::string(1, static_cast<char>(code));
}

int32_t parse_decimal(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    uint32_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = value * 10u + static_cast<uint32_t>(s[i] - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

std::string format_decimal(int32_t v) { return std::to_string(v); }

std::string format_hex(int32_t v) {
    static constexpr char digits[] = "0123456789ABCDEF";
    uint32_t value = static_cast<uint32_t>(v);
    char buffer[8];
    std::size_t used = 0;
    do {
        buffer[sizeof buffer - 1 - used] = digits[value & 0xFu];
        ++used;
        value >>= 4;
    } while (value != 0);
    return std::string(buffer + sizeof buffer - used, used);
}

}  // namespace tarvok
