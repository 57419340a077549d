#include "scripture/versetext.h"

#include "scripture/bytepasses.h"
#include "scripture/uppercase.h"
#include "storage/plainfile.h"
#include "text/codepage.h"

#include <QFile>

#include <algorithm>
#include <bit>
#include <cstring>
#include <string.h> // memrchr

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

std::optional<QByteArray> windows1252(QStringView text) {
    if (!codepage::fitsWindows1252(text))
        return std::nullopt;
    return codepage::encodeWindows1252(text);
}

// Decodes the bytes into out, sixteen at a time where all are below 0x80 (the same in UTF-16);
// returns the end.
QChar* decodeInto(QChar* out, QByteArrayView bytes) {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    qsizetype at = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; at + 16 <= bytes.size(); at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
        if (_mm_movemask_epi8(block) != 0) {
            for (qsizetype i = at; i < at + 16; ++i)
                out[i] = codepage::fromWindows1252(in[i]);
            continue;
        }
        auto* to = reinterpret_cast<__m128i*>(out + at);
        _mm_storeu_si128(to, _mm_unpacklo_epi8(block, zero));
        _mm_storeu_si128(to + 1, _mm_unpackhi_epi8(block, zero));
    }
#endif
    for (; at < bytes.size(); ++at)
        out[at] = codepage::fromWindows1252(in[at]);
    return out + bytes.size();
}

// Writes the line, decoded, with every occurrence of the prefix taken out; returns the end.
QChar* writeWithout(QChar* out, QByteArrayView line, QByteArrayView prefix) {
    qsizetype from = 0;
    while (from < line.size()) {
        qsizetype at = prefix.isEmpty() ? -1 : line.indexOf(prefix, from);
        if (at < 0)
            at = line.size();
        out = decodeInto(out, line.sliced(from, at - from));
        from = at + prefix.size();
    }
    return out;
}

#if defined(__SSE2__)
__m128i load16(const char* from) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
}
#endif

// Whether a and b begin with the same size bytes. For the few bytes of a book's name, each place
// readable sixteen bytes on: tested at once, with no loop whose varying length the processor
// cannot foresee.
bool sameShortBytes(const char* a, const char* b, qsizetype size) {
#if defined(__SSE2__)
    if (size < 16) {
        const unsigned wanted = (1u << size) - 1;
        const auto same = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(load16(a), load16(b))));
        return (same & wanted) == wanted;
    }
#endif
    return std::memcmp(a, b, std::size_t(size)) == 0;
}

// Whether digits, none or more, then a colon follow from at, before reach. The first sixteen
// bytes from at are readable, so a verse number's few digits and its colon are tested at once,
// with no byte waited for before the answer.
bool digitsThenColon(const char* data, qsizetype at, qsizetype reach) {
#if defined(__SSE2__)
    const __m128i bytes = load16(data + at);
    const __m128i fromZero = _mm_sub_epi8(bytes, _mm_set1_epi8('0'));
    const auto digits = unsigned(
        _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(fromZero, _mm_set1_epi8(9)), fromZero)));
    const auto colons = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(':'))));
    const int firstOther = std::countr_one(digits);
    if (firstOther < 16)
        return at + firstOther < reach && ((colons >> firstOther) & 1u) != 0;
    at += 16; // sixteen digits and more go on below
#endif
    for (; at < reach && data[at] >= '0' && data[at] <= '9'; ++at) {
    }
    return at < reach && data[at] == ':';
}

} // namespace

VerseText::VerseText(QByteArrayView bytes, VectorUnit unit)
    : VerseText(bufferFor(bytes.size()), bytes.size()) {
    m_unit = vectorunit::orWidest(unit);
    if (!bytes.isEmpty())
        std::memcpy(m_buffer.data(), bytes.data(), std::size_t(bytes.size()));
    Indexing indexing;
    qsizetype end = 0;
    do {
        end = std::min(m_size, end + kStretch);
        indexStretch(indexing, end, m_size);
    } while (end < m_size);
    finishIndexing(indexing);
}

VerseText::VerseText(PageBuffer buffer, qsizetype size)
    : m_buffer(std::move(buffer))
    , m_size(size)
    , m_foldedOffset(foldedOffsetFor(size)) {}

