#include "scripture/versetext.h"

#include "app/codepage.h"
#include "scripture/uppercase.h"

#include <cstring>

namespace {

std::optional<QByteArray> windows1252(QStringView text) {
    if (!codepage::fitsWindows1252(text))
        return std::nullopt;
    return codepage::encodeWindows1252(text);
}

// Appends the line to the text with every occurrence of the prefix taken out.
void appendWithout(QString& text, QByteArrayView line, QByteArrayView prefix) {
    qsizetype from = 0;
    while (from < line.size()) {
        qsizetype at = prefix.isEmpty() ? -1 : line.indexOf(prefix, from);
        if (at < 0)
            at = line.size();
        text += codepage::decodeWindows1252(line.sliced(from, at - from));
        from = at + prefix.size();
    }
}

} // namespace

VerseText::VerseText(QByteArray bytes)
    : m_bytes(std::move(bytes)) {
    indexLines();
    makeUpperCopy();
}

void VerseText::indexLines() {
    const char* data = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    m_starts.reserve(std::size_t(size / 100 + 1));
    m_ends.reserve(std::size_t(size / 100 + 1));
    qsizetype start = 0;
    while (start < size) {
        const void* found = std::memchr(data + start, '\n', std::size_t(size - start));
        const qsizetype lineFeed = found ? static_cast<const char*>(found) - data : size;
        qsizetype end = lineFeed;
        if (found && end > start && data[end - 1] == '\r')
            --end;
        m_starts.push_back(start);
        m_ends.push_back(end);
        start = lineFeed + 1;
    }
}

void VerseText::makeUpperCopy() {
    const auto& table = scripture::upperByteTable();
    m_upper.resize(m_bytes.size());
    const auto* in = reinterpret_cast<const unsigned char*>(m_bytes.constData());
    auto* out = reinterpret_cast<unsigned char*>(m_upper.data());
    for (qsizetype i = 0; i < m_bytes.size(); ++i) {
        out[i] = table[in[i]];
        ++m_upperCounts[out[i]];
    }
}

QByteArrayView VerseText::line(qsizetype line) const {
    return QByteArrayView(m_bytes).sliced(lineStart(line), lineEnd(line) - lineStart(line));
}

QByteArrayView VerseText::upperLine(qsizetype line) const {
    return QByteArrayView(m_upper).sliced(lineStart(line), lineEnd(line) - lineStart(line));
}

const QStringList& VerseText::lines() const {
    if (!m_lines) {
        QStringList lines;
        lines.reserve(lineCount());
        for (qsizetype i = 0; i < lineCount(); ++i)
            lines.append(codepage::decodeWindows1252(line(i)));
        m_lines = std::move(lines);
    }
    return *m_lines;
}

std::vector<VerseText::LineRun> VerseText::linesBeginningWith(QStringView prefix) const {
    const std::optional<QByteArray> bytes = windows1252(prefix);
    if (!bytes)
        return {};
    return linesBeginningWith(QByteArrayView(*bytes));
}

std::vector<VerseText::LineRun> VerseText::linesBeginningWith(QByteArrayView prefix) const {
    if (prefix.isEmpty())
        return allLines();
    std::vector<LineRun> runs;
    const char* data = m_bytes.constData();
    const char first = prefix.front();
    const auto size = std::size_t(prefix.size());
    for (qsizetype i = 0; i < lineCount(); ++i) {
        const qsizetype start = m_starts[std::size_t(i)];
        const bool begins = m_ends[std::size_t(i)] - start >= prefix.size() &&
                            data[start] == first &&
                            std::memcmp(data + start, prefix.data(), size) == 0;
        if (!begins)
            continue;
        if (!runs.empty() && runs.back().last == i)
            runs.back().last = i + 1;
        else
            runs.push_back({i, i + 1});
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
    QString text;
    for (const LineRun& run : linesBeginningWith(pattern)) {
        for (qsizetype i = run.first; i < run.last; ++i) {
            appendWithout(text, line(i), pattern);
            text += QStringLiteral("\r\n\r\n");
        }
    }
    return text;
}
