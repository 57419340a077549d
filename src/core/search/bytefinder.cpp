#include "search/bytefinder.h"

#include "scripture/uppercase.h"

#include <bit>
#include <cstring>
#include <limits>

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <immintrin.h>
#define BYTEFINDER_X86 1
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

using Probe = ByteFinder::Probe;

// Whether the whole pattern lies at start; letters as written compare by their upper case.
template <bool asWritten> bool matchesAt(const Probe& probe, const char* text, qsizetype start) {
    if constexpr (!asWritten) {
        return std::memcmp(text + start, probe.pattern, std::size_t(probe.size)) == 0;
    } else {
        const auto& upper = scripture::upperByteTable();
        for (qsizetype i = 0; i < probe.size; ++i) {
            if (upper[static_cast<unsigned char>(text[start + i])] !=
                static_cast<unsigned char>(probe.pattern[i]))
                return false;
        }
        return true;
    }
}

template <bool asWritten>
qsizetype findOneByOne(const Probe& probe, const char* text, qsizetype from, qsizetype lastStart) {
    const char first = probe.pattern[probe.first];
    const char firstOther = asWritten ? probe.firstOther : first;
    for (qsizetype start = from; start <= lastStart; ++start) {
        const char at = text[start + probe.first];
        if ((at == first || at == firstOther) && matchesAt<asWritten>(probe, text, start))
            return start;
    }
    return -1;
}

// The first candidate of the block that holds the whole pattern, or -1.
template <bool asWritten, typename Mask>
qsizetype firstMatch(Mask candidates, const Probe& probe, const char* text, qsizetype start) {
    for (; candidates != 0; candidates &= candidates - 1) {
        const qsizetype candidate = start + std::countr_zero(candidates);
        if (matchesAt<asWritten>(probe, text, candidate))
            return candidate;
    }
    return -1;
}

// Candidate places start .. start + width - 1 of which only those up to lastStart count.
template <typename Mask> Mask upTo(qsizetype start, qsizetype lastStart) {
    const qsizetype count = lastStart - start + 1;
    return count >= qsizetype(sizeof(Mask) * 8) ? ~Mask(0) : (Mask(1) << count) - 1;
}

qsizetype scanBytes(const Probe& probe, const char* text, qsizetype start, qsizetype lastStart,
                    bool) {
    return probe.asWritten ? findOneByOne<true>(probe, text, start, lastStart)
                           : findOneByOne<false>(probe, text, start, lastStart);
}

// The scan of every vector unit, written once. A unit tests as many places at once as its Mask
// has bits; both() tells which places from a and from b hold the first and the second byte, or
// either of the bytes each stands for in letters as written. Each unit's scan function is
// compiled for its instructions and takes all this inline (flatten), the unit's both() too,
// which, compiled for those instructions, could not be inlined into this template alone. A
// stretch shorter than the unit is tested at once when padded, one place at a time otherwise.
template <typename Unit, bool asWritten>
qsizetype scanEach(const Probe& probe, const char* text, qsizetype start, qsizetype lastStart,
                   bool padded) {
    using Mask = typename Unit::Mask;
    constexpr qsizetype width = std::numeric_limits<Mask>::digits;
    const char first = probe.pattern[probe.first];
    const char second = probe.pattern[probe.second];
    const auto candidates = [&](qsizetype at) {
        const char* a = text + at + probe.first;
        const char* b = text + at + probe.second;
        if constexpr (asWritten)
            return Unit::both(a, first, probe.firstOther, b, second, probe.secondOther);
        else
            return Unit::both(a, first, b, second);
    };
    for (; start + width - 1 <= lastStart; start += width) {
        if (const Mask mask = candidates(start); mask != 0) [[unlikely]] {
            if (const qsizetype at = firstMatch<asWritten>(mask, probe, text, start); at >= 0)
                return at;
        }
    }
    if (start > lastStart)
        return -1;
    if (padded)
        return firstMatch<asWritten>(Mask(candidates(start) & upTo<Mask>(start, lastStart)), probe,
                                     text, start);
    return findOneByOne<asWritten>(probe, text, start, lastStart);
}

template <typename Unit>
qsizetype scanWith(const Probe& probe, const char* text, qsizetype start, qsizetype lastStart,
                   bool padded) {
    return probe.asWritten ? scanEach<Unit, true>(probe, text, start, lastStart, padded)
                           : scanEach<Unit, false>(probe, text, start, lastStart, padded);
}

#if defined(__SSE2__)
struct Sse2 {
    using Mask = quint16;
    static Mask both(const char* a, char first, const char* b, char second) {
        const __m128i atA = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
        const __m128i atB = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
        return Mask(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(atA, _mm_set1_epi8(first)),
                                                    _mm_cmpeq_epi8(atB, _mm_set1_epi8(second)))));
    }
    static __m128i either(__m128i bytes, char one, char other) {
        return _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(one)),
                            _mm_cmpeq_epi8(bytes, _mm_set1_epi8(other)));
    }
    static Mask both(const char* a, char first, char firstOther, const char* b, char second,
                     char secondOther) {
        const __m128i atA = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
        const __m128i atB = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
        return Mask(_mm_movemask_epi8(
            _mm_and_si128(either(atA, first, firstOther), either(atB, second, secondOther))));
    }
};

