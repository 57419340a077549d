#include "bookmark/bookmarkrecord.h"

namespace bookmark {

QString format(const QString& book, const QString& chapter, int caretOffset) {
    const QString crlf = QStringLiteral("\r\n");
    return book + crlf + chapter + crlf + QString::number(caretOffset);
}

} // namespace bookmark
