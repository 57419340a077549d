#include "scripture/resultline.h"

#include "text/spacetrim.h"

#include <algorithm>

namespace scripture {
namespace {

// The number the digits write; nothing for no digits, another character or one too large.
std::optional<int> numberOf(QStringView digits) {
    bool ok = false;
    const int number = digits.toInt(&ok);
    const bool allDigits =
        !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar ch) {
            return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
        });
    return ok && allDigits ? std::optional(number) : std::nullopt;
}

} // namespace

std::optional<VersePlace> versePlaceOf(const VerseText& text, qsizetype line) {
    const QByteArrayView bytes = text.lineBytes(line);
    const qsizetype referenceEnd = bytes.indexOf("  ");
    if (referenceEnd < 0)
        return std::nullopt;
    const QString reference = text.decoded(bytes.first(referenceEnd));
    const qsizetype colon = reference.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    const qsizetype space = reference.first(colon).lastIndexOf(QLatin1Char(' '));
    const std::optional<int> chapter =
        numberOf(QStringView(reference).sliced(space + 1, colon - space - 1));
    if (!chapter)
        return std::nullopt;
    const QStringView afterColon = QStringView(reference).sliced(colon + 1);
    const auto digits = std::find_if(afterColon.begin(), afterColon.end(), [](QChar ch) {
        return ch < QLatin1Char('0') || ch > QLatin1Char('9');
    });
    const int verse = numberOf(afterColon.first(digits - afterColon.begin())).value_or(0);
    return VersePlace{{text::spaceTrimmed(reference.first(space + 1)), *chapter}, verse};
}

} // namespace scripture
