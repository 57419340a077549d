#include "scripture/resultline.h"

#include "text/spacetrim.h"

namespace scripture {

std::optional<ResultReference> referenceOf(const QString& line) {
    const qsizetype referenceEnd = line.indexOf(QStringLiteral("  "));
    if (referenceEnd < 0)
        return std::nullopt;
    const QString reference = line.left(referenceEnd);
    const qsizetype colon = reference.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    ResultReference result;
    result.prefix = reference.left(colon + 1);
    // The last space stands before the chapter number; a book name may hold spaces itself.
    const qsizetype lastSpace = result.prefix.lastIndexOf(QLatin1Char(' '));
    result.book = text::spaceTrimmed(result.prefix.left(lastSpace + 1));
    result.chapter = result.prefix.sliced(lastSpace + 1).remove(QLatin1Char(':'));
    return result;
}

qsizetype verseOffset(const QString& chapterText, const QString& line, const QString& prefix) {
    const QString verse = QString(line).remove(prefix);
    return std::max<qsizetype>(chapterText.indexOf(verse), 0);
}

} // namespace scripture
