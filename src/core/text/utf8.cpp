#include "text/utf8.h"

namespace text {
Utf8Sequence utf8SequenceAt(QByteArrayView bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return {lead, 1};
    qsizetype length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0)
        length = 2, code = lead & 0x1F, least = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, code = lead & 0x0F, least = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, code = lead & 0x07, least = 0x10000;
    else
        return {};
    if (at + length > bytes.size())
        return {};
    for (qsizetype i = at + 1; i < at + length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {};
        code = code << 6 | (byte(i) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {code, length};
}

QString decodeUtf8(QByteArrayView bytes) {
    // Qt's own decoder is the fast one, but it drops a mark at the start.
    if (bytes.isValidUtf8() && !bytes.startsWith(kUtf8ByteOrderMark))
        return QString::fromUtf8(bytes);
    QString text;
    text.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const Utf8Sequence read = utf8SequenceAt(bytes, at);
        if (QChar::requiresSurrogates(read.code)) {
            text.append(QChar::highSurrogate(read.code));
            text.append(QChar::lowSurrogate(read.code));
        } else {
            text.append(QChar(char16_t(read.code)));
        }
        at += read.length;
    }
    return text;
}

qsizetype utf8BytesOfUnits(QByteArrayView bytes, qsizetype units) {
    qsizetype at = 0;
    for (qsizetype unit = 0; unit < units && at < bytes.size();) {
        const Utf8Sequence read = utf8SequenceAt(bytes, at);
        unit += QChar::requiresSurrogates(read.code) ? 2 : 1;
        at += read.length;
    }
    return at;
}

} // namespace text