[[gnu::flatten]] qsizetype scanSse2(const Probe& probe, const char* text, qsizetype start,
                                    qsizetype lastStart, bool padded) {
    return scanWith<Sse2>(probe, text, start, lastStart, padded);
}
#endif

#if BYTEFINDER_X86
struct Avx2 {
    using Mask = quint32;
    [[gnu::target("avx2")]] static Mask both(const char* a, char first, const char* b,
                                             char second) {
        const __m256i atA = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a));
        const __m256i atB = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b));
        return Mask(_mm256_movemask_epi8(
            _mm256_and_si256(_mm256_cmpeq_epi8(atA, _mm256_set1_epi8(first)),
                             _mm256_cmpeq_epi8(atB, _mm256_set1_epi8(second)))));
    }
    [[gnu::target("avx2")]] static __m256i either(__m256i bytes, char one, char other) {
        return _mm256_or_si256(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(one)),
                               _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(other)));
    }
    [[gnu::target("avx2")]] static Mask both(const char* a, char first, char firstOther,
                                             const char* b, char second, char secondOther) {
        const __m256i atA = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a));
        const __m256i atB = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b));
        return Mask(_mm256_movemask_epi8(
            _mm256_and_si256(either(atA, first, firstOther), either(atB, second, secondOther))));
    }
};

struct Avx512 {
    using Mask = quint64;
    [[gnu::target("avx512f,avx512bw")]] static Mask both(const char* a, char first, const char* b,
                                                         char second) {
        return Mask(_mm512_cmpeq_epi8_mask(_mm512_loadu_si512(a), _mm512_set1_epi8(first)) &
                    _mm512_cmpeq_epi8_mask(_mm512_loadu_si512(b), _mm512_set1_epi8(second)));
    }
    [[gnu::target("avx512f,avx512bw")]] static Mask either(const char* at, char one, char other) {
        const __m512i bytes = _mm512_loadu_si512(at);
        return Mask(_mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(one)) |
                    _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(other)));
    }
    [[gnu::target("avx512f,avx512bw")]] static Mask
    both(const char* a, char first, char firstOther, const char* b, char second, char secondOther) {
        return either(a, first, firstOther) & either(b, second, secondOther);
    }
};

[[gnu::target("avx2"), gnu::flatten]] qsizetype
scanAvx2(const Probe& probe, const char* text, qsizetype start, qsizetype lastStart, bool padded) {
    return scanWith<Avx2>(probe, text, start, lastStart, padded);
}

[[gnu::target("avx512f,avx512bw"), gnu::flatten]] qsizetype
scanAvx512(const Probe& probe, const char* text, qsizetype start, qsizetype lastStart,
           bool padded) {
    return scanWith<Avx512>(probe, text, start, lastStart, padded);
}
#endif

} // namespace

ByteFinder::ByteFinder(QByteArrayView pattern, const std::array<qsizetype, 256>& byteCounts,
                       Unit unit, Letters letters)
    : m_pattern(pattern) {
    switch (vectorunit::orWidest(unit)) {
#if BYTEFINDER_X86
    case Unit::Avx512:
        m_scan = scanAvx512;
        break;
    case Unit::Avx2:
        m_scan = scanAvx2;
        break;
#endif
#if defined(__SSE2__)
    case Unit::Sse2:
        m_scan = scanSse2;
        break;
#endif
    default:
        m_scan = scanBytes;
        break;
    }
    auto countAt = [&](qsizetype i) { return byteCounts[static_cast<unsigned char>(pattern[i])]; };
    qsizetype first = 0;
    for (qsizetype i = 1; i < pattern.size(); ++i) {
        if (countAt(i) < countAt(first))
            first = i;
    }
    qsizetype second = first == 0 && pattern.size() > 1 ? 1 : 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (i != first && countAt(i) < countAt(second))
            second = i;
    }
    const auto& unfold = scripture::unfoldByteTable();
    const auto otherOf = [&](qsizetype i) {
        return pattern.isEmpty() ? char(0) : char(unfold[static_cast<unsigned char>(pattern[i])]);
    };
    m_probe = {pattern.data(),
               pattern.size(),
               first,
               second,
               otherOf(first),
               otherOf(second),
               letters == Letters::AsWritten};
    m_nowhere = !pattern.isEmpty() && countAt(first) == 0;
    qsizetype total = 0;
    for (const qsizetype count : byteCounts)
        total += count;
    if (!pattern.isEmpty() && total > 0) {
        m_firstShare = double(countAt(first)) / double(total);
        m_secondShare = first == second ? 1.0 : double(countAt(second)) / double(total);
    }
}

double ByteFinder::expectedCandidates(qsizetype textSize) const {
    return double(textSize) * m_firstShare * m_secondShare;
}

qsizetype ByteFinder::findFrom(const char* text, qsizetype from, qsizetype end, bool padded) const {
    const qsizetype size = m_pattern.size();
    if (size == 0)
        return from <= end ? from : -1;
    if (m_nowhere || end - from < size)
        return -1;
    return m_scan(m_probe, text, from, end - size, padded);
}

qsizetype ByteFinder::find(const char* text, qsizetype from, qsizetype end) const {
    return findFrom(text, from, end, false);
}

qsizetype ByteFinder::findPadded(const char* text, qsizetype from, qsizetype end) const {
    return findFrom(text, from, end, true);
}
