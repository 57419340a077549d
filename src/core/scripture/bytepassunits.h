#pragma once

// The one place the program's vector instructions are written: what each vector unit does to a
// block of bytes, for the text's passes (bytepasses.cpp) and the search's byte finder. Each
// unit's functions are compiled for its instructions; a function that takes them inline must be
// compiled for them too (and flattened), so they are written here, inline, for both to include.
// Only those two include it.

#include <QtGlobal>

#include <array>

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <immintrin.h>
#define BYTEPASSES_X86 1
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace bytepassunits {

// The byte values a probe of the byte finder accepts at one place: the two cases of a letter, or
// up to four bytes that fold alike; unused places repeat a value.
using Accepted = std::array<char, 4>;

#if defined(__SSE2__)
struct Sse2 {
    using Mask = quint16;
    static __m128i load(const char* at) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    }
    static Mask equal(const char* at, char byte) {
        return Mask(_mm_movemask_epi8(_mm_cmpeq_epi8(load(at), _mm_set1_epi8(byte))));
    }
    static Mask lineFeeds(const char* at) { return equal(at, '\n'); }
    // The bytes of 0x80 and above.
    static Mask high(const char* at) { return Mask(_mm_movemask_epi8(load(at))); }
    static __m128i either(__m128i bytes, char one, char other) {
        return _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(one)),
                            _mm_cmpeq_epi8(bytes, _mm_set1_epi8(other)));
    }
    static Mask both(const char* a, char first, char firstOther, const char* b, char second,
                     char secondOther) {
        return Mask(_mm_movemask_epi8(_mm_and_si128(either(load(a), first, firstOther),
                                                    either(load(b), second, secondOther))));
    }
    static __m128i anyOf(__m128i bytes, const Accepted& accepted) {
        return _mm_or_si128(either(bytes, accepted[0], accepted[1]),
                            either(bytes, accepted[2], accepted[3]));
    }
    static Mask both(const char* a, const Accepted& first, const char* b, const Accepted& second) {
        return Mask(
            _mm_movemask_epi8(_mm_and_si128(anyOf(load(a), first), anyOf(load(b), second))));
    }
    // Widens sixteen bytes below 0x80 to UTF-16.
    static void widen(const char* in, char16_t* out) {
        const __m128i block = load(in);
        const __m128i zero = _mm_setzero_si128();
        auto* to = reinterpret_cast<__m128i*>(out);
        _mm_storeu_si128(to, _mm_unpacklo_epi8(block, zero));
        _mm_storeu_si128(to + 1, _mm_unpackhi_epi8(block, zero));
    }
    // Which of the sixteen bytes are the digits 0 to 9, and which are colons.
    static Mask digits(const char* at) {
        const __m128i fromZero = _mm_sub_epi8(load(at), _mm_set1_epi8('0'));
        return Mask(
            _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(fromZero, _mm_set1_epi8(9)), fromZero)));
    }
    static Mask colons(const char* at) { return equal(at, ':'); }
    // Which of the first sixteen bytes of a and b are the same.
    static Mask same(const char* a, const char* b) {
        return Mask(_mm_movemask_epi8(_mm_cmpeq_epi8(load(a), load(b))));
    }
};
#endif

#if BYTEPASSES_X86
struct Avx2 {
    using Mask = quint32;
    [[gnu::target("avx2")]] static __m256i load(const char* at) {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
    }
    [[gnu::target("avx2")]] static Mask lineFeeds(const char* at) {
        return Mask(_mm256_movemask_epi8(_mm256_cmpeq_epi8(load(at), _mm256_set1_epi8('\n'))));
    }
    [[gnu::target("avx2")]] static __m256i either(__m256i bytes, char one, char other) {
        return _mm256_or_si256(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(one)),
                               _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(other)));
    }
    [[gnu::target("avx2")]] static Mask both(const char* a, char first, char firstOther,
                                             const char* b, char second, char secondOther) {
        return Mask(_mm256_movemask_epi8(_mm256_and_si256(either(load(a), first, firstOther),
                                                          either(load(b), second, secondOther))));
    }
    [[gnu::target("avx2")]] static __m256i anyOf(__m256i bytes, const Accepted& accepted) {
        return _mm256_or_si256(either(bytes, accepted[0], accepted[1]),
                               either(bytes, accepted[2], accepted[3]));
    }
    [[gnu::target("avx2")]] static Mask both(const char* a, const Accepted& first, const char* b,
                                             const Accepted& second) {
        return Mask(
            _mm256_movemask_epi8(_mm256_and_si256(anyOf(load(a), first), anyOf(load(b), second))));
    }
};

struct Avx512 {
    using Mask = quint64;
    [[gnu::target("avx512f,avx512bw")]] static Mask lineFeeds(const char* at) {
        return _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(at), _mm512_set1_epi8('\n'));
    }
    [[gnu::target("avx512f,avx512bw")]] static Mask either(__m512i bytes, char one, char other) {
        return Mask(_mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(one)) |
                    _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(other)));
    }
    [[gnu::target("avx512f,avx512bw")]] static Mask
    both(const char* a, char first, char firstOther, const char* b, char second, char secondOther) {
        return either(_mm512_loadu_si512(a), first, firstOther) &
               either(_mm512_loadu_si512(b), second, secondOther);
    }
    [[gnu::target("avx512f,avx512bw")]] static Mask anyOf(const char* at,
                                                          const Accepted& accepted) {
        const __m512i bytes = _mm512_loadu_si512(at);
        return either(bytes, accepted[0], accepted[1]) | either(bytes, accepted[2], accepted[3]);
    }
    [[gnu::target("avx512f,avx512bw")]] static Mask both(const char* a, const Accepted& first,
                                                         const char* b, const Accepted& second) {
        return anyOf(a, first) & anyOf(b, second);
    }
};
#endif

} // namespace bytepassunits
