#pragma once

#include "text/vectorunit.h"

#include <QByteArrayView>

#include <array>

// Finds a pattern in a byte text. It tests two of the pattern's rarest bytes, at their places
// in the pattern, for as many candidate places at once as the machine's widest vector unit holds
// (64 with AVX-512, 32 with AVX2, 16 with SSE2, chosen when the program starts), and compares the
// whole pattern only where both agree; so even a pattern of common letters is found at close to
// memory speed.
class ByteFinder {
public:
    // Bytes past the end of a text that findPadded may read (and never counts as text).
    static constexpr qsizetype kPadding = 64;

    // The ways of testing candidate places.
    using Unit = VectorUnit;

    // How the text to be searched holds its letters: upper-cased, as the scripture text keeps
    // them for searching, or as they were written, each byte then compared by its upper case.
    // The pattern is upper-cased either way.
    enum class Letters { UpperCased, AsWritten };

    // byteCounts: how often each byte occurs in the text to be searched, upper-cased; a byte
    // counted as none is taken to be nowhere in it. A unit the machine does not run counts as
    // the widest it does.
    ByteFinder(QByteArrayView pattern, const std::array<qsizetype, 256>& byteCounts,
               Unit unit = vectorunit::widest(), Letters letters = Letters::UpperCased);

    // True when a byte of the pattern never occurs in the text: it is found nowhere.
    bool nowhere() const { return m_nowhere; }
    QByteArrayView pattern() const { return m_pattern; }

    // How many places of a text of the given size the two bytes are expected to pick out, taking
    // the two as independent: what a scan for this pattern costs beyond reading the text.
    double expectedCandidates(qsizetype textSize) const;

    // Where the pattern first lies wholly within text[from, end), or -1.
    qsizetype find(const char* text, qsizetype from, qsizetype end) const;
    // The same for a text followed by at least kPadding readable bytes after end: a short
    // stretch, such as one line, costs a few vector steps and no byte-by-byte tail.
    qsizetype findPadded(const char* text, qsizetype from, qsizetype end) const;

    // The places the finder tests, for the scanning code.
    struct Probe {
        const char* pattern;
        qsizetype size;
        qsizetype first;  // place of the rarest byte
        qsizetype second; // place of the next rarest byte, elsewhere when there is one
        // Letters as written: the other byte whose upper case each of the two is, or the same.
        char firstOther;
        char secondOther;
        bool asWritten;
    };

private:
    using Scan = qsizetype (*)(const Probe&, const char*, qsizetype, qsizetype, bool);
    qsizetype findFrom(const char* text, qsizetype from, qsizetype end, bool padded) const;

    QByteArrayView m_pattern;
    Probe m_probe{};
    Scan m_scan = nullptr;
    double m_firstShare = 0;  // share of the text's bytes that are the rarest byte
    double m_secondShare = 0; // and the next rarest
    bool m_nowhere = false;
};
