#include "scripture/chapterprefix.h"

namespace scripture {

QString chapterPrefix(const QString& book, const QString& chapter) {
    return book + QLatin1Char(' ') + chapter + QLatin1Char(':');
}

} // namespace scripture
