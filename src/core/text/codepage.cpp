#include "text/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <numeric>

namespace codepage {
namespace {

constexpr char kCodecName[] = "windows-1252";

// Qt's codec for the code page (it has one where it is built with ICU, as Debian's is). It maps
// all 256 bytes, the five Windows-1252 leaves undefined to the C1 controls of the same value, as
// Windows does, so every byte survives a read and a write. Without it no file could be read or
// written faithfully: the program stops rather than lose a word.
template <typename Converter> Converter openConverter() {
    Converter codec(kCodecName);
    if (!codec.isValid())
        qFatal("This Qt has no %s codec: the program's files cannot be read.", kCodecName);
    return codec;
}

// Opening the codec looks its name up in ICU's tables, which costs more than converting a verse
// or a search's words; so each thread opens one of each once, and starts every use afresh.
template <typename Converter> Converter& converter() {
    thread_local Converter codec = openConverter<Converter>();
    codec.resetState();
    return codec;
}

// Each byte's character, as the codec decodes it; for the per-byte fast paths, which need one
// character for each byte.
const std::array<QChar, 256>& characters() {
    static const std::array<QChar, 256> table = [] {
        const QString text = decodeWindows1252(everyByte());
        std::array<QChar, 256> decoded{};
        if (text.size() != qsizetype(decoded.size()))
            qFatal("The %s codec does not read one character for each byte.", kCodecName);
        std::copy(text.begin(), text.end(), decoded.begin());
        return decoded;
    }();
    return table;
}

bool hasByte(QChar ch) {
    const auto& table = characters();
    const char16_t code = ch.unicode();
    return (code < table.size() && table[code] == ch) || // most bytes are their own character
           std::find(table.begin(), table.end(), ch) != table.end();
}

} // namespace

QByteArray everyByte() {
    QByteArray bytes(256, Qt::Uninitialized);
    std::iota(bytes.begin(), bytes.end(), char(0));
    return bytes;
}

QChar fromWindows1252(unsigned char byte) {
    return characters()[byte];
}

QString decodeWindows1252(QByteArrayView bytes) {
    return converter<QStringDecoder>().decode(bytes);
}

bool fitsWindows1252(QStringView text) {
    return std::all_of(text.begin(), text.end(), hasByte);
}

QByteArray encodeWindows1252(QStringView text) {
    return converter<QStringEncoder>().encode(text);
}

// The codec is not asked to mark what it lacks: it writes a control byte for some characters and
// nothing at all for others (U+FEFF, a high surrogate at the end).
QByteArray encodeWindows1252Replacing(QStringView text) {
    if (fitsWindows1252(text))
        return encodeWindows1252(text);
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        kept.append(hasByte(text[i]) ? text[i] : QChar(u'?'));
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // a character beyond the first 65,536 takes two units: one mark for both
    }
    return encodeWindows1252(kept);
}

} // namespace codepage
