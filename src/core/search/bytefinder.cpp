#include "search/bytefinder.h"

#include "scripture/bytepassunits.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace {

using Probe = ByteFinder::Probe;
using namespace bytepassunits;

bool acceptedAt(const FoldedPattern::Accepted& accepted, char byte) {
    return std::find(accepted.begin(), accepted.end(), byte) != accepted.end();
}

qsizetype findOneByOne(const Probe& probe, const char* text, qsizetype from, qsizetype lastStart) {
    for (qsizetype start = from; start <= lastStart; ++start) {
        if (acceptedAt(probe.firstBytes, text[start + probe.first]) &&
            probe.pattern->matchesAt(text + start))
            return start;
    }
    return -1;
}

// The first candidate of the block that holds the whole pattern, or -1.
template <typename Mask>
qsizetype firstMatch(Mask candidates, const Probe& probe, const char* text, qsizetype start) {
    for (; candidates != 0; candidates &= candidates - 1) {
        const qsizetype candidate = start + std::countr_zero(candidates);
        if (probe.pattern->matchesAt(text + candidate))
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
    return findOneByOne(probe, text, start, lastStart);
}

// How the probes test a block: for one of two bytes each (a letter in either case, the usual
// probe), or for one of four.
enum class Probes { Pairs, Fours };

// The scan of every vector unit, written once. A unit tests as many places at once as its Mask
// has bits; both() tells which places from a and from b hold one of the first probe's and of
// the second probe's bytes. Each unit's scan function is compiled for its instructions and takes
// all this inline (flatten), the unit's both() too, which, compiled for those instructions,
// could not be inlined into this template alone. A stretch shorter than the unit is tested at
// once when padded, one place at a time otherwise.
template <typename Unit, Probes probes>
qsizetype scanEach(const Probe& probe, const char* text, qsizetype start, qsizetype lastStart,
                   bool padded) {
    using Mask = typename Unit::Mask;
    constexpr qsizetype width = std::numeric_limits<Mask>::digits;
    // Copies the loop keeps in registers: the probe itself may be changed, for all the compiler
    // knows, by the comparison of a candidate, and would be read again on every step.
    const FoldedPattern::Accepted first = probe.firstBytes;
    const FoldedPattern::Accepted second = probe.secondBytes;
    const char* const firstAt = text + probe.first;
    const char* const secondAt = text + probe.second;
    const auto candidates = [&](qsizetype at) {
        const char* a = firstAt + at;
        const char* b = secondAt + at;
        if constexpr (probes == Probes::Pairs)
            return Unit::both(a, first[0], first[1], b, second[0], second[1]);
        else
            return Unit::both(a, first, b, second);
    };
    // Two blocks a step, tested together: one branch for both, and the next block's bytes asked
    // for while this one's are compared.
    for (; start + 2 * width - 1 <= lastStart; start += 2 * width) {
        const Mask low = candidates(start), high = candidates(start + width);
        if ((low | high) != 0) [[unlikely]] {
            if (const qsizetype at = firstMatch(low, probe, text, start); at >= 0)
                return at;
            if (const qsizetype at = firstMatch(high, probe, text, start + width); at >= 0)
                return at;
        }
    }
    for (; start + width - 1 <= lastStart; start += width) {
        if (const Mask mask = candidates(start); mask != 0) [[unlikely]] {
            if (const qsizetype at = firstMatch(mask, probe, text, start); at >= 0)
                return at;
        }
    }
    if (start > lastStart)
        return -1;
    if (padded)
        return firstMatch(Mask(candidates(start) & upTo<Mask>(start, lastStart)), probe, text,
                          start);
    return findOneByOne(probe, text, start, lastStart);
}

// Two bytes a probe: the first two of its list, the rest repeating them.
bool pairs(const Probe& probe) {
    const auto twoAtMost = [](const FoldedPattern::Accepted& accepted) {
        return accepted[2] == accepted[0] && accepted[3] == accepted[0];
    };
    return twoAtMost(probe.firstBytes) && twoAtMost(probe.secondBytes);
}

using Scan = qsizetype (*)(const Probe&, const char*, qsizetype, qsizetype, bool);

#if defined(__SSE2__)
template <Probes probes>
[[gnu::flatten]] qsizetype scanSse2(const Probe& probe, const char* text, qsizetype start,
                                    qsizetype lastStart, bool padded) {
    return scanEach<Sse2, probes>(probe, text, start, lastStart, padded);
}
#endif

#if BYTEPASSES_X86
template <Probes probes>
[[gnu::target("avx2"), gnu::flatten]] qsizetype
scanAvx2(const Probe& probe, const char* text, qsizetype start, qsizetype lastStart, bool padded) {
    return scanEach<Avx2, probes>(probe, text, start, lastStart, padded);
}

template <Probes probes>
[[gnu::target("avx512f,avx512bw"), gnu::flatten]] qsizetype
scanAvx512(const Probe& probe, const char* text, qsizetype start, qsizetype lastStart,
           bool padded) {
    return scanEach<Avx512, probes>(probe, text, start, lastStart, padded);
}
#endif

// The scan of the unit for the probe's bytes.
Scan scanFor(VectorUnit unit, const Probe& probe) {
    const bool twoEach = pairs(probe);
    switch (vectorunit::orWidest(unit)) {
#if BYTEPASSES_X86
    case VectorUnit::Avx512:
        return twoEach ? scanAvx512<Probes::Pairs> : scanAvx512<Probes::Fours>;
    case VectorUnit::Avx2:
        return twoEach ? scanAvx2<Probes::Pairs> : scanAvx2<Probes::Fours>;
#endif
#if defined(__SSE2__)
    case VectorUnit::Sse2:
        return twoEach ? scanSse2<Probes::Pairs> : scanSse2<Probes::Fours>;
#endif
    default:
        return scanBytes;
    }
}

// The share of a text's bytes that a place of the pattern accepts; more than all where it cannot
// be probed.
double shareAt(const FoldedPattern& pattern, qsizetype place,
               const std::array<qsizetype, 256>& byteCounts, qsizetype total) {
    const int count = pattern.acceptedCount(place);
    if (count > FoldedPattern::kMostAccepted)
        return 2.0;
    qsizetype accepted = 0;
    for (int i = 0; i < count; ++i)
        accepted += byteCounts[static_cast<unsigned char>(pattern.accepted(place)[std::size_t(i)])];
    return double(accepted) / double(total);
}

} // namespace

