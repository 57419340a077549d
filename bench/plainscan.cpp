#include "plainscan.h"

#include <bit>
#include <cstring>
#include <string.h> // memmem

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define PLAINSCAN_X86 1
#endif

namespace plainscan {
namespace {

struct Places {
    qsizetype first = 0;  // the rarest byte
    qsizetype second = 0; // the next rarest, at another place when there is one
};

Places rarestPlaces(QByteArrayView pattern, const std::array<qsizetype, 256>& byteCounts) {
    auto countAt = [&](qsizetype i) { return byteCounts[static_cast<unsigned char>(pattern[i])]; };
    Places places;
    for (qsizetype i = 1; i < pattern.size(); ++i) {
        if (countAt(i) < countAt(places.first))
            places.first = i;
    }
    places.second = places.first == 0 && pattern.size() > 1 ? 1 : 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (i != places.first && countAt(i) < countAt(places.second))
            places.second = i;
    }
    return places;
}

bool matchesAt(const char* text, qsizetype start, QByteArrayView pattern) {
    return std::memcmp(text + start, pattern.data(), std::size_t(pattern.size())) == 0;
}

// From start to lastStart one place at a time.
qsizetype countRest(const char* text, qsizetype start, qsizetype lastStart, QByteArrayView pattern,
                    Places places) {
    qsizetype found = 0;
    for (; start <= lastStart; ++start) {
        if (text[start + places.first] == pattern[places.first] &&
            text[start + places.second] == pattern[places.second] &&
            matchesAt(text, start, pattern))
            ++found;
    }
    return found;
}

template <typename Mask>
qsizetype countIn(Mask mask, const char* text, qsizetype start, QByteArrayView pattern) {
    qsizetype found = 0;
    for (; mask != 0; mask &= mask - 1)
        found += matchesAt(text, start + std::countr_zero(mask), pattern) ? 1 : 0;
    return found;
}

#if PLAINSCAN_X86
qsizetype countSse2(const char* text, qsizetype start, qsizetype lastStart, QByteArrayView pattern,
                    Places places) {
    const __m128i first = _mm_set1_epi8(pattern[places.first]);
    const __m128i second = _mm_set1_epi8(pattern[places.second]);
    qsizetype found = 0;
    for (; start + 15 <= lastStart; start += 16) {
        const auto* a = reinterpret_cast<const __m128i*>(text + start + places.first);
        const auto* b = reinterpret_cast<const __m128i*>(text + start + places.second);
        const __m128i both = _mm_and_si128(_mm_cmpeq_epi8(_mm_loadu_si128(a), first),
                                           _mm_cmpeq_epi8(_mm_loadu_si128(b), second));
        found += countIn(unsigned(_mm_movemask_epi8(both)), text, start, pattern);
    }
    return found + countRest(text, start, lastStart, pattern, places);
}

__attribute__((target("avx2"))) qsizetype countAvx2(const char* text, qsizetype start,
                                                    qsizetype lastStart, QByteArrayView pattern,
                                                    Places places) {
    const __m256i first = _mm256_set1_epi8(pattern[places.first]);
    const __m256i second = _mm256_set1_epi8(pattern[places.second]);
    qsizetype found = 0;
    for (; start + 31 <= lastStart; start += 32) {
        const auto* a = reinterpret_cast<const __m256i*>(text + start + places.first);
        const auto* b = reinterpret_cast<const __m256i*>(text + start + places.second);
        const __m256i both = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_loadu_si256(a), first),
                                              _mm256_cmpeq_epi8(_mm256_loadu_si256(b), second));
        found += countIn(unsigned(_mm256_movemask_epi8(both)), text, start, pattern);
    }
    return found + countRest(text, start, lastStart, pattern, places);
}

__attribute__((target("avx512f,avx512bw"))) qsizetype countAvx512(const char* text, qsizetype start,
                                                                  qsizetype lastStart,
                                                                  QByteArrayView pattern,
                                                                  Places places) {
    const __m512i first = _mm512_set1_epi8(pattern[places.first]);
    const __m512i second = _mm512_set1_epi8(pattern[places.second]);
    qsizetype found = 0;
    for (; start + 63 <= lastStart; start += 64) {
        const __m512i a = _mm512_loadu_si512(text + start + places.first);
        const __m512i b = _mm512_loadu_si512(text + start + places.second);
        const __mmask64 both = _mm512_cmpeq_epi8_mask(a, first) & _mm512_cmpeq_epi8_mask(b, second);
        found += countIn(quint64(both), text, start, pattern);
    }
    return found + countRest(text, start, lastStart, pattern, places);
}
#endif

} // namespace

Unit widestUnit() {
#if PLAINSCAN_X86
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw"))
        return Unit::Avx512;
    if (__builtin_cpu_supports("avx2"))
        return Unit::Avx2;
    return Unit::Sse2;
#else
    return Unit::Bytes;
#endif
}

const char* unitName(Unit unit) {
    switch (unit) {
    case Unit::Avx512:
        return "avx512";
    case Unit::Avx2:
        return "avx2";
    case Unit::Sse2:
        return "sse2";
    case Unit::Bytes:
        break;
    }
    return "bytes";
}

qsizetype count(Unit unit, const char* text, qsizetype from, qsizetype end, QByteArrayView pattern,
                const std::array<qsizetype, 256>& byteCounts) {
    if (pattern.isEmpty() || end - from < pattern.size())
        return 0;
    const Places places = rarestPlaces(pattern, byteCounts);
    const qsizetype lastStart = end - pattern.size();
#if PLAINSCAN_X86
    switch (unit) {
    case Unit::Avx512:
        return countAvx512(text, from, lastStart, pattern, places);
    case Unit::Avx2:
        return countAvx2(text, from, lastStart, pattern, places);
    case Unit::Sse2:
        return countSse2(text, from, lastStart, pattern, places);
    case Unit::Bytes:
        break;
    }
#else
    (void)unit;
#endif
    return countRest(text, from, lastStart, pattern, places);
}

qsizetype countMemmem(const char* text, qsizetype from, qsizetype end, QByteArrayView pattern) {
    if (pattern.isEmpty())
        return 0;
    qsizetype found = 0;
    const char* at = text + from;
    const char* const stop = text + end;
    while (const void* hit =
               memmem(at, std::size_t(stop - at), pattern.data(), std::size_t(pattern.size()))) {
        ++found;
        at = static_cast<const char*>(hit) + 1;
    }
    return found;
}

} // namespace plainscan
