#include "scripture/versetext.h"

#include "scripture/uppercase.h"
#include "storage/plainfile.h"
#include "text/codepage.h"

#include <QFile>

#include <algorithm>
#include <bit>
#include <cstring>

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

// The byte that upper-cases to each byte, where another than itself does; the byte itself
// otherwise. Upper-casing maps no two bytes to one, so this undoes it.
const std::array<unsigned char, 256>& unfoldTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> bytes{};
        for (int byte = 0; byte < 256; ++byte)
            bytes[std::size_t(byte)] = static_cast<unsigned char>(byte);
        const auto& upper = scripture::upperByteTable();
        for (int byte = 0; byte < 256; ++byte) {
            if (upper[std::size_t(byte)] == byte)
                continue;
            Q_ASSERT(bytes[upper[std::size_t(byte)]] == upper[std::size_t(byte)]);
            bytes[upper[std::size_t(byte)]] = static_cast<unsigned char>(byte);
        }
        return bytes;
    }();
    return table;
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

} // namespace

VerseText::VerseText(QByteArrayView bytes)
    : VerseText(bufferFor(bytes.size()), bytes.size()) {
    if (!bytes.isEmpty())
        std::memcpy(m_buffer.data(), bytes.data(), std::size_t(bytes.size()));
    index();
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
// The text is then upper-cased where it lies.
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
    PageBuffer buffer = bufferFor(size);
    qint64 read = 0;
    while (read < size) {
        const qint64 got = file.read(buffer.data() + read, size - read);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break; // the file shrank since its size was taken
        read += got;
    }
    VerseText text(std::move(buffer), read);
    text.index();
    return text;
}

quint32 VerseText::keyOf(const char* bytes) {
    quint32 key;
    std::memcpy(&key, bytes, sizeof key);
    return key;
}

void VerseText::index() {
    char* data = m_buffer.data();
    std::memset(data + m_size, 0, std::size_t(m_buffer.size() - m_size));
    const std::array<qsizetype, 256> counts = countBytes();
    indexLines(counts[std::size_t('\n')]);
    indexFirstBytes(); // of the file's bytes, before they are upper-cased
    // Last, so that the bytes a search reads are what the cache holds when loading ends.
    upperCaseInPlace();
    const auto& table = scripture::upperByteTable();
    for (std::size_t byte = 0; byte < 256; ++byte)
        m_upperCounts[table[byte]] += counts[byte];
}

// How often each byte occurs in the text, counted into four tables in turn so that a run of one
// byte does not wait on its own count.
std::array<qsizetype, 256> VerseText::countBytes() const {
    constexpr qsizetype kSlice = qsizetype(1) << 30; // a table entry never overflows
    const auto* in = reinterpret_cast<const unsigned char*>(m_buffer.data());
    std::array<qsizetype, 256> total{};
    std::array<std::array<quint32, 256>, 4> counts;
    for (qsizetype slice = 0; slice < m_size; slice += kSlice) {
        const qsizetype sliceEnd = std::min(m_size, slice + kSlice);
        for (auto& part : counts)
            part.fill(0);
        qsizetype at = slice;
        for (; at + 4 <= sliceEnd; at += 4) {
            ++counts[0][in[at]];
            ++counts[1][in[at + 1]];
            ++counts[2][in[at + 2]];
            ++counts[3][in[at + 3]];
        }
        for (; at < sliceEnd; ++at)
            ++counts[0][in[at]];
        for (std::size_t byte = 0; byte < 256; ++byte)
            total[byte] += counts[0][byte] + counts[1][byte] + counts[2][byte] + counts[3][byte];
    }
    return total;
}

void VerseText::indexFirstBytes() {
    const char* data = m_buffer.data();
    for (qsizetype i = 0; i < lineCount(); ++i) {
        if (lineEnd(i) - lineStart(i) < kKeyLength)
            continue;
        const quint32 key = keyOf(data + lineStart(i));
        if (!m_keyRuns.empty() && m_keyRuns.back().key == key && m_keyRuns.back().last == i)
            m_keyRuns.back().last = i + 1;
        else
            m_keyRuns.push_back({key, i, i + 1});
    }
    std::sort(m_keyRuns.begin(), m_keyRuns.end());
}

// The breaks are counted first so the line tables are allocated once, at their exact size.
void VerseText::indexLines(qsizetype breaks) {
    const char* data = m_buffer.data();
    m_starts.reserve(std::size_t(breaks + 1));
    m_ends.reserve(std::size_t(breaks + 1));
    qsizetype start = 0;
    const auto addLine = [&](qsizetype lineFeed) {
        qsizetype end = lineFeed;
        if (end > start && data[end - 1] == '\r')
            --end;
        m_starts.push_back(start);
        m_ends.push_back(end);
        start = lineFeed + 1;
    };
    qsizetype at = 0;
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n');
    for (; at + 16 <= m_size; at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        for (auto mask = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lineFeed))); mask != 0;
             mask &= mask - 1)
            addLine(at + std::countr_zero(mask));
    }
