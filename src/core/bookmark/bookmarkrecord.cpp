#include "bookmark/bookmarkrecord.h"

#include "text/linebreak.h"

#include <limits>

namespace bookmark {

QString format(const QString& book, const QString& chapter, int caretOffset) {
    return QStringList{book, chapter, QString::number(caretOffset)}.join(text::kCrLf);
}

int parseCaretOffset(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0; // a sign, a fraction or a word: not a position
    }
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok);
    constexpr int kLargest = std::numeric_limits<int>::max();
    if (!ok || value > qulonglong(kLargest))
        return kLargest; // only overflow fails on plain digits
    return int(value);
}

Position parse(const QStringList& lines) {
    return {lines.value(0), lines.value(1), parseCaretOffset(lines.value(2))};
}

} // namespace bookmark

QString bookmark::setSummary(const QString& book, const QString& chapter) {
    return QStringLiteral("Bookmark set at %1 %2").arg(book, chapter);
}
