#pragma once

#include "scripture/bytepasses.h"
#include "text/vectorunit.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdlib>
#include <memory>
#include <vector>

// Lines listed in text order, as a search or a reference finds them: four bytes a line, as a text
// has fewer lines than bytepasses::kLargestText.
using LineList = std::vector<quint32>;

// Where every line of a text starts, and which lines belong to which book: made a stretch at a
// time while the text is read, so each stretch is looked at while the processor's caches still
// hold it. Lines break at LF; the text's size plus one stands for the start after a last line
// without a break. Starts are kept in four bytes each: a text is at most
// bytepasses::kLargestText bytes long.
//
// A line's book is the bytes before the last space ahead of its first colon, where that colon
// lies within bytepasses::kBookReach bytes of its start; the empty name otherwise. Lines of one
// book in a row make a run: a prefix that a book's name begins with takes the whole run, one
// that begins with the name is tested in the run's lines only, and any other begins none of
// them. The text's books make one run each.
class LineIndex {
public:
    // Consecutive lines [first, last).
    struct LineRun {
        qsizetype first = 0;
        qsizetype last = 0;
        bool operator==(const LineRun&) const = default;
    };
    struct BookRun {
        QByteArray book; // as in the text
        LineRun lines;
    };

    LineIndex() = default;

    qsizetype lineCount() const { return m_lineCount; }
    qsizetype lineStart(qsizetype line) const { return qsizetype(m_starts.get()[line]); }
    // Where the line after it starts: one past the line's break.
    qsizetype nextStart(qsizetype line) const { return qsizetype(m_starts.get()[line + 1]); }
    // The line that holds the place, looked for from a line that starts at or before it on:
    // among the few lines of the place's block, never further than the next block's first.
    qsizetype lineAt(qsizetype place, qsizetype from = 0) const;

    // Each block of this many bytes knows the line its first byte lies in.
    static constexpr qsizetype kBlockBytes = 4096;
    const std::vector<BookRun>& bookRuns() const { return m_bookRuns; }

    // Made as the text is read: given each stretch of bytes in turn.
    class Builder;

private:
    struct Free {
        void operator()(bytepasses::LineStart* starts) const { std::free(starts); }
    };
    // Left uninitialised until written, so no page of it is zeroed and then written again.
    std::unique_ptr<bytepasses::LineStart, Free> m_starts;
    qsizetype m_lineCount = 0;
    std::vector<BookRun> m_bookRuns;
    std::vector<qsizetype> m_blockLines; // the line of each block's first byte
};

class LineIndex::Builder {
public:
    // firstStart: where the first line starts (past a byte-order mark); sizeHint: about how long
    // the text is, to size the table at once. The text is at most bytepasses::kLargestText long.
    Builder(qsizetype firstStart, qsizetype sizeHint, VectorUnit unit);

    // Indexes the bytes [done, end) of data, read up to readEnd: the lines that start in them
    // and their books. A line's book is looked for up to kBookReach bytes on, so end lies that
    // far short of readEnd, except at the end of the text, which is followed by sixteen readable
    // bytes or more.
    void take(const char* data, qsizetype end, qsizetype readEnd);
    qsizetype done() const { return m_done; }

    // The index of a text of this size, all of it taken.
    LineIndex finish(qsizetype size);

private:
    void reserve(qsizetype room);
    void indexBooks(const char* data, qsizetype from, qsizetype readEnd);
    void startBook(const char* data, qsizetype line, qsizetype readEnd);

    LineIndex m_index;
    qsizetype m_count = 0;    // starts written
    qsizetype m_capacity = 0; // room for starts
    qsizetype m_done = 0;
    VectorUnit m_unit;
    // The book of the lines under way and its space, with room for a vector's reach past them.
    std::array<char, 96> m_book{};
    qsizetype m_bookSize = 0; // without the space
};
