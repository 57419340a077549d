#pragma once

#include "search/foldedpattern.h"
#include "text/vectorunit.h"

#include <array>

// Finds a folded pattern in a text's bytes as written. It tests two of the pattern's rarest
// places, each for any byte the text may hold there, for as many candidate places at once as
// the machine's widest vector unit holds (64 with AVX-512, 32 with AVX2, 16 with SSE2, chosen
// when the program starts), and compares the whole pattern only where both agree; so even a
// pattern of common letters is found at close to memory speed.
class ByteFinder {
public:
    // Bytes past the end of a text that findPadded may read (and never counts as text).
    static constexpr qsizetype kPadding = 64;

    using Unit = VectorUnit;

    // The pattern, which must be one a probe can test (FoldedPattern::canBeProbed), must outlive
    // the finder. byteCounts: about how often each byte occurs in the
    // text to be searched. A unit the machine does not run counts as the widest it does.
    ByteFinder(const FoldedPattern& pattern, const std::array<qsizetype, 256>& byteCounts,
               Unit unit = vectorunit::widest());

    const FoldedPattern& pattern() const { return *m_pattern; }

    // How many places of a text of the given size the two probes are expected to pick out,
    // taking the two as independent: what a scan for this pattern costs beyond reading the text.
    double expectedCandidates(qsizetype textSize) const;

    // Where the pattern first lies wholly within text[from, end), or -1.
    qsizetype find(const char* text, qsizetype from, qsizetype end) const;
    // The same for a text followed by at least kPadding readable bytes after end: a short
    // stretch, such as one line, costs a few vector steps and no byte-by-byte tail.
    qsizetype findPadded(const char* text, qsizetype from, qsizetype end) const;

    // The places of a padded text (as for findPadded) in [from, end) where the pattern lies
    // wholly, each found in turn: next(at) tells where to look on from, past at; a place where
    // the pattern no longer fits ends the search. Written here so that next, called at every
    // find, is taken inline: the search calls it at every line that holds a common word.
    template <typename Next>
    void findEachPadded(const char* text, qsizetype from, qsizetype end, Next&& next) const {
        const qsizetype lastStart = end - m_pattern->size();
        for (qsizetype start = from; start <= lastStart;) {
            const qsizetype at =
                m_pattern->size() == 0 ? start : m_scan(m_probe, text, start, lastStart, true);
            if (at < 0)
                return;
            start = next(at);
        }
    }

    // The places the finder tests, for the scanning code.
    struct Probe {
        const FoldedPattern* pattern;
        qsizetype size;
        qsizetype first;  // place of the rarest byte
        qsizetype second; // place of the next rarest, elsewhere when there is one
        FoldedPattern::Accepted firstBytes;
        FoldedPattern::Accepted secondBytes;
    };

private:
    using Scan = qsizetype (*)(const Probe&, const char*, qsizetype, qsizetype, bool);
    qsizetype findFrom(const char* text, qsizetype from, qsizetype end, bool padded) const;

    const FoldedPattern* m_pattern;
    Probe m_probe{};
    Scan m_scan = nullptr;
    double m_firstShare = 0;  // share of the text's bytes the first probe accepts
    double m_secondShare = 0; // and the second
};
