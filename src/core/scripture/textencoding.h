#pragma once

#include "text/utf8.h"

#include <QByteArrayView>

// How a text's bytes stand for its characters: one byte each in Windows-1252, or UTF-8.
enum class TextEncoding { Windows1252, Utf8 };

namespace scripture {

// A text that begins with the UTF-8 byte-order mark is UTF-8, its first line starting after the
// mark; any other is in the encoding its reader names (Bible.dat: Windows-1252).
inline bool hasByteOrderMark(QByteArrayView bytes) {
    return bytes.startsWith(text::kUtf8ByteOrderMark);
}
inline TextEncoding encodingOf(QByteArrayView bytes, TextEncoding unmarked) {
    return hasByteOrderMark(bytes) ? TextEncoding::Utf8 : unmarked;
}
inline qsizetype firstLineStart(QByteArrayView bytes) {
    return hasByteOrderMark(bytes) ? text::kUtf8ByteOrderMark.size() : 0;
}

} // namespace scripture