qsizetype VerseText::foldedOffsetFor(qsizetype size) {
    return (size + kPadding + 63) / 64 * 64;
}

PageBuffer VerseText::bufferFor(qsizetype size) {
    return PageBuffer(foldedOffsetFor(size) + (size + 7) / 8 + kFoldedPadding);
}

// QFile::readAll would read into a fresh heap block that is then copied; reading into the
// text's own memory saves the copy and the page faults of a second block as large as the file.
// Each stretch read is indexed and upper-cased where it lies while the processor's caches still
// hold it, so the bytes come from memory once, not once for every step of the indexing.
std::optional<VerseText> VerseText::readFile(const QString& path) {
    PlainFile plain(path);
    if (!plain.isOpen())
        return std::nullopt;
    QFile& file = plain.file();
    const qint64 size = file.size();
    if (size <= 0) { // a file whose size the system does not know is read to its end
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return std::nullopt;
        return VerseText(QByteArrayView(bytes));
    }
    VerseText text(bufferFor(size), size);
    char* data = text.m_buffer.data();
    Indexing indexing;
    qint64 read = 0;
    while (read < size) {
        const qint64 got = file.read(data + read, std::min<qint64>(kStretch, size - read));
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break; // the file shrank since its size was taken
        read += got;
        // A line's book is looked for up to kBookReach bytes on, which must be read already.
        const qsizetype end = (read - kBookReach) / kVectorBytes * kVectorBytes;
        if (read < size && end > indexing.done)
            text.indexStretch(indexing, end, read);
    }
    // A file that shrank since its size was taken leaves bytes and bits that nothing writes.
    std::memset(data + read, 0, std::size_t(size - read));
    const qsizetype bitsRead = text.m_foldedOffset + (read + 7) / 8;
    std::memset(data + bitsRead, 0, std::size_t(text.m_foldedOffset + (size + 7) / 8 - bitsRead));
    text.m_size = read;
    text.indexStretch(indexing, read, read);
    text.finishIndexing(indexing);
    return text;
}

// The bytes before the last space ahead of the first colon, where the colon lies within
// kBookReach bytes of the start (a book name is far shorter); the empty name otherwise, which
// every line begins with. The bytes are the file's: the stretch is not upper-cased yet.
QByteArrayView VerseText::bookAt(qsizetype start, qsizetype readEnd) const {
    const QByteArrayView ahead(m_buffer.data() + start,
                               std::min(readEnd, start + kBookReach) - start);
    const qsizetype colon = ahead.indexOf(':');
    if (colon < 0)
        return {};
    const QByteArrayView beforeColon = ahead.first(colon);
    const qsizetype space = beforeColon.contains('\n') ? -1 : beforeColon.lastIndexOf(' ');
    return space < 0 ? QByteArrayView() : beforeColon.first(space);
}

void VerseText::Indexing::startLine(const VerseText& text, qsizetype start, qsizetype readEnd) {
    lineStart = start;
    sameBook = continuesBook(text.m_buffer.data(), start, readEnd);
    if (sameBook)
        return;
    const QByteArrayView name = text.bookAt(start, readEnd);
    std::copy(name.begin(), name.end(), book.begin());
    bookSize = name.size();
}

// A line that begins with the book of the line before, a space, digits and a colon has that
// book: bookAt() finds the same name there, since a name holds no colon. Nearly every line is
// such a line, and this costs far less than looking for the name afresh.
bool VerseText::Indexing::continuesBook(const char* data, qsizetype start,
                                        qsizetype readEnd) const {
    const qsizetype reach = std::min(readEnd, start + kBookReach);
    qsizetype at = start + bookSize;
    if (bookSize == 0 || at >= reach || data[at] != ' ')
        return false;
    return sameShortBytes(data + start, book.data(), bookSize) &&
           digitsThenColon(data, at + 1, reach);
}

