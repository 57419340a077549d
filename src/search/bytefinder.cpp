#include "search/bytefinder.h"

#include <cstring>

ByteFinder::ByteFinder(QByteArrayView pattern, const std::array<qsizetype, 256>& byteCounts)
    : m_pattern(pattern) {
    qsizetype rarest = -1;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const qsizetype count = byteCounts[static_cast<unsigned char>(pattern[i])];
        if (rarest < 0 || count < rarest) {
            rarest = count;
            m_rareIndex = i;
        }
    }
    m_nowhere = rarest == 0;
}

qsizetype ByteFinder::find(const char* text, qsizetype from, qsizetype end) const {
    const qsizetype size = m_pattern.size();
    if (size == 0)
        return from <= end ? from : -1;
    if (m_nowhere || end - from < size)
        return -1;
    const char rare = m_pattern[m_rareIndex];
    const char* cursor = text + from + m_rareIndex;
    const char* const limit = text + end - size + m_rareIndex + 1; // last place + 1
    while (cursor < limit) {
        const void* hit = std::memchr(cursor, rare, std::size_t(limit - cursor));
        if (!hit)
            return -1;
        const char* start = static_cast<const char*>(hit) - m_rareIndex;
        if (std::memcmp(start, m_pattern.data(), std::size_t(size)) == 0)
            return start - text;
        cursor = static_cast<const char*>(hit) + 1;
    }
    return -1;
}
