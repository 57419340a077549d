#include "scripture/chapterprefix.h"

#include "text/spacetrim.h"

namespace scripture {

QString chapterPrefix(const QString& book, const QString& chapter) {
    return book + QLatin1Char(' ') + chapter + QLatin1Char(':');
}

std::optional<PrefixParts> splitChapterPrefix(const QString& prefix) {
    if (!prefix.endsWith(QLatin1Char(':')))
        return std::nullopt;
    const qsizetype lastSpace = prefix.lastIndexOf(QLatin1Char(' '));
    return PrefixParts{text::spaceTrimmed(prefix.left(lastSpace + 1)),
                       prefix.sliced(lastSpace + 1).chopped(1)};
}

} // namespace scripture
