#include "text/codepage.h"

#include <array>

namespace codepage {
namespace {

// 0x80..0x9F; the undefined bytes map to the C1 control of the same value, as Windows does.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteFor(QChar ch) {
    const char16_t code = ch.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return code;
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == code)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

QChar fromWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(kHighTable[byte - 0x80]);
    return QChar(byte);
}

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = fromWindows1252(static_cast<unsigned char>(byte));
    return text;
}

bool fitsWindows1252(QStringView text) {
    for (const QChar ch : text) {
        if (byteFor(ch) < 0)
            return false;
    }
    return true;
}

QByteArray encodeWindows1252(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text)
        bytes.append(static_cast<char>(byteFor(ch)));
    return bytes;
}

QByteArray encodeWindows1252Replacing(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = byteFor(text[i]);
        bytes.append(byte < 0 ? '?' : static_cast<char>(byte));
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // a character beyond the first 65,536 takes two units: one mark for both
    }
    return bytes;
}

} // namespace codepage
