#pragma once

#include "text/vectorunit.h"

#include <QtGlobal>

#include <array>

// The passes the text makes over its bytes, each written once over the width of the vector unit
// that runs it: finding line feeds, counting them, upper-casing letters.
namespace bytepasses {

// findLineFeeds takes at most this many bytes at a time.
constexpr qsizetype kLineFeedChunk = 4096;

// The line feeds of [at, end), at most kLineFeedChunk bytes, written in order to places, which
// has room for kLineFeedChunk + 1; returns how many.
qsizetype findLineFeeds(VectorUnit unit, const char* data, qsizetype at, qsizetype end,
                        qsizetype* places);

// How many line feeds lie in [from, to), and where the last does (-1: none). The unit may read
// up to 64 bytes past to.
struct LineFeedCount {
    qsizetype count = 0;
    qsizetype last = -1;
};
LineFeedCount countLineFeeds(VectorUnit unit, const char* data, qsizetype from, qsizetype to);

// Upper-cases [at, end) in place and writes whether it changed each byte (byte i at bit i % 8 of
// bits[i / 8]): every bits byte from at / 8 on that holds a byte of the range is written whole,
// the bits past end zero, so they need not be cleared first. A block's bits are written at once,
// so at is a multiple of 64. Letters a to z are changed in the vector unit, the few bytes of 0x80
// and above through the table, and those are counted.
void upperCase(VectorUnit unit, unsigned char* bytes, unsigned char* bits, qsizetype at,
               qsizetype end, std::array<qsizetype, 256>& counts);

} // namespace bytepasses
