#include "scripture/resultline.h"

#include "scripture/chapterprefix.h"

namespace scripture {

std::optional<ResultReference> referenceOf(const QString& line) {
    const qsizetype referenceEnd = line.indexOf(QStringLiteral("  "));
    if (referenceEnd < 0)
        return std::nullopt;
    const QString reference = line.left(referenceEnd);
    const qsizetype colon = reference.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    const QString prefix = reference.left(colon + 1);
    const PrefixParts parts = *splitChapterPrefix(prefix);
    return ResultReference{prefix, parts.book, parts.chapter};
}

qsizetype verseOffset(const QString& chapterText, const QString& line, const QString& prefix) {
    const QString verse = QString(line).remove(prefix);
    return std::max<qsizetype>(chapterText.indexOf(verse), 0);
}

} // namespace scripture
