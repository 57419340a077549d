#include "bookmark/bookmarkrecord.h"

#include <limits>

namespace bookmark {

QString format(const QString& book, const QString& chapter, int caretOffset) {
    const QString crlf = QStringLiteral("\r\n");
    return book + crlf + chapter + crlf + QString::number(caretOffset);
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
    Position position;
    if (lines.size() > 0)
        position.book = lines.at(0);
    if (lines.size() > 1)
        position.chapter = lines.at(1);
    if (lines.size() > 2)
        position.caretOffset = parseCaretOffset(lines.at(2));
    return position;
}

} // namespace bookmark
