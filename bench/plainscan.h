#pragma once

#include <QByteArrayView>

#include <array>

// The least work any search of a buffer for a pattern has to do, as a reference for the engine:
// one plain pass over the bytes that tests two of the pattern's rarest bytes at their places,
// as many places at a time as the vector unit holds, and compares the whole pattern where both
// agree. It knows nothing of lines; it counts every place the pattern lies at.
namespace plainscan {

enum class Unit { Bytes, Sse2, Avx2, Avx512 };

// The widest unit this machine runs.
Unit widestUnit();
const char* unitName(Unit unit);

// Places in text[from, end) where the whole pattern lies; byteCounts: how often each byte
// occurs in the text, to pick the rarest two.
qsizetype count(Unit unit, const char* text, qsizetype from, qsizetype end, QByteArrayView pattern,
                const std::array<qsizetype, 256>& byteCounts);

// The same count by the C library's memmem.
qsizetype countMemmem(const char* text, qsizetype from, qsizetype end, QByteArrayView pattern);

} // namespace plainscan
