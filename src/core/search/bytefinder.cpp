#include "search/bytefinder.h"

#include <bit>
#include <cstring>

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <immintrin.h>
#define BYTEFINDER_X86 1
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

using Probe = ByteFinder::Probe;

bool matchesAt(const Probe& probe, const char* text, qsizetype start) {
    return std::memcmp(text + start, probe.pattern, std::size_t(probe.size)) == 0;
}

qsizetype findOneByOne(const Probe& probe, const char* text, qsizetype from, qsizetype lastStart) {
    const char first = probe.pattern[probe.first];
    for (qsizetype start = from; start <= lastStart; ++start) {
        if (text[start + probe.first] == first && matchesAt(probe, text, start))
            return start;
    }
    return -1;
}

// The first candidate of the block that holds the whole pattern, or -1.
template <typename Mask>
qsizetype firstMatch(Mask candidates, const Probe& probe, const char* text, qsizetype start) {
    for (; candidates != 0; candidates &= candidates - 1) {
        const qsizetype candidate = start + std::countr_zero(candidates);
        if (matchesAt(probe, text, candidate))
            return candidate;
    }
    return -1;
}

// Candidate places start .. start + width - 1 of which only those up to lastStart count.
template <typename Mask> Mask upTo(qsizetype start, qsizetype lastStart) {
    const qsizetype count = lastStart - start + 1;
    return count >= qsizetype(sizeof(Mask) * 8) ? ~Mask(0) : (Mask(1) << count) - 1;
}

#if defined(__SSE2__)
qsizetype scanSse2(const Probe& probe, const char* text, qsizetype start, qsizetype lastStart,
                   bool padded) {
    const __m128i first = _mm_set1_epi8(probe.pattern[probe.first]);
    const __m128i second = _mm_set1_epi8(probe.pattern[probe.second]);
    const auto candidates = [&](qsizetype at) {
        const auto* a = reinterpret_cast<const __m128i*>(text + at + probe.first);
        const auto* b = reinterpret_cast<const __m128i*>(text + at + probe.second);
        return unsigned(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(_mm_loadu_si128(a), first),
                                            _mm_cmpeq_epi8(_mm_loadu_si128(b), second))));
    };
    for (; start + 15 <= lastStart; start += 16) {
        if (const unsigned mask = candidates(start); mask != 0) {
            if (const qsizetype at = firstMatch(mask, probe, text, start); at >= 0)
                return at;
        }
    }
    if (start > lastStart)
        return -1;
    if (padded)
        return firstMatch(candidates(start) & upTo<unsigned>(start, lastStart), probe, text, start);
    return findOneByOne(probe, text, start, lastStart);
}
#endif

#if BYTEFINDER_X86
__attribute__((target("avx2"))) qsizetype
scanAvx2(const Probe& probe, const char* text, qsizetype start, qsizetype lastStart, bool padded) {
    const __m256i first = _mm256_set1_epi8(probe.pattern[probe.first]);
    const __m256i second = _mm256_set1_epi8(probe.pattern[probe.second]);
    const auto candidates = [&](qsizetype at) __attribute__((target("avx2"))) {
        const auto* a = reinterpret_cast<const __m256i*>(text + at + probe.first);
        const auto* b = reinterpret_cast<const __m256i*>(text + at + probe.second);
        return unsigned(_mm256_movemask_epi8(
            _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_loadu_si256(a), first),
                             _mm256_cmpeq_epi8(_mm256_loadu_si256(b), second))));
    };
    for (; start + 31 <= lastStart; start += 32) {
        if (const unsigned mask = candidates(start); mask != 0) {
            if (const qsizetype at = firstMatch(mask, probe, text, start); at >= 0)
                return at;
        }
    }
    if (start > lastStart)
        return -1;
    if (padded)
        return firstMatch(candidates(start) & upTo<unsigned>(start, lastStart), probe, text, start);
    return scanSse2(probe, text, start, lastStart, false);
}

__attribute__((target("avx512f,avx512bw"))) qsizetype scanAvx512(const Probe& probe,
                                                                 const char* text, qsizetype start,
                                                                 qsizetype lastStart, bool padded) {
    const __m512i first = _mm512_set1_epi8(probe.pattern[probe.first]);
    const __m512i second = _mm512_set1_epi8(probe.pattern[probe.second]);
    const auto candidates = [&](qsizetype at) __attribute__((target("avx512f,avx512bw"))) {
        const __m512i a = _mm512_loadu_si512(text + at + probe.first);
        const __m512i b = _mm512_loadu_si512(text + at + probe.second);
        return quint64(_mm512_cmpeq_epi8_mask(a, first) & _mm512_cmpeq_epi8_mask(b, second));
    };
    for (; start + 63 <= lastStart; start += 64) {
        if (const quint64 mask = candidates(start); mask != 0) {
            if (const qsizetype at = firstMatch(mask, probe, text, start); at >= 0)
                return at;
        }
    }
    if (start > lastStart)
        return -1;
    if (padded)
        return firstMatch(candidates(start) & upTo<quint64>(start, lastStart), probe, text, start);
    return scanAvx2(probe, text, start, lastStart, false);
}
#endif

qsizetype scanBytes(const Probe& probe, const char* text, qsizetype start, qsizetype lastStart,
                    bool) {
    return findOneByOne(probe, text, start, lastStart);
}

ByteFinder::Unit machineWidest() {
#if BYTEFINDER_X86
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw"))
        return ByteFinder::Unit::Avx512;
    if (__builtin_cpu_supports("avx2"))
        return ByteFinder::Unit::Avx2;
#endif
#if defined(__SSE2__)
    return ByteFinder::Unit::Sse2;
#else
    return ByteFinder::Unit::Bytes;
#endif
}

} // namespace

ByteFinder::Unit ByteFinder::widestUnit() {
    static const Unit widest = machineWidest();
    return widest;
}

bool ByteFinder::runs(Unit unit) {
    return unit <= widestUnit();
}

ByteFinder::ByteFinder(QByteArrayView pattern, const std::array<qsizetype, 256>& byteCounts,
                       Unit unit)
    : m_pattern(pattern) {
    switch (runs(unit) ? unit : widestUnit()) {
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
    m_probe = {pattern.data(), pattern.size(), first, second};
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
