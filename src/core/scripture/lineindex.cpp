#include "scripture/lineindex.h"

#include "scripture/bytepasses.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// The line's book, as LineIndex tells it; the bytes from the start on are read up to readEnd.
QByteArrayView bookAt(const char* data, qsizetype start, qsizetype readEnd) {
    const QByteArrayView ahead(
        data + start,
        std::max<qsizetype>(0, std::min(readEnd, start + bytepasses::kBookReach) - start));
    const qsizetype colon = ahead.indexOf(':');
    if (colon < 0)
        return {};
    const QByteArrayView beforeColon = ahead.first(colon);
    const qsizetype space = beforeColon.contains('\n') ? -1 : beforeColon.lastIndexOf(' ');
    return space < 0 ? QByteArrayView() : beforeColon.first(space);
}

} // namespace

// A search for a run of words finds its hits in text order, each a few lines after the one
// before: the steps from there double until they pass the place, and the last stretch is halved.
qsizetype LineIndex::lineAt(qsizetype place, qsizetype from) const {
    const qsizetype* starts = m_starts.get();
    qsizetype low = from;
    qsizetype high = from + 1;
    for (qsizetype step = 1; high < m_lineCount && starts[high] <= place; step *= 2) {
        low = high;
        high += step;
    }
    high = std::min(high, m_lineCount);
    while (high - low > 1) {
        const qsizetype middle = low + (high - low) / 2;
        (starts[middle] <= place ? low : high) = middle;
    }
    return low;
}

// The table is sized for lines of some 64 bytes, about half a verse line, and grows by halves
// and more should a text's lines be shorter. Memory reserved and never written costs nothing.
LineIndex::Builder::Builder(qsizetype firstStart, qsizetype sizeHint, VectorUnit unit)
    : m_done(firstStart)
    , m_unit(vectorunit::orWidest(unit)) {
    reserve(sizeHint / 64 + bytepasses::kLineFeedChunk + 2);
    m_index.m_starts.get()[0] = firstStart;
    m_count = 1;
}

void LineIndex::Builder::reserve(qsizetype room) {
    if (room <= m_capacity)
        return;
    const qsizetype capacity = std::max(room, m_capacity + m_capacity / 2);
    void* grown = std::realloc(m_index.m_starts.get(), std::size_t(capacity) * sizeof(qsizetype));
    if (!grown)
        throw std::bad_alloc();
    (void)m_index.m_starts.release();
    m_index.m_starts.reset(static_cast<qsizetype*>(grown));
    m_capacity = capacity;
}

void LineIndex::Builder::take(const char* data, qsizetype end, qsizetype readEnd) {
    if (m_index.m_bookRuns.empty())
        startBook(data, 0, readEnd);
    for (qsizetype chunk = m_done; chunk < end; chunk += bytepasses::kLineFeedChunk) {
        reserve(m_count + bytepasses::kLineFeedChunk + 1);
        const qsizetype from = m_count;
        m_count += bytepasses::findLineStarts(m_unit, data, chunk,
                                              std::min(end, chunk + bytepasses::kLineFeedChunk),
                                              m_index.m_starts.get() + m_count);
        indexBooks(data, from, readEnd);
    }
    m_done = std::max(m_done, end);
}

// Nearly every line goes on with the book of the line before: those are passed over in one
// call, and only a line of another book is looked at byte by byte.
void LineIndex::Builder::indexBooks(const char* data, qsizetype from, qsizetype readEnd) {
    const qsizetype* starts = m_index.m_starts.get();
    for (qsizetype line = from; line < m_count; ++line) {
        if (m_bookSize > 0) {
            line += bytepasses::firstOfAnotherBook(data, starts + line, m_count - line,
                                                   {m_book.data(), m_bookSize + 1}, readEnd);
            if (line == m_count)
                return;
        }
        startBook(data, line, readEnd);
    }
}

void LineIndex::Builder::startBook(const char* data, qsizetype line, qsizetype readEnd) {
    const QByteArrayView book = bookAt(data, m_index.m_starts.get()[line], readEnd);
    std::vector<BookRun>& runs = m_index.m_bookRuns;
    if (!runs.empty() && runs.back().book == book)
        return;
    if (!runs.empty())
        runs.back().lines.last = line;
    runs.push_back({book.toByteArray(), {line, line}});
    std::copy(book.begin(), book.end(), m_book.begin());
    m_book[std::size_t(book.size())] = ' ';
    m_bookSize = book.size();
}

// A start at the text's end follows a last line's break and begins no line; a last line without
// a break is ended by the size plus one.
LineIndex LineIndex::Builder::finish(qsizetype size) {
    reserve(m_count + 1);
    qsizetype* starts = m_index.m_starts.get();
    qsizetype lines = m_count - 1;
    if (starts[m_count - 1] < size) {
        lines = m_count;
        starts[m_count] = size + 1;
    }
    std::vector<BookRun>& runs = m_index.m_bookRuns;
    while (!runs.empty() && runs.back().lines.first >= lines)
        runs.pop_back();
    if (!runs.empty())
        runs.back().lines.last = lines;
    m_index.m_lineCount = lines;
    return std::move(m_index);
}
