#pragma once
// The bytes of the source text that the line reader notes, found 64 at a time: line breaks, ";",
// blanks and tabs, the "te" and "wo" pairs of the data words, "=", double quotes and commas.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarvok {

// The text is read in chunks of this many bytes, one bit per byte in each mark.
inline constexpr std::size_t MarkChunk = 64;

// The marks of one chunk. A pair bit marks the "t" of "te" or the "w" of "wo"; the few "=", tabs
// and double quotes share one mark, told apart by their byte where a line has one.
struct ChunkMarks {
    uint64_t breaks = 0;
    uint64_t semicolons = 0;
    uint64_t blanks = 0;  // blanks and tabs
    uint64_t pairs = 0;
    uint64_t rare = 0;
    uint32_t commas = 0;  // how many commas the chunk holds
};

// A way to find the marks of `count` chunks, the 64 * count bytes at p, into marks[0..count).
// p[64 * count] must be readable too: a pair looks one byte on.
using ChunkMarker = void (*)(const char* p, std::size_t count, ChunkMarks* marks);

// The fastest way this processor has.
ChunkMarker fastest_chunk_marker();

// Every way this processor can run, the plain one byte at a time first: they all give the same
// marks, which the tests check.
std::vector<ChunkMarker> chunk_markers();

}  // namespace tarvok