#endif
    for (; at < m_size; ++at) {
        if (data[at] == '\n')
            addLine(at);
    }
    if (start < m_size) {
        m_starts.push_back(start);
        m_ends.push_back(m_size);
    }
}

// Letters a to z are folded sixteen at a time, their sixteen bits written at once; the few
// blocks that hold a byte of 0x80 or above go through the table for those bytes. The bits start
// out zero.
void VerseText::upperCaseInPlace() {
    const auto& table = scripture::upperByteTable();
    auto* bytes = reinterpret_cast<unsigned char*>(m_buffer.data());
    auto* bits = reinterpret_cast<unsigned char*>(m_buffer.data() + m_foldedOffset);
    qsizetype at = 0;
#if defined(__SSE2__)
    const __m128i afterZ = _mm_set1_epi8('z' + 1);
    const __m128i beforeA = _mm_set1_epi8('a' - 1);
    const __m128i caseBit = _mm_set1_epi8(0x20);
    for (; at + 16 <= m_size; at += 16) {
        auto* place = reinterpret_cast<__m128i*>(bytes + at);
        const __m128i block = _mm_loadu_si128(place);
        // Bytes of 0x80 and above compare as negative, so they are never taken for a to z.
        const __m128i lower =
            _mm_and_si128(_mm_cmpgt_epi8(block, beforeA), _mm_cmpgt_epi8(afterZ, block));
        auto changed = unsigned(_mm_movemask_epi8(lower));
        _mm_storeu_si128(place, _mm_sub_epi8(block, _mm_and_si128(lower, caseBit)));
        for (auto high = unsigned(_mm_movemask_epi8(block)); high != 0; high &= high - 1) {
            const int i = std::countr_zero(high);
            const unsigned char upper = table[bytes[at + i]];
            if (upper != bytes[at + i]) {
                bytes[at + i] = upper;
                changed |= 1u << i;
            }
        }
        const auto pair = quint16(changed);
        std::memcpy(bits + at / 8, &pair, sizeof pair);
    }
#endif
    for (; at < m_size; ++at) {
        const unsigned char upper = table[bytes[at]];
        if (upper != bytes[at]) {
            bytes[at] = upper;
            bits[at / 8] |= static_cast<unsigned char>(1u << (at % 8));
        }
    }
}

bool VerseText::folded(qsizetype place) const {
    const auto* bits = reinterpret_cast<const unsigned char*>(m_buffer.data() + m_foldedOffset);
    return (bits[place / 8] >> (place % 8)) & 1u;
}

unsigned char VerseText::fileByte(qsizetype place) const {
    const auto upper = static_cast<unsigned char>(m_buffer.data()[place]);
    return folded(place) ? unfoldTable()[upper] : upper;
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

qsizetype VerseText::lineAt(qsizetype place, qsizetype from) const {
    // Gallop from the line given, then halve: a scan asks for lines in file order.
    qsizetype step = 1;
    qsizetype low = from;
    qsizetype high = from + 1;
    while (high < lineCount() && lineStart(high) <= place) {
        low = high;
        step *= 2;
        high = std::min(lineCount(), low + step);
    }
    // lineStart(low) <= place, and high is the line count or a line starting after the place.
    const auto first = m_starts.begin() + low + 1;
    return qsizetype(std::upper_bound(first, m_starts.begin() + high, place) - m_starts.begin()) -
           1;
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

bool VerseText::begins(qsizetype line, QByteArrayView prefix) const {
    return lineEnd(line) - lineStart(line) >= prefix.size() && fileBytesAt(lineStart(line), prefix);
}

namespace {
void addLine(std::vector<VerseText::LineRun>& runs, qsizetype line) {
    if (!runs.empty() && runs.back().last == line)
        runs.back().last = line + 1;
    else
        runs.push_back({line, line + 1});
}
} // namespace

// A line shorter than the key can only begin with a prefix shorter than the key, and such a
// prefix is looked for in every line; a longer prefix only among the lines of its key.
std::vector<VerseText::LineRun> VerseText::linesBeginningWith(QByteArrayView prefix) const {
    if (prefix.isEmpty())
        return allLines();
    if (prefix.size() < kKeyLength)
        return scanForPrefix(prefix);
    const quint32 key = keyOf(prefix.data());
    auto it = std::lower_bound(m_keyRuns.begin(), m_keyRuns.end(), KeyRun{key, 0, 0});
    std::vector<LineRun> runs;
    for (; it != m_keyRuns.end() && it->key == key; ++it) {
        for (qsizetype line = it->first; line < it->last; ++line) {
            if (begins(line, prefix))
                addLine(runs, line);
        }
    }
    return runs;
}

std::vector<VerseText::LineRun> VerseText::scanForPrefix(QByteArrayView prefix) const {
    std::vector<LineRun> runs;
    for (qsizetype i = 0; i < lineCount(); ++i) {
        if (begins(i, prefix))
            addLine(runs, i);
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