void VerseText::addLine(const Indexing& indexing, qsizetype end) {
    const auto line = qsizetype(m_starts.size());
    m_starts.push_back(indexing.lineStart);
    m_ends.push_back(end);
    const QByteArrayView book(indexing.book.data(), indexing.bookSize);
    if (!m_bookRuns.empty() && (indexing.sameBook || m_bookRuns.back().book == book))
        m_bookRuns.back().last = line + 1;
    else
        m_bookRuns.push_back({book.toByteArray(), line, line + 1});
}

// The line table grows as the breaks are found; it is sized for lines of some 64 bytes at first,
// so that a text of verses grows it rarely.
void VerseText::indexStretch(Indexing& indexing, qsizetype end, qsizetype readEnd) {
    if (indexing.done == 0) {
        // The upper-casing writes every bits byte; what lies around them is zeroed here.
        char* data = m_buffer.data();
        const qsizetype bitsEnd = m_foldedOffset + (m_size + 7) / 8;
        std::memset(data + m_size, 0, std::size_t(m_foldedOffset - m_size));
        std::memset(data + bitsEnd, 0, std::size_t(m_buffer.size() - bitsEnd));
        m_starts.reserve(std::size_t(m_size / 64 + 1));
        m_ends.reserve(std::size_t(m_size / 64 + 1));
        m_blockLines.assign(std::size_t(m_size / kBlockBytes + 2), 0); // room for one written ahead
        indexing.startLine(*this, 0, readEnd);
    }
    indexLines(indexing, end, readEnd);
    upperCase(indexing, end);
    indexing.done = end;
}

void VerseText::finishIndexing(Indexing& indexing) {
    if (indexing.lineStart < m_size)
        addLine(indexing, m_size);
    // The table was sized at the first stretch, for a size the text can only have kept or lost.
    const std::size_t blocks = std::size_t(m_size / kBlockBytes + 1);
    for (auto block = std::size_t(indexing.blocksFilled); block < blocks; ++block)
        m_blockLines[block] = std::max<qsizetype>(lineCount() - 1, 0);
    m_blockLines.resize(blocks);
    // Bytes below 0x80 are counted in a sample of the text, and never as absent: their counts
    // only rank the bytes of a pattern. Those from 0x80 up are counted exactly, so an accented
    // letter the text lacks is known to be nowhere.
    for (std::size_t byte = 0; byte < 0x80; ++byte)
        m_upperCounts[byte] = indexing.sampled[byte] * kSampleEvery + 1;
    for (std::size_t byte = 0x80; byte < 256; ++byte)
        m_upperCounts[byte] = indexing.sampled[byte];
}

// Each block whose first byte lies before next and has no line yet lies in the line just added.
// Nearly every line starts at most one block: that block's entry is written whatever, and kept
// only when it is the line's, so no branch hangs on the lengths of the lines.
void VerseText::fillBlocks(Indexing& indexing, qsizetype next) {
    const qsizetype line = lineCount() - 1;
    qsizetype& filled = indexing.blocksFilled;
    m_blockLines[std::size_t(filled)] = line;
    filled += static_cast<qsizetype>(filled * kBlockBytes < next);
    for (; filled * kBlockBytes < next; ++filled)
        m_blockLines[std::size_t(filled)] = line;
}

void VerseText::indexLines(Indexing& indexing, qsizetype end, qsizetype readEnd) {
    const char* data = m_buffer.data();
    std::vector<qsizetype>& places = indexing.lineFeeds;
    places.resize(std::size_t(bytepasses::kLineFeedChunk + 1));
    for (qsizetype chunk = indexing.done; chunk < end; chunk += bytepasses::kLineFeedChunk) {
        const qsizetype count = bytepasses::findLineFeeds(
            m_unit, data, chunk, std::min(end, chunk + bytepasses::kLineFeedChunk), places.data());
        for (qsizetype i = 0; i < count; ++i) {
            const qsizetype lineFeed = places[std::size_t(i)];
            qsizetype lineEnd = lineFeed;
            if (lineEnd > indexing.lineStart && data[lineEnd - 1] == '\r')
                --lineEnd;
            addLine(indexing, lineEnd);
            fillBlocks(indexing, lineFeed + 1);
            indexing.startLine(*this, lineFeed + 1, readEnd);
        }
    }
}

