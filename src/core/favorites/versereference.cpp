#include "favorites/versereference.h"

#include "scripture/reference.h"
#include "shell/placeholders.h"
#include "text/spacetrim.h"

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isReferenceCharacter(QChar c) {
    const char16_t code = c.unicode();
    return code == 32 || code == 45 || (code >= 48 && code <= 59);
}

} // namespace

VerseReference VerseReference::parse(const QString& reference) {
    VerseReference parts;
    QString buffer;
    for (const QChar c : reference) {
        if (isDigit(c)) {
            buffer.append(c);
            continue;
        }
        (parts.chapter.isEmpty() ? parts.chapter : parts.verse) = buffer;
        buffer.clear();
    }
    (parts.verse.isEmpty() ? parts.verse : parts.endVerse) = buffer;
    return parts;
}

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

std::optional<int> favorites::rangeVerseNumber(const QString& digits) {
    qsizetype first = 0;
    while (first < digits.size() && digits.at(first) == QLatin1Char('0'))
        ++first;
    const QStringView significant = QStringView(digits).sliced(first);
    if (significant.isEmpty())
        return 0;
    if (significant.size() > 5)
        return std::nullopt;
    bool ok = false;
    const int number = significant.toInt(&ok);
    if (!ok || number > scripture::kLargestVerseNumber)
        return std::nullopt;
    return number;
}

bool favorites::canLookUp(const QString& reference, const QString& book) {
    return !reference.isEmpty() && book != shell::kBooks;
}

QString favorites::lookupResultText(const QStringList& verses) {
    QString result;
    for (const QString& verse : verses)
        result += QLatin1Char(' ') + verse;
    if (result.isEmpty())
        return QStringLiteral("No search results were found.");
    return result;
}
