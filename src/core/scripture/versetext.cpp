#include "scripture/versetext.h"

#include "scripture/bytepasses.h"
#include "scripture/casefolding.h"
#include "text/codepage.h"
#include "text/utf8.h"

#include <algorithm>
#include <cstring>
#include <mutex>

namespace {

// Decodes Windows-1252 bytes into out, plain ASCII sixteen at a time; returns the end.
QChar* decodeWindows1252Into(QChar* out, QByteArrayView bytes) {
    qsizetype at = 0;
    while (at < bytes.size()) {
        at += bytepasses::widenAscii(bytes.data() + at, bytes.size() - at,
                                     reinterpret_cast<char16_t*>(out + at));
        // A block that holds another byte, or the last bytes, one at a time.
        const qsizetype blockEnd = std::min(bytes.size(), at + 16);
        for (; at < blockEnd; ++at)
            out[at] = codepage::fromWindows1252(static_cast<unsigned char>(bytes[at]));
    }
    return out + bytes.size();
}

void addLines(std::vector<VerseText::LineRun>& runs, qsizetype first, qsizetype last) {
    if (!runs.empty() && runs.back().last == first)
        runs.back().last = last;
    else
        runs.push_back({first, last});
}

} // namespace

// The sample of byte counts, taken once, whichever thread asks first.
struct VerseText::Sampled {
    std::once_flag countsTaken;
    ByteCounts counts{};
    std::once_flag foldsLooked;
    bool foldsInPlace = true;
};

VerseText::VerseText()
    : VerseText(QByteArrayView()) {}

VerseText::~VerseText() = default;
VerseText::VerseText(VerseText&& other) noexcept = default;
VerseText& VerseText::operator=(VerseText&& other) noexcept = default;

VerseText::VerseText(PageBuffer buffer, qsizetype size, TextEncoding encoding, LineIndex lines)
    : m_buffer(std::move(buffer))
    , m_size(size)
    , m_encoding(encoding)
    , m_lines(std::move(lines))
    , m_sampled(std::make_unique<Sampled>()) {}

VerseText::VerseText(QByteArrayView bytes, TextEncoding unmarked, VectorUnit unit)
    : m_buffer(bytes.size() + kPadding)
    , m_size(bytes.size())
    , m_encoding(scripture::encodingOf(bytes, unmarked))
    , m_sampled(std::make_unique<Sampled>()) {
    char* data = m_buffer.data();
    if (!bytes.isEmpty())
        std::memcpy(data, bytes.data(), std::size_t(bytes.size()));
    std::memset(data + m_size, 0, std::size_t(kPadding));
    LineIndex::Builder index(scripture::firstLineStart(bytes), m_size, unit);
    index.take(data, m_size, m_size);
    m_lines = index.finish(m_size);
}

qsizetype VerseText::lineEnd(qsizetype line) const {
    const qsizetype next = m_lines.nextStart(line);
    if (next > m_size)
        return m_size; // the last line, without a break
    const qsizetype lineFeed = next - 1;
    return lineFeed > lineStart(line) && data()[lineFeed - 1] == '\r' ? lineFeed - 1 : lineFeed;
}

QByteArrayView VerseText::lineBytes(qsizetype line) const {
    return {data() + lineStart(line), lineEnd(line) - lineStart(line)};
}

// Bytes that are not valid UTF-8 read as the program reads every file: each such byte one
// U+FFFD of its own.
QString VerseText::decoded(QByteArrayView bytes) const {
    if (m_encoding == TextEncoding::Utf8)
        return text::decodeUtf8(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    decodeWindows1252Into(text.data(), bytes);
    return text;
}

std::optional<QByteArray> VerseText::encoded(QStringView characters) const {
    if (m_encoding == TextEncoding::Utf8)
        return characters.toUtf8();
    if (!codepage::fitsWindows1252(characters))
        return std::nullopt;
    return codepage::encodeWindows1252(characters);
}

std::vector<VerseText::LineRun> VerseText::allLines() const {
    if (lineCount() == 0)
        return {};
    return {{0, lineCount()}};
}

std::vector<VerseText::LineRun> VerseText::linesOfBook(QByteArrayView book) const {
    std::vector<LineRun> runs;
    for (const LineIndex::BookRun& run : m_lines.bookRuns()) {
        if (run.book == book)
            addLines(runs, run.lines.first, run.lines.last);
    }
    return runs;
}

std::vector<VerseText::LineRun> VerseText::linesBeginningWith(QByteArrayView prefix) const {
    if (prefix.isEmpty())
        return allLines();
    std::vector<LineRun> runs;
    for (const LineIndex::BookRun& run : m_lines.bookRuns()) {
        if (run.book.startsWith(prefix)) {
            addLines(runs, run.lines.first, run.lines.last);
        } else if (prefix.startsWith(run.book)) {
            for (qsizetype line = run.lines.first; line < run.lines.last; ++line) {
                if (lineBytes(line).startsWith(prefix))
                    addLines(runs, line, line + 1);
            }
        }
    }
    return runs;
}

// The first bytes of every 64th block of 64 bytes: enough to rank the bytes of a pattern, at a
// sixty-fourth of a scan's cost.
const VerseText::ByteCounts& VerseText::byteCounts() const {
    std::call_once(m_sampled->countsTaken, [this] {
        ByteCounts& counts = m_sampled->counts;
        counts.fill(1);
        constexpr qsizetype kBlock = 64;
        constexpr qsizetype kStride = kBlock * 64;
        const auto* bytes = reinterpret_cast<const unsigned char*>(data());
        for (qsizetype block = 0; block < m_size; block += kStride) {
            for (qsizetype at = block; at < std::min(m_size, block + kBlock); ++at)
                counts[bytes[at]] += 64;
        }
    });
    return m_sampled->counts;
}

bool VerseText::foldsInPlace() const {
    std::call_once(m_sampled->foldsLooked, [this] {
        m_sampled->foldsInPlace =
            scripture::foldsInPlace(QByteArrayView(data(), m_size), m_encoding);
    });
    return m_sampled->foldsInPlace;
}
