#pragma once

#include <QByteArrayView>

#include <array>

// Finds a pattern in a byte text. It tests two of the pattern's rarest bytes, at their places
// in the pattern, for sixteen candidate positions at once, and compares the whole pattern only
// where both agree; so even a pattern of common letters is found at close to memory speed.
class ByteFinder {
public:
    // byteCounts: how often each byte occurs in the text to be searched.
    ByteFinder(QByteArrayView pattern, const std::array<qsizetype, 256>& byteCounts);

    // True when a byte of the pattern never occurs in the text: it is found nowhere.
    bool nowhere() const { return m_nowhere; }
    QByteArrayView pattern() const { return m_pattern; }

    // Where the pattern first lies wholly within text[from, end), or -1.
    qsizetype find(const char* text, qsizetype from, qsizetype end) const;

private:
    bool matchesAt(const char* text, qsizetype start) const;
    qsizetype findOneByOne(const char* text, qsizetype from, qsizetype lastStart) const;

    QByteArrayView m_pattern;
    qsizetype m_first = 0;  // place of the rarest byte
    qsizetype m_second = 0; // place of the next rarest byte, elsewhere when there is one
    bool m_nowhere = false;
};
