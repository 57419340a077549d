#pragma once

#include <QByteArrayView>

#include <array>

// Finds a pattern in a byte text by looking for the pattern's rarest byte first (with memchr,
// which runs at memory speed) and comparing the whole pattern only around those places.
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
    QByteArrayView m_pattern;
    qsizetype m_rareIndex = 0;
    bool m_nowhere = false;
};
