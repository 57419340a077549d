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

// A search finds its hits in text order, often a few lines after the one before: the steps from
// there double until they pass the place, within the place's block and up to the next block's
// first line, a stretch of a few dozen lines whose starts lie close together; the last steps are
// halved. A place within a few lines of the one searched from, as a common word's next hit
// mostly is, is found among the starts just read, without the block table.
qsizetype LineIndex::lineAt(qsizetype place, qsizetype from) const {
    const bytepasses::LineStart* starts = m_starts.get();
    constexpr qsizetype kNearLines = 16;
    if (from + kNearLines < m_lineCount && starts[from + kNearLines] > place) {
        // Counted without a branch a line: where a hit's line lies among the next few varies
        // from hit to hit, and a loop that stopped there would be mispredicted at nearly every
        // one.
        qsizetype passed = 0;
        for (qsizetype line = from + 1; line < from + kNearLines; ++line)
            passed += starts[line] <= place ? 1 : 0;
        return from + passed;
    }
    const auto block = std::size_t(place / kBlockBytes);
    qsizetype low = std::max(from, m_blockLines[block]);
    qsizetype last = block + 1 < m_blockLines.size() ? m_blockLines[block + 1] + 1 : m_lineCount;
    last = std::min(last, m_lineCount);
    qsizetype high = low + 1;
    for (qsizetype step = 1; high < last && starts[high] <= place; step *= 2) {
        low = high;
        high += step;
    }
    high = std::min(high, last);
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
    m_index.m_blockLines.reserve(std::size_t(sizeHint / kBlockBytes + 2));
    m_index.m_starts.get()[0] = bytepasses::LineStart(firstStart);
    m_count = 1;
}

void LineIndex::Builder::reserve(qsizetype room) {
    if (room <= m_capacity)
        return;
    const qsizetype capacity = std::max(room, m_capacity + m_capacity / 2);
    void* grown =
        std::realloc(m_index.m_starts.get(), std::size_t(capacity) * sizeof(bytepasses::LineStart));
    if (!grown)
        throw std::bad_alloc();
    (void)m_index.m_starts.release();
    m_index.m_starts.reset(static_cast<bytepasses::LineStart*>(grown));
    m_capacity = capacity;
}

// The text is taken a block at a time, each but the first beginning at a block's first byte:
// the line that byte lies in is the last one started so far (the first block's is the first,
// whose start may follow a byte-order mark).
void LineIndex::Builder::take(const char* data, qsizetype end, qsizetype readEnd) {
    static_assert(kBlockBytes == bytepasses::kLineFeedChunk);
    if (m_index.m_bookRuns.empty())
        startBook(data, 0, readEnd);
    for (qsizetype chunk = m_done; chunk < end;) {
        if (chunk % kBlockBytes == 0 || m_index.m_blockLines.empty())
            m_index.m_blockLines.push_back(m_count - 1);
        const qsizetype chunkEnd = std::min(end, (chunk / kBlockBytes + 1) * kBlockBytes);
        reserve(m_count + bytepasses::kLineFeedChunk + 1);
        const qsizetype from = m_count;
        m_count += bytepasses::findLineStarts(m_unit, data, chunk, chunkEnd,
                                              m_index.m_starts.get() + m_count);
        indexBooks(data, from, readEnd);
        chunk = chunkEnd;
    }
    m_done = std::max(m_done, end);
}

// Nearly every line goes on with the book of the line before: those are passed over in one
// call, and only a line of another book is looked at byte by byte.
void LineIndex::Builder::indexBooks(const char* data, qsizetype from, qsizetype readEnd) {
    const bytepasses::LineStart* starts = m_index.m_starts.get();
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
    bytepasses::LineStart* starts = m_index.m_starts.get();
    qsizetype lines = m_count - 1;
    if (qsizetype(starts[m_count - 1]) < size) {
        lines = m_count;
        starts[m_count] = bytepasses::LineStart(size + 1);
    }
    std::vector<BookRun>& runs = m_index.m_bookRuns;
    while (!runs.empty() && runs.back().lines.first >= lines)
        runs.pop_back();
    if (!runs.empty())
        runs.back().lines.last = lines;
    // Blocks past the last line's start lie in it; a text that shrank as it was read has fewer.
    std::vector<qsizetype>& blocks = m_index.m_blockLines;
    blocks.resize(std::size_t(size / kBlockBytes + 1), std::max<qsizetype>(lines - 1, 0));
    for (qsizetype& line : blocks)
        line = std::min(line, std::max<qsizetype>(lines - 1, 0));
    m_index.m_lineCount = lines;
    return std::move(m_index);
}