ByteFinder::ByteFinder(const FoldedPattern& pattern, const std::array<qsizetype, 256>& byteCounts,
                       Unit unit)
    : m_pattern(&pattern) {
    const qsizetype size = pattern.size();
    qsizetype total = 1;
    for (const qsizetype count : byteCounts)
        total += count;
    std::vector<double> shares;
    for (qsizetype place = 0; place < size; ++place)
        shares.push_back(shareAt(pattern, place, byteCounts, total));
    // The rarest place, besides one, or -1.
    const auto rarest = [&](qsizetype besides) {
        qsizetype found = -1;
        for (qsizetype place = 0; place < size; ++place) {
            if (place != besides && shares[std::size_t(place)] <= 1.0 &&
                (found < 0 || shares[std::size_t(place)] < shares[std::size_t(found)]))
                found = place;
        }
        return found;
    };
    const qsizetype first = rarest(-1);
    if (first < 0) {
        m_probe = {&pattern, size, 0, 0, {}, {}};
    } else {
        const qsizetype other = rarest(first);
        const qsizetype second = other < 0 ? first : other;
        m_probe = {
            &pattern, size, first, second, pattern.accepted(first), pattern.accepted(second)};
        m_firstShare = shares[std::size_t(first)];
        m_secondShare = first == second ? 1.0 : shares[std::size_t(second)];
    }
    m_scan = scanFor(unit, m_probe);
}

double ByteFinder::expectedCandidates(qsizetype textSize) const {
    return double(textSize) * m_firstShare * m_secondShare;
}

qsizetype ByteFinder::findFrom(const char* text, qsizetype from, qsizetype end, bool padded) const {
    const qsizetype size = m_pattern->size();
    if (size == 0)
        return from <= end ? from : -1;
    if (end - from < size)
        return -1;
    return m_scan(m_probe, text, from, end - size, padded);
}

qsizetype ByteFinder::find(const char* text, qsizetype from, qsizetype end) const {
    return findFrom(text, from, end, false);
}

qsizetype ByteFinder::findPadded(const char* text, qsizetype from, qsizetype end) const {
    return findFrom(text, from, end, true);
}
