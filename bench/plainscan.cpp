#include "plainscan.h"

#include <algorithm>
#include <bit>
#include <limits>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define PLAINSCAN_X86 1
#endif

namespace plainscan {

Probes rarestPlaces(const FoldedPattern& pattern, const std::array<qsizetype, 256>& byteCounts) {
    const auto weight = [&](qsizetype place) {
        if (pattern.acceptedCount(place) > FoldedPattern::kMostAccepted)
            return std::numeric_limits<qsizetype>::max();
        qsizetype sum = 0;
        for (int i = 0; i < pattern.acceptedCount(place); ++i)
            sum += byteCounts[static_cast<unsigned char>(pattern.accepted(place)[std::size_t(i)])];
        return sum;
    };
    Probes probes;
    for (qsizetype i = 1; i < pattern.size(); ++i) {
        if (weight(i) < weight(probes.first))
            probes.first = i;
    }
    probes.second = probes.first == 0 && pattern.size() > 1 ? 1 : 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (i != probes.first && weight(i) < weight(probes.second))
            probes.second = i;
    }
    probes.firstBytes = pattern.accepted(probes.first);
    probes.secondBytes = pattern.accepted(probes.second);
    return probes;
}

namespace {

bool accepts(const FoldedPattern::Accepted& accepted, char byte) {
    return std::find(accepted.begin(), accepted.end(), byte) != accepted.end();
}

// firstOnly: the scan stops at the first place found, and tells 1 (0 when there is none).
template <bool firstOnly>
qsizetype countRest(const char* text, qsizetype start, qsizetype lastStart,
                    const FoldedPattern& pattern, const Probes& probes) {
    qsizetype found = 0;
    for (; start <= lastStart; ++start) {
        if (accepts(probes.firstBytes, text[start + probes.first]) &&
            accepts(probes.secondBytes, text[start + probes.second]) &&
            pattern.matchesAt(text + start)) {
            ++found;
            if (firstOnly)
                break;
        }
    }
    return found;
}

// The mask's places up to lastStart: a last block is tested whole, reading into the text's
// padding, and what lies past the range dropped, as the engine's padded scan does.
template <typename Mask> Mask withinLast(Mask mask, qsizetype start, qsizetype lastStart) {
    const qsizetype places = lastStart - start + 1;
    return places >= std::numeric_limits<Mask>::digits ? mask : mask & ((Mask(1) << places) - 1);
}

template <bool firstOnly, typename Mask>
qsizetype countIn(Mask mask, const char* text, qsizetype start, const FoldedPattern& pattern) {
    qsizetype found = 0;
    for (; mask != 0; mask &= mask - 1) {
        if (pattern.matchesAt(text + start + std::countr_zero(mask))) {
            ++found;
            if (firstOnly)
                break;
        }
    }
    return found;
}

// The places of two blocks side by side, the second starting a mask's width after the first.
template <bool firstOnly, typename Mask>
qsizetype countInBoth(Mask low, Mask high, const char* text, qsizetype start,
                      const FoldedPattern& pattern) {
    const qsizetype found = countIn<firstOnly>(low, text, start, pattern);
    if (firstOnly && found > 0)
        return found;
    return found +
           countIn<firstOnly>(high, text, start + std::numeric_limits<Mask>::digits, pattern);
}

#if PLAINSCAN_X86
__m128i anyOf(__m128i bytes, const FoldedPattern::Accepted& accepted) {
    __m128i any = _mm_setzero_si128();
    for (const char byte : accepted)
        any = _mm_or_si128(any, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(byte)));
    return any;
}

template <bool firstOnly>
qsizetype countSse2(const char* text, qsizetype start, qsizetype lastStart,
                    const FoldedPattern& pattern, const Probes& probes) {
    qsizetype found = 0;
    const auto both = [&](qsizetype at) {
        const auto* a = reinterpret_cast<const __m128i*>(text + at + probes.first);
        const auto* b = reinterpret_cast<const __m128i*>(text + at + probes.second);
        return unsigned(
            _mm_movemask_epi8(_mm_and_si128(anyOf(_mm_loadu_si128(a), probes.firstBytes),
                                            anyOf(_mm_loadu_si128(b), probes.secondBytes))));
    };
    for (; start + 31 <= lastStart; start += 32) { // two blocks a step, as the engine's scan
        const unsigned low = both(start), high = both(start + 16);
        if ((low | high) != 0) {
            found += countInBoth<firstOnly>(low, high, text, start, pattern);
            if (firstOnly && found > 0)
                return found;
        }
    }
    for (; start <= lastStart && !(firstOnly && found > 0); start += 16)
        found +=
            countIn<firstOnly>(withinLast(both(start), start, lastStart), text, start, pattern);
    return found;
}

__attribute__((target("avx2"))) __m256i anyOf(__m256i bytes,
                                              const FoldedPattern::Accepted& accepted) {
    return _mm256_or_si256(
        _mm256_or_si256(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(accepted[0])),
                        _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(accepted[1]))),
        _mm256_or_si256(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(accepted[2])),
                        _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(accepted[3]))));
}

