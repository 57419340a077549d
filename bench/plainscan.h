#pragma once

#include "search/foldedpattern.h"

#include <QByteArrayView>

#include <array>

// The least work any search of a buffer for a pattern has to do under the search's case rule, as
// a reference for the engine: one plain pass over the bytes as written that tests two of the
// pattern's rarest places, each for any byte that folds to the pattern's there (a letter in
// either case), as many places at a time as the vector unit holds, and compares the whole
// pattern, folded, where both agree. It knows nothing of lines; it counts every place the
// pattern lies at in the bytes it is given.
namespace plainscan {

enum class Unit { Bytes, Sse2, Avx2, Avx512 };

// The widest unit this machine runs.
Unit widestUnit();
const char* unitName(Unit unit);

// The pattern's two rarest places, by how often the text holds the bytes each accepts
// (byteCounts), and those bytes: the places the scan tests first.
struct Probes {
    qsizetype first = 0;
    qsizetype second = 0;
    FoldedPattern::Accepted firstBytes{};
    FoldedPattern::Accepted secondBytes{};
};
Probes rarestPlaces(const FoldedPattern& pattern, const std::array<qsizetype, 256>& byteCounts);

// Places in text[from, end) where the pattern lies. The text is read up to 64 bytes past end,
// as into a VerseText's padding.
qsizetype count(Unit unit, const char* text, qsizetype from, qsizetype end,
                const FoldedPattern& pattern, const Probes& probes);

// Whether the pattern lies anywhere in text[from, end): the same scan, which stops at the first
// place it finds, as a search does that lists lines and does not know where its term lies.
bool holds(Unit unit, const char* text, qsizetype from, qsizetype end, const FoldedPattern& pattern,
           const Probes& probes);

} // namespace plainscan
