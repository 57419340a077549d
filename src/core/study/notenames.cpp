#include "study/notenames.h"

#include "study/markfile.h"

namespace study {

QString noteName(const scripture::Reference& verse) {
    return verse.formatted().replace(QLatin1Char(':'), QLatin1Char('.'));
}

std::optional<scripture::Reference> noteVerse(const QString& name) {
    return MarkFile::verseOf(name);
}

} // namespace study