template <bool firstOnly>
__attribute__((target("avx2"))) qsizetype
countAvx2(const char* text, qsizetype start, qsizetype lastStart, const FoldedPattern& pattern,
          const Probes& probes) {
    qsizetype found = 0;
    const auto both = [&](qsizetype at) __attribute__((target("avx2"))) {
        const auto* a = reinterpret_cast<const __m256i*>(text + at + probes.first);
        const auto* b = reinterpret_cast<const __m256i*>(text + at + probes.second);
        return unsigned(_mm256_movemask_epi8(
            _mm256_and_si256(anyOf(_mm256_loadu_si256(a), probes.firstBytes),
                             anyOf(_mm256_loadu_si256(b), probes.secondBytes))));
    };
    for (; start + 63 <= lastStart; start += 64) { // two blocks a step, as the engine's scan
        const unsigned low = both(start), high = both(start + 32);
        if ((low | high) != 0) {
            found += countInBoth<firstOnly>(low, high, text, start, pattern);
            if (firstOnly && found > 0)
                return found;
        }
    }
    for (; start <= lastStart && !(firstOnly && found > 0); start += 32)
        found +=
            countIn<firstOnly>(withinLast(both(start), start, lastStart), text, start, pattern);
    return found;
}

// Two bytes a probe where they are two (a letter's cases), so the common probe costs two
// comparisons, not four.
template <bool pairs>
__attribute__((target("avx512f,avx512bw"))) __mmask64
anyOf(const char* at, const FoldedPattern::Accepted& accepted) {
    const __m512i bytes = _mm512_loadu_si512(at);
    __mmask64 any = _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(accepted[0])) |
                    _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(accepted[1]));
    if constexpr (!pairs)
        any |= _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(accepted[2])) |
               _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(accepted[3]));
    return any;
}

template <bool pairs, bool firstOnly>
__attribute__((target("avx512f,avx512bw"))) qsizetype
countAvx512(const char* text, qsizetype start, qsizetype lastStart, const FoldedPattern& pattern,
            const Probes& probes) {
    qsizetype found = 0;
    // Two blocks a step, tested together, as the engine's scan does.
    const FoldedPattern::Accepted first = probes.firstBytes, second = probes.secondBytes;
    const char* const firstAt = text + probes.first;
    const char* const secondAt = text + probes.second;
    for (; start + 127 <= lastStart; start += 128) {
        const auto low =
            quint64(anyOf<pairs>(firstAt + start, first) & anyOf<pairs>(secondAt + start, second));
        const auto high = quint64(anyOf<pairs>(firstAt + start + 64, first) &
                                  anyOf<pairs>(secondAt + start + 64, second));
        if ((low | high) != 0) {
            found += countInBoth<firstOnly>(low, high, text, start, pattern);
            if (firstOnly && found > 0)
                return found;
        }
    }
    for (; start <= lastStart && !(firstOnly && found > 0); start += 64) {
        const auto mask =
            quint64(anyOf<pairs>(firstAt + start, first) & anyOf<pairs>(secondAt + start, second));
        found += countIn<firstOnly>(withinLast(mask, start, lastStart), text, start, pattern);
    }
    return found;
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

namespace {

template <bool firstOnly>
qsizetype scan(Unit unit, const char* text, qsizetype from, qsizetype end,
               const FoldedPattern& pattern, const Probes& probes) {
    if (pattern.size() == 0 || end - from < pattern.size())
        return 0;
    const qsizetype lastStart = end - pattern.size();
#if PLAINSCAN_X86
    const auto twoEach = [](const FoldedPattern::Accepted& accepted) {
        return accepted[2] == accepted[0] && accepted[3] == accepted[0];
    };
    const bool pairs = twoEach(probes.firstBytes) && twoEach(probes.secondBytes);
    switch (unit) {
    case Unit::Avx512:
        return pairs ? countAvx512<true, firstOnly>(text, from, lastStart, pattern, probes)
                     : countAvx512<false, firstOnly>(text, from, lastStart, pattern, probes);
    case Unit::Avx2:
        return countAvx2<firstOnly>(text, from, lastStart, pattern, probes);
    case Unit::Sse2:
        return countSse2<firstOnly>(text, from, lastStart, pattern, probes);
    case Unit::Bytes:
        break;
    }
#else
    (void)unit;
#endif
    return countRest<firstOnly>(text, from, lastStart, pattern, probes);
}

} // namespace

qsizetype count(Unit unit, const char* text, qsizetype from, qsizetype end,
                const FoldedPattern& pattern, const Probes& probes) {
    return scan<false>(unit, text, from, end, pattern, probes);
}

bool holds(Unit unit, const char* text, qsizetype from, qsizetype end, const FoldedPattern& pattern,
           const Probes& probes) {
    return scan<true>(unit, text, from, end, pattern, probes) > 0;
}

} // namespace plainscan
