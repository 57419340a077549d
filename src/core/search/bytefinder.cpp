#include "search/bytefinder.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

ByteFinder::ByteFinder(QByteArrayView pattern, const std::array<qsizetype, 256>& byteCounts)
    : m_pattern(pattern) {
    auto countAt = [&](qsizetype i) { return byteCounts[static_cast<unsigned char>(pattern[i])]; };
    for (qsizetype i = 1; i < pattern.size(); ++i) {
        if (countAt(i) < countAt(m_first))
            m_first = i;
    }
    m_second = m_first == 0 && pattern.size() > 1 ? 1 : 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (i != m_first && countAt(i) < countAt(m_second))
            m_second = i;
    }
    m_nowhere = !pattern.isEmpty() && countAt(m_first) == 0;
}

bool ByteFinder::matchesAt(const char* text, qsizetype start) const {
    return std::memcmp(text + start, m_pattern.data(), std::size_t(m_pattern.size())) == 0;
}

qsizetype ByteFinder::findOneByOne(const char* text, qsizetype from, qsizetype lastStart) const {
    const char first = m_pattern[m_first];
    for (qsizetype start = from; start <= lastStart; ++start) {
        if (text[start + m_first] == first && matchesAt(text, start))
            return start;
    }
    return -1;
}

qsizetype ByteFinder::find(const char* text, qsizetype from, qsizetype end) const {
    const qsizetype size = m_pattern.size();
    if (size == 0)
        return from <= end ? from : -1;
    if (m_nowhere || end - from < size)
        return -1;
    const qsizetype lastStart = end - size;
    qsizetype start = from;
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(m_pattern[m_first]);
    const __m128i second = _mm_set1_epi8(m_pattern[m_second]);
    for (; start + 15 <= lastStart; start += 16) {
        const auto* atFirst = reinterpret_cast<const __m128i*>(text + start + m_first);
        const auto* atSecond = reinterpret_cast<const __m128i*>(text + start + m_second);
        const __m128i both = _mm_and_si128(_mm_cmpeq_epi8(_mm_loadu_si128(atFirst), first),
                                           _mm_cmpeq_epi8(_mm_loadu_si128(atSecond), second));
        for (auto mask = unsigned(_mm_movemask_epi8(both)); mask != 0; mask &= mask - 1) {
            const qsizetype candidate = start + std::countr_zero(mask);
            if (matchesAt(text, candidate))
                return candidate;
        }
    }
#endif
    return findOneByOne(text, start, lastStart);
}
