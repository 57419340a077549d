#pragma once

#include "search/foldedpattern.h"

#include <QByteArrayView>

#include <array>

// The least work any search of a buffer for a pattern has to do under the search's case rule, as
// a reference for the engine: one plain pass over the bytes as written that tests two of the
// pattern's rarest places, each for any byte that folds to the pattern's there (a letter in
// either case), as many places at a time as the vector unit holds, and compares the whole
// pattern, folded, where both agree. It knows nothing of lines; it counts every place the
// pattern lies at.
namespace plainscan {

enum class Unit { Bytes, Sse2, Avx2, Avx512 };

// The widest unit this machine runs.
Unit widestUnit();
const char* unitName(Unit unit);

// Places in text[from, end) where the pattern lies; byteCounts: how often each byte occurs in the
// text, to pick the rarest two places.
qsizetype count(Unit unit, const char* text, qsizetype from, qsizetype end,
                const FoldedPattern& pattern, const std::array<qsizetype, 256>& byteCounts);

} // namespace plainscan
