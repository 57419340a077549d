#include "favorites/versefinder.h"

#include "text/spacetrim.h"

#include <algorithm>

namespace {

QString chapterPrefix(const QString& book, const QString& chapter) {
    return book + QLatin1Char(' ') + chapter + QLatin1Char(':');
}

// The verse number at the start of a line's remainder after its chapter prefix, when a space
// follows it; nothing otherwise.
std::optional<int> leadingVerseNumber(QStringView rest, qsizetype& textStart) {
    qsizetype digits = 0;
    while (digits < rest.size() && rest.at(digits) >= QLatin1Char('0') &&
           rest.at(digits) <= QLatin1Char('9'))
        ++digits;
    if (digits == 0 || digits >= rest.size() || rest.at(digits) != QLatin1Char(' '))
        return std::nullopt;
    textStart = digits;
    return rangeVerseNumber(rest.first(digits).toString());
}

QStringList singleVerse(const QStringList& lines, const QString& book,
                        const VerseReference& reference) {
    const QString prefix =
        chapterPrefix(book, reference.chapter) + reference.verse + QLatin1Char(' ');
    for (const QString& line : lines) {
        if (line.startsWith(prefix))
            return {spacetrim::trimmed(line.sliced(prefix.size()))};
    }
    return {};
}

QStringList verseRange(const QStringList& lines, const QString& book,
                       const VerseReference& reference) {
    const std::optional<int> first = rangeVerseNumber(reference.verse);
    const std::optional<int> last = rangeVerseNumber(reference.endVerse);
    if (!first || !last || *last < *first)
        return {};
    const QString inChapter = chapterPrefix(book, reference.chapter);
    const QString start = inChapter + QString::number(*first) + QLatin1Char(' ');
    auto it = std::find_if(lines.begin(), lines.end(),
                           [&](const QString& line) { return line.startsWith(start); });
    QStringList verses;
    for (; it != lines.end() && it->startsWith(inChapter); ++it) {
        const QStringView rest = QStringView(*it).sliced(inChapter.size());
        qsizetype textStart = 0;
        const std::optional<int> number = leadingVerseNumber(rest, textStart);
        if (!number || *number > *last)
            break;
        verses.append(spacetrim::trimmed(rest.sliced(textStart).toString()));
    }
    return verses;
}

} // namespace

QStringList versesFor(const QStringList& lines, const QString& book,
                      const VerseReference& reference) {
    if (reference.isSingleVerse())
        return singleVerse(lines, book, reference);
    if (reference.isRange())
        return verseRange(lines, book, reference);
    return {};
}

QString lookupResultText(const QStringList& verses) {
    QString result;
    for (const QString& verse : verses)
        result += QLatin1Char(' ') + verse;
    if (result.isEmpty())
        return QStringLiteral("No search results were found.");
    return result;
}
