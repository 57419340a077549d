#include "favorites/referencefield.h"

#include "scripture/bookcatalogue.h"
#include "text/spacetrim.h"

namespace {

bool isReferenceCharacter(QChar c) {
    const char16_t code = c.unicode();
    return code == 32 || code == 45 || (code >= 48 && code <= 59);
}

} // namespace

std::optional<QString> favorites::filterReference(const QString& text) {
    const QString trimmed = text::spaceTrimmed(text);
    if (trimmed.isEmpty())
        return std::nullopt;
    QString kept;
    kept.reserve(trimmed.size());
    for (const QChar c : trimmed) {
        if (isReferenceCharacter(c))
            kept.append(c);
    }
    return kept;
}

bool favorites::canLookUp(const QString& reference, const QString& book) {
    return !reference.isEmpty() && book != scripture::kBooks;
}

QString favorites::lookupResultText(const QStringList& verses) {
    QString result;
    for (const QString& verse : verses)
        result += QLatin1Char(' ') + verse;
    if (result.isEmpty())
        return QStringLiteral("No search results were found.");
    return result;
}
