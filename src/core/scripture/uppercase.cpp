#include "scripture/uppercase.h"

#include "text/codepage.h"

#include <algorithm>

namespace scripture {

QChar upperChar(QChar ch) {
    const char16_t code = ch.unicode();
    if (code < 0x80) // the common case, without the Unicode tables
        return (code >= u'a' && code <= u'z') ? QChar(char16_t(code - 32)) : ch;
    const QChar upper = ch.toUpper();
    if (upper == ch)
        return ch;
    return codepage::fitsWindows1252(QStringView(&upper, 1)) ? upper : ch;
}

QString upperCase(QStringView text) {
    QString upper(text.size(), Qt::Uninitialized);
    QChar* out = upper.data();
    for (const QChar ch : text)
        *out++ = upperChar(ch);
    return upper;
}

// Made from the code page's characters, upper-cased and encoded back all at once.
const std::array<unsigned char, 256>& upperByteTable() {
    static const std::array<unsigned char, 256> table = [] {
        QString upper(256, Qt::Uninitialized);
        for (int byte = 0; byte < 256; ++byte)
            upper[byte] = upperChar(codepage::fromWindows1252(static_cast<unsigned char>(byte)));
        const QByteArray bytes = codepage::encodeWindows1252(upper);
        std::array<unsigned char, 256> upperBytes{};
        std::copy_n(bytes.constData(), std::min<qsizetype>(bytes.size(), 256), upperBytes.begin());
        return upperBytes;
    }();
    return table;
}

} // namespace scripture
