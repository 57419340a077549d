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
        const QByteArray upper = codepage::encodeWindows1252(
            upperCase(codepage::decodeWindows1252(codepage::everyByte())));
        std::array<unsigned char, 256> bytes{};
        std::copy_n(upper.constData(), std::min(upper.size(), qsizetype(bytes.size())),
                    bytes.begin());
        return bytes;
    }();
    return table;
}

const std::array<unsigned char, 256>& unfoldByteTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> bytes{};
        for (int byte = 0; byte < 256; ++byte)
            bytes[std::size_t(byte)] = static_cast<unsigned char>(byte);
        const auto& upper = upperByteTable();
        for (int byte = 0; byte < 256; ++byte) {
            if (upper[std::size_t(byte)] == byte)
                continue;
            Q_ASSERT(bytes[upper[std::size_t(byte)]] == upper[std::size_t(byte)]);
            bytes[upper[std::size_t(byte)]] = static_cast<unsigned char>(byte);
        }
        return bytes;
    }();
    return table;
}

} // namespace scripture