// Upper-cased with the bytes of 0x80 and above counted exactly; those below in a sample.
void VerseText::upperCase(Indexing& indexing, qsizetype end) {
    auto* bytes = reinterpret_cast<unsigned char*>(m_buffer.data());
    auto* bits = reinterpret_cast<unsigned char*>(m_buffer.data() + m_foldedOffset);
    auto& counts = indexing.sampled;
    bytepasses::upperCase(m_unit, bytes, bits, indexing.done, end, counts);
    // The sample: the first kVectorBytes of every kSampleEvery-th stretch of that size.
    constexpr qsizetype kSampleStride = kVectorBytes * kSampleEvery;
    for (qsizetype sample = (indexing.done + kSampleStride - 1) / kSampleStride * kSampleStride;
         sample < end; sample += kSampleStride) {
        for (qsizetype i = sample; i < std::min(end, sample + kVectorBytes); ++i) {
            if (bytes[i] < 0x80)
                ++counts[bytes[i]];
        }
    }
}

bool VerseText::folded(qsizetype place) const {
    const auto* bits = reinterpret_cast<const unsigned char*>(m_buffer.data() + m_foldedOffset);
    return (bits[place / 8] >> (place % 8)) & 1u;
}

unsigned char VerseText::fileByte(qsizetype place) const {
    const auto upper = static_cast<unsigned char>(m_buffer.data()[place]);
    return folded(place) ? scripture::unfoldByteTable()[upper] : upper;
}

// Sixteen bytes at a time where none is 0x80 or above: then only letters A to Z were folded,
// and each gets its case bit back.
void VerseText::copyFileBytes(char* out, qsizetype from, qsizetype end) const {
    const auto* upper = reinterpret_cast<const unsigned char*>(m_buffer.data());
    qsizetype at = from;
#if defined(__SSE2__)
    const auto* bits = reinterpret_cast<const unsigned char*>(m_buffer.data() + m_foldedOffset);
    const __m128i bitOfByte = _mm_set_epi8(char(0x80), 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01,
                                           char(0x80), 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01);
    const __m128i caseBit = _mm_set1_epi8(0x20);
    for (; at + 16 <= end; at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(upper + at));
        if (_mm_movemask_epi8(block) != 0) {
            for (qsizetype i = at; i < at + 16; ++i)
                out[i - from] = char(fileByte(i));
            continue;
        }
        quint32 word; // the bits of this block and the next, from the block's first
        std::memcpy(&word, bits + at / 8, sizeof word);
        const unsigned pair = (word >> (at % 8)) & 0xffffu;
        // Each bit spread over its byte: all ones where the byte was folded.
        const __m128i spread =
            _mm_unpacklo_epi64(_mm_set1_epi8(char(pair & 0xffu)), _mm_set1_epi8(char(pair >> 8)));
        const __m128i wasFolded = _mm_cmpeq_epi8(_mm_and_si128(spread, bitOfByte), bitOfByte);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + (at - from)),
                         _mm_add_epi8(block, _mm_and_si128(wasFolded, caseBit)));
    }
#endif
    for (; at < end; ++at)
        out[at - from] = char(fileByte(at));
}

// The line breaks before the place tell its line, counted from the given line's start or from
// the start of the place's block, whichever is nearer, and the last of them where it starts; the
// first one after it where it ends. A CR just before that LF belongs to the break, and lies
// within the line.
VerseText::LineHolding VerseText::lineHolding(qsizetype place, qsizetype from,
                                              qsizetype fromLine) const {
    const char* upper = m_buffer.data();
    const qsizetype blockStart = place / kBlockBytes * kBlockBytes;
    const qsizetype countFrom = std::max(from, blockStart);
    const bytepasses::LineFeedCount before =
        bytepasses::countLineFeeds(m_unit, upper, countFrom, place);
    LineHolding holding;
    holding.line =
        (from >= blockStart ? fromLine : m_blockLines[std::size_t(place / kBlockBytes)]) +
        before.count;
    if (before.last >= 0) {
        holding.start = before.last + 1;
    } else {
        const auto* lineFeed =
            static_cast<const char*>(memrchr(upper + from, '\n', std::size_t(countFrom - from)));
        holding.start = lineFeed ? lineFeed - upper + 1 : from;
    }
    const auto* lineFeed =
        static_cast<const char*>(std::memchr(upper + place, '\n', std::size_t(m_size - place)));
    if (!lineFeed) {
        holding.end = holding.next = m_size;
        return holding;
    }
    holding.next = lineFeed - upper + 1;
    holding.end = lineFeed > upper && lineFeed[-1] == '\r' ? holding.next - 2 : holding.next - 1;
    return holding;
}

