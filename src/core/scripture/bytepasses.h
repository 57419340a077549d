#pragma once

#include "text/vectorunit.h"

#include <QByteArrayView>
#include <QtGlobal>

#include <limits>

// The passes the text makes over its bytes, each written once over the width of the vector unit
// that runs it: finding where lines start, telling which lines go on with the book of the line
// before, widening plain ASCII to UTF-16.
namespace bytepasses {

// A line's start as the line index keeps it: four bytes, so a text is at most kLargestText bytes
// long (its size plus one stands for the start after a last line without a break).
using LineStart = quint32;
constexpr qsizetype kLargestText = qsizetype(std::numeric_limits<LineStart>::max()) - 1;

// findLineStarts takes at most this many bytes at a time.
constexpr qsizetype kLineFeedChunk = 4096;

// Where the lines after the line feeds of [at, end) start (one past each feed), at most
// kLineFeedChunk bytes, written in order to starts, which has room for kLineFeedChunk + 1;
// returns how many.
qsizetype findLineStarts(VectorUnit unit, const char* data, qsizetype at, qsizetype end,
                         LineStart* starts);

// How far a line's book name may reach: the bytes from a line's start up to its reference's
// colon lie within this many bytes.
constexpr qsizetype kBookReach = 64;

// Of the lines starting at starts[0, count), the first that does not begin with the book's name
// and a space (nameAndSpace, never empty), then digits (none or more) and a colon, all before
// readEnd and within kBookReach of the line's start; count when every one does. Such a line has
// that book, whatever else it holds, as a name holds no colon. Sixteen bytes from each start and
// from nameAndSpace.data() must be readable.
qsizetype firstOfAnotherBook(const char* data, const LineStart* starts, qsizetype count,
                             QByteArrayView nameAndSpace, qsizetype readEnd);

// The first place of [from, to) that holds one of the bytes (eight at most); to when none does.
qsizetype findAnyOf(const char* data, qsizetype from, qsizetype to, QByteArrayView bytes);

// Widens the bytes to UTF-16 sixteen at a time while all are below 0x80 (the same in every
// encoding the text is kept in); returns how many it widened, stopping at the first block that
// holds another byte.
qsizetype widenAscii(const char* in, qsizetype size, char16_t* out);

} // namespace bytepasses
