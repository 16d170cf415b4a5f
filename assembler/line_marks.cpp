#include "assembler/line_marks.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define TARVOK_MARKS_AVX2 1
#endif

namespace tarvok {

namespace {

ChunkMarks bytewise_chunk(const char* p) {
    ChunkMarks marks;
    for (std::size_t at = 0; at < MarkChunk; ++at) {
        const char c = p[at];
        const char next = p[at + 1];
        const uint64_t bit = uint64_t{1} << at;
        marks.breaks |= c == '\n' ? bit : 0;
        marks.semicolons |= c == ';' ? bit : 0;
        marks.blanks |= c == ' ' || c == '\t' ? bit : 0;
        marks.pairs |= (c == 't' && next == 'e') || (c == 'w' && next == 'o') ? bit : 0;
        marks.rare |= c == '=' || c == '\t' || c == '"' ? bit : 0;
        marks.commas += c == ',' ? 1 : 0;
    }
    return marks;
}

void bytewise_marks(const char* p, std::size_t count, ChunkMarks* marks) {
    for (std::size_t k = 0; k < count; ++k) {
        marks[k] = bytewise_chunk(p + k * MarkChunk);
    }
}

#if defined(__SSE2__)

// Sixteen bytes at a time.
ChunkMarks sse2_chunk(const char* p) {
    ChunkMarks marks;
    const auto same = [](__m128i v, char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); };
    const auto bits = [](__m128i v, int part) {
        return static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(v))) << (16 * part);
    };
    // A comma byte is -1 in its lane: four parts give at most -4 a lane, then one sum of them all.
    __m128i commas = _mm_setzero_si128();
    for (int part = 0; part < 4; ++part) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * part));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * part + 1));
        marks.breaks |= bits(same(v, '\n'), part);
        marks.semicolons |= bits(same(v, ';'), part);
        const __m128i tabs = same(v, '\t');
        marks.blanks |= bits(_mm_or_si128(same(v, ' '), tabs), part);
        marks.pairs |= bits(_mm_or_si128(_mm_and_si128(same(v, 't'), same(next, 'e')),
                                         _mm_and_si128(same(v, 'w'), same(next, 'o'))),
                            part);
        marks.rare |= bits(_mm_or_si128(_mm_or_si128(same(v, '='), tabs), same(v, '"')), part);
        commas = _mm_add_epi8(commas, same(v, ','));
    }
    const __m128i zero = _mm_setzero_si128();
    const __m128i sums = _mm_sad_epu8(_mm_sub_epi8(zero, commas), zero);
    marks.commas = static_cast<uint32_t>(_mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums)));
    return marks;
}

void sse2_marks(const char* p, std::size_t count, ChunkMarks* marks) {
    for (std::size_t k = 0; k < count; ++k) {
        marks[k] = sse2_chunk(p + k * MarkChunk);
    }
}

#endif

#if defined(TARVOK_MARKS_AVX2)

// Thirty-two bytes at a time, on a processor that has AVX2 (the program itself is built for any
// x86-64 one). The helpers carry the target too, so that they are compiled for it and inlined.
#define TARVOK_AVX2 __attribute__((target("avx2")))

TARVOK_AVX2 __m256i avx2_same(__m256i v, char c) { return _mm256_cmpeq_epi8(v, _mm256_set1_epi8(c)); }

TARVOK_AVX2 uint64_t avx2_bits(__m256i v, int half) {
    return static_cast<uint64_t>(static_cast<uint32_t>(_mm256_movemask_epi8(v))) << (32 * half);
}

// Inlined into avx2_marks, which sets up the constants once for all its chunks.
TARVOK_AVX2 inline ChunkMarks avx2_chunk(const char* p) {
    ChunkMarks marks;
    // A comma byte is -1 in its lane: two halves give at most -2 a lane, then one sum of them all.
    __m256i commas = _mm256_setzero_si256();
    for (int half = 0; half < 2; ++half) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32 * half));
        const __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32 * half + 1));
        marks.breaks |= avx2_bits(avx2_same(v, '\n'), half);
        marks.semicolons |= avx2_bits(avx2_same(v, ';'), half);
        const __m256i tabs = avx2_same(v, '\t');
        marks.blanks |= avx2_bits(_mm256_or_si256(avx2_same(v, ' '), tabs), half);
        marks.pairs |= avx2_bits(_mm256_or_si256(_mm256_and_si256(avx2_same(v, 't'), avx2_same(next, 'e')),
                                                 _mm256_and_si256(avx2_same(v, 'w'), avx2_same(next, 'o'))),
                                 half);
        marks.rare |= avx2_bits(
            _mm256_or_si256(_mm256_or_si256(avx2_same(v, '='), tabs), avx2_same(v, '"')), half);
        commas = _mm256_add_epi8(commas, avx2_same(v, ','));
    }
    const __m256i zero = _mm256_setzero_si256();
    const __m256i sums = _mm256_sad_epu8(_mm256_sub_epi8(zero, commas), zero);
    const __m128i both = _mm_add_epi64(_mm256_castsi256_si128(sums), _mm256_extracti128_si256(sums, 1));
    marks.commas = static_cast<uint32_t>(_mm_cvtsi128_si32(both) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(both, both)));
    return marks;
}

TARVOK_AVX2 void avx2_marks(const char* p, std::size_t count, ChunkMarks* marks) {
    for (std::size_t k = 0; k < count; ++k) {
        marks[k] = avx2_chunk(p + k * MarkChunk);
    }
}

bool has_avx2() { return __builtin_cpu_supports("avx2") != 0; }

#endif

}  // namespace

ChunkMarker fastest_chunk_marker() {
#if defined(TARVOK_MARKS_AVX2)
    if (has_avx2()) {
        return &avx2_marks;
    }
#endif
#if defined(__SSE2__)
    return &sse2_marks;
#else
    return &bytewise_marks;
#endif
}

std::vector<ChunkMarker> chunk_markers() {
    std::vector<ChunkMarker> markers{&bytewise_marks};
#if defined(__SSE2__)
    markers.push_back(&sse2_marks);
#endif
#if defined(TARVOK_MARKS_AVX2)
    if (has_avx2()) {
        markers.push_back(&avx2_marks);
    }
#endif
    return markers;
}

}  // namespace tarvok