QByteArray VerseText::line(qsizetype line) const {
    QByteArray bytes(lineEnd(line) - lineStart(line), Qt::Uninitialized);
    copyFileBytes(bytes.data(), lineStart(line), lineEnd(line));
    return bytes;
}

bool VerseText::startsWith(QByteArrayView bytes) const {
    return bytes.size() <= m_size && fileBytesAt(0, bytes);
}

bool VerseText::fileBytesAt(qsizetype place, QByteArrayView bytes) const {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (fileByte(place + i) != static_cast<unsigned char>(bytes[i]))
            return false;
    }
    return true;
}

QByteArrayView VerseText::upperLine(qsizetype line) const {
    return upperBytes().sliced(lineStart(line), lineEnd(line) - lineStart(line));
}

QByteArrayView VerseText::lineInto(qsizetype line, LineBuffer& buffer) const {
    buffer.resize(lineEnd(line) - lineStart(line));
    copyFileBytes(buffer.data(), lineStart(line), lineEnd(line));
    return {buffer.data(), buffer.size()};
}

QString VerseText::decodedLine(qsizetype line) const {
    LineBuffer buffer;
    const QByteArrayView bytes = lineInto(line, buffer);
    QString text(bytes.size(), Qt::Uninitialized);
    decodeInto(text.data(), bytes);
    return text;
}

std::vector<VerseText::LineRun> VerseText::linesBeginningWith(QStringView prefix) const {
    const std::optional<QByteArray> bytes = windows1252(prefix);
    if (!bytes)
        return {};
    return linesBeginningWith(QByteArrayView(*bytes));
}

namespace {
void addLines(std::vector<VerseText::LineRun>& runs, qsizetype first, qsizetype last) {
    if (!runs.empty() && runs.back().last == first)
        runs.back().last = last;
    else
        runs.push_back({first, last});
}
} // namespace

std::vector<VerseText::LineRun> VerseText::linesBeginningWith(QByteArrayView prefix) const {
    if (prefix.isEmpty())
        return allLines();
    std::vector<LineRun> runs;
    for (const BookRun& run : m_bookRuns) {
        if (run.book.startsWith(prefix)) {
            addLines(runs, run.first, run.last);
        } else if (prefix.startsWith(run.book)) {
            // The run's lines all begin with the book: only the rest is compared.
            const QByteArrayView rest = prefix.sliced(run.book.size());
            for (qsizetype line = run.first; line < run.last; ++line) {
                const qsizetype start = lineStart(line) + run.book.size();
                if (lineEnd(line) - start >= rest.size() && fileBytesAt(start, rest))
                    addLines(runs, line, line + 1);
            }
        }
    }
    return runs;
}

std::vector<VerseText::LineRun> VerseText::allLines() const {
    if (lineCount() == 0)
        return {};
    return {{0, lineCount()}};
}

QString VerseText::chapterText(QStringView prefix) const {
    const std::optional<QByteArray> bytes = windows1252(prefix);
    if (!bytes)
        return {};
    const QByteArrayView pattern(*bytes);
    const std::vector<LineRun> runs = linesBeginningWith(pattern);
    qsizetype room = 0;
    for (const LineRun& run : runs)
        room += lineEnd(run.last - 1) - lineStart(run.first) + 4 * (run.last - run.first);
    QString text(room, Qt::Uninitialized);
    QChar* out = text.data();
    LineBuffer buffer;
    for (const LineRun& run : runs) {
        for (qsizetype i = run.first; i < run.last; ++i) {
            out = writeWithout(out, lineInto(i, buffer), pattern);
            for (const char ch : {'\r', '\n', '\r', '\n'})
                *out++ = QLatin1Char(ch);
        }
    }
    text.truncate(out - text.constData());
    return text;
}
