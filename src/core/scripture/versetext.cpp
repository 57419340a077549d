#include "scripture/versetext.h"

#include "scripture/uppercase.h"
#include "text/codepage.h"

#include <algorithm>
#include <cstring>

namespace {

std::optional<QByteArray> windows1252(QStringView text) {
    if (!codepage::fitsWindows1252(text))
        return std::nullopt;
    return codepage::encodeWindows1252(text);
}

// Writes the line, decoded, with every occurrence of the prefix taken out; returns the end.
QChar* writeWithout(QChar* out, QByteArrayView line, QByteArrayView prefix) {
    qsizetype from = 0;
    while (from < line.size()) {
        qsizetype at = prefix.isEmpty() ? -1 : line.indexOf(prefix, from);
        if (at < 0)
            at = line.size();
        for (qsizetype i = from; i < at; ++i)
            *out++ = codepage::fromWindows1252(static_cast<unsigned char>(line[i]));
        from = at + prefix.size();
    }
    return out;
}

} // namespace

VerseText::VerseText(QByteArray bytes)
    : m_bytes(std::move(bytes)) {
    indexLines();
    indexFirstBytes();
    makeUpperCopy();
}

quint32 VerseText::keyOf(const char* bytes) {
    quint32 key;
    std::memcpy(&key, bytes, sizeof key);
    return key;
}

void VerseText::indexFirstBytes() {
    for (qsizetype i = 0; i < lineCount(); ++i) {
        if (lineEnd(i) - lineStart(i) < kKeyLength)
            continue;
        const quint32 key = keyOf(m_bytes.constData() + lineStart(i));
        if (!m_keyRuns.empty() && m_keyRuns.back().key == key && m_keyRuns.back().last == i)
            m_keyRuns.back().last = i + 1;
        else
            m_keyRuns.push_back({key, i, i + 1});
    }
    std::sort(m_keyRuns.begin(), m_keyRuns.end());
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

bool VerseText::begins(qsizetype line, QByteArrayView prefix) const {
    return lineEnd(line) - lineStart(line) >= prefix.size() &&
           std::memcmp(m_bytes.constData() + lineStart(line), prefix.data(),
                       std::size_t(prefix.size())) == 0;
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
    for (const LineRun& run : runs) {
        for (qsizetype i = run.first; i < run.last; ++i) {
            out = writeWithout(out, line(i), pattern);
            for (const char ch : {'\r', '\n', '\r', '\n'})
                *out++ = QLatin1Char(ch);
        }
    }
    text.truncate(out - text.constData());
    return text;
}
