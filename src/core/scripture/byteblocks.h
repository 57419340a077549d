#pragma once

#include <QtGlobal>

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <immintrin.h>
#define BYTEBLOCKS_X86 1
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

// What the load does to a block of the text's bytes, for each vector unit: finds its line feeds;
// upper-cases its letters a to z in place, telling which bytes changed and which are 0x80 and
// above (left to the caller). Taken a away, the bytes below a and those from 0x80 up lie beyond
// z - a, unsigned. Each unit's functions are compiled for its instructions; a function that takes
// them inline must be compiled for them too (and flattened).
namespace byteblocks {

#if defined(__SSE2__)
struct Sse2 {
    using Mask = quint16;
    static Mask lineFeeds(const char* at) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        return Mask(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8('\n'))));
    }
    static Mask upperCase(char* at, Mask& high) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const __m128i fromA = _mm_sub_epi8(block, _mm_set1_epi8('a'));
        const __m128i lower = _mm_cmpeq_epi8(_mm_min_epu8(fromA, _mm_set1_epi8('z' - 'a')), fromA);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(at),
                         _mm_sub_epi8(block, _mm_and_si128(lower, _mm_set1_epi8(0x20))));
        high = Mask(_mm_movemask_epi8(block));
        return Mask(_mm_movemask_epi8(lower));
    }
};
#endif

#if BYTEBLOCKS_X86
struct Avx2 {
    using Mask = quint32;
    [[gnu::target("avx2")]] static Mask lineFeeds(const char* at) {
        const __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
        return Mask(_mm256_movemask_epi8(_mm256_cmpeq_epi8(block, _mm256_set1_epi8('\n'))));
    }
    [[gnu::target("avx2")]] static Mask upperCase(char* at, Mask& high) {
        const __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
        const __m256i fromA = _mm256_sub_epi8(block, _mm256_set1_epi8('a'));
        const __m256i lower =
            _mm256_cmpeq_epi8(_mm256_min_epu8(fromA, _mm256_set1_epi8('z' - 'a')), fromA);
        _mm256_storeu_si256(
            reinterpret_cast<__m256i*>(at),
            _mm256_sub_epi8(block, _mm256_and_si256(lower, _mm256_set1_epi8(0x20))));
        high = Mask(_mm256_movemask_epi8(block));
        return Mask(_mm256_movemask_epi8(lower));
    }
};

struct Avx512 {
    using Mask = quint64;
    [[gnu::target("avx512f,avx512bw")]] static Mask lineFeeds(const char* at) {
        return _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(at), _mm512_set1_epi8('\n'));
    }
    [[gnu::target("avx512f,avx512bw")]] static Mask upperCase(char* at, Mask& high) {
        const __m512i block = _mm512_loadu_si512(at);
        const __mmask64 lower = _mm512_cmple_epu8_mask(
            _mm512_sub_epi8(block, _mm512_set1_epi8('a')), _mm512_set1_epi8('z' - 'a'));
        _mm512_storeu_si512(at, _mm512_mask_sub_epi8(block, lower, block, _mm512_set1_epi8(0x20)));
        high = _mm512_movepi8_mask(block);
        return lower;
    }
};
#endif

} // namespace byteblocks
