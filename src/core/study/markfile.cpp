#include "study/markfile.h"

#include "text/linebreak.h"

namespace study {
namespace {

constexpr QChar kSeparator = QLatin1Char('\t');

// The line without its line break.
QStringView contentOf(const QString& line) {
    QStringView content(line);
    if (content.endsWith(QLatin1Char('\n')))
        content.chop(1);
    if (content.endsWith(QLatin1Char('\r')))
        content.chop(1);
    return content;
}

// A value is kept on one line: the user's line breaks and tabs in it become spaces.
QString oneLine(QString value) {
    for (QChar& ch : value) {
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n') || ch == kSeparator)
            ch = QLatin1Char(' ');
    }
    return value;
}

} // namespace

MarkFile::MarkFile(const QString& text) {
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype lineFeed = text.indexOf(QLatin1Char('\n'), start);
        const qsizetype end = lineFeed < 0 ? text.size() : lineFeed + 1;
        m_lines.append(text.sliced(start, end - start));
        start = end;
    }
    read();
}

std::optional<scripture::Reference> MarkFile::verseOf(QStringView reference) {
    const std::optional<scripture::Reference> verse = scripture::parseReference(reference);
    if (!verse || verse->kind() != scripture::Reference::Kind::Verses ||
        verse->lastChapter != verse->firstChapter || verse->lastVerse != verse->firstVerse)
        return std::nullopt;
    return verse;
}

void MarkFile::read() {
    m_marks.clear();
    for (qsizetype line = 0; line < m_lines.size(); ++line) {
        const QStringView content = contentOf(m_lines[line]);
        const qsizetype separator = content.indexOf(kSeparator);
        if (separator < 0)
            continue;
        if (const auto verse = verseOf(content.first(separator)))
            m_marks.push_back({*verse, content.sliced(separator + 1).toString(), line});
    }
}

std::vector<std::size_t> MarkFile::marksOn(const scripture::Reference& verse) const {
    std::vector<std::size_t> found;
    for (std::size_t mark = 0; mark < m_marks.size(); ++mark) {
        if (m_marks[mark].verse == verse)
            found.push_back(mark);
    }
    return found;
}

std::optional<std::size_t> MarkFile::find(const Mark& mark) const {
    for (const std::size_t at : marksOn(mark.verse)) {
        if (m_marks[at].value == mark.value)
            return at;
    }
    return std::nullopt;
}

// A new line takes the file's first line break, CR LF in a file without one.
QString MarkFile::breakOf(qsizetype line) const {
    const QString& text = m_lines[line];
    if (!text.endsWith(QLatin1Char('\n')))
        return {};
    return text.endsWith(text::kCrLf) ? text::kCrLf : QStringLiteral("\n");
}

QString MarkFile::lineFor(const scripture::Reference& verse, const QString& value) const {
    return verse.formatted() + kSeparator + oneLine(value);
}

void MarkFile::append(const scripture::Reference& verse, const QString& value) {
    QString lineBreak = m_lines.isEmpty() ? text::kCrLf : breakOf(0);
    if (lineBreak.isEmpty())
        lineBreak = text::kCrLf;
    if (!m_lines.isEmpty() && breakOf(m_lines.size() - 1).isEmpty())
        m_lines.last() += lineBreak;
    m_lines.append(lineFor(verse, value) + lineBreak);
    read();
}

void MarkFile::setValue(std::size_t mark, const QString& value) {
    const Mark& changed = m_marks[mark];
    m_lines[changed.line] = lineFor(changed.verse, value) + breakOf(changed.line);
    read();
}

void MarkFile::remove(std::size_t mark) {
    const qsizetype line = m_marks[mark].line;
    // The last line's missing break goes with it to the line that is now last.
    if (line == m_lines.size() - 1 && line > 0 && breakOf(line).isEmpty())
        m_lines[line - 1] = contentOf(m_lines[line - 1]).toString();
    m_lines.removeAt(line);
    read();
}

void MarkFile::swap(std::size_t mark, std::size_t other) {
    const qsizetype first = m_marks[mark].line, second = m_marks[other].line;
    const QString firstBreak = breakOf(first), secondBreak = breakOf(second);
    const QString firstContent = contentOf(m_lines[first]).toString();
    m_lines[first] = contentOf(m_lines[second]).toString() + firstBreak;
    m_lines[second] = firstContent + secondBreak;
    read();
}

} // namespace study
