#include "scripture/uppercase.h"

#include "text/codepage.h"

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

const std::array<unsigned char, 256>& upperByteTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> bytes{};
        for (int byte = 0; byte < 256; ++byte) {
            const QChar upper =
                upperChar(codepage::fromWindows1252(static_cast<unsigned char>(byte)));
            bytes[byte] = static_cast<unsigned char>(
                codepage::encodeWindows1252(QStringView(&upper, 1)).at(0));
        }
        return bytes;
    }();
    return table;
}

} // namespace scripture
