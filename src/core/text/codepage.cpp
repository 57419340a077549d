#include "text/codepage.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace codepage {
namespace {

constexpr char16_t kFirstHigh = 0x80, kLastHigh = 0x9F;
constexpr char kUnkept = '?';

// Where Windows-1252 differs from Latin-1: the bytes 0x80 to 0x9F. The five it leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the C1 controls of the same value, as Windows reads
// them, so every byte survives a read and a write. Every other byte is its own character.
constexpr std::array<char16_t, kLastHigh - kFirstHigh + 1> kHighCharacters = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

bool isHigh(char16_t code) {
    return code >= kFirstHigh && code <= kLastHigh;
}

// The byte of one character, or none.
int byteOf(char16_t code) {
    if (code < kFirstHigh || (code > kLastHigh && code <= 0xFF))
        return code;
    const auto* found = std::find(kHighCharacters.begin(), kHighCharacters.end(), code);
    return found == kHighCharacters.end() ? -1
                                          : int(kFirstHigh + (found - kHighCharacters.begin()));
}

} // namespace

QByteArray everyByte() {
    QByteArray bytes(256, Qt::Uninitialized);
    std::iota(bytes.begin(), bytes.end(), char(0));
    return bytes;
}

QChar fromWindows1252(unsigned char byte) {
    return isHigh(byte) ? QChar(kHighCharacters[byte - kFirstHigh]) : QChar(byte);
}

// Latin-1's fast path, then the few bytes where the code page differs put right.
QString decodeWindows1252(QByteArrayView bytes) {
    QString text = QString::fromLatin1(bytes);
    for (QChar& ch : text) {
        if (isHigh(ch.unicode()))
            ch = fromWindows1252(uchar(ch.unicode()));
    }
    return text;
}

bool fitsWindows1252(QStringView text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar ch) { return byteOf(ch.unicode()) >= 0; });
}

QByteArray encodeWindows1252(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = byteOf(text[i].unicode());
        bytes.append(byte >= 0 ? char(byte) : kUnkept);
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // a character beyond the first 65,536 takes two units: one mark for both
    }
    return bytes;
}

} // namespace codepage
