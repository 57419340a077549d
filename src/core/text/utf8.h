#pragma once

#include <QByteArrayView>
#include <QString>

// UTF-8 read so that every byte is accounted for: a byte that begins no valid sequence is one
// U+FFFD of its own, so the bytes behind any stretch of the text can be found again and a file
// that is not valid UTF-8 throughout can still be written back byte for byte where it was not
// edited.
namespace text {

// One character read: its code, and how many bytes it was read from.
struct Utf8Sequence {
    char32_t code = QChar::ReplacementCharacter;
    qsizetype length = 1; // an invalid byte is read alone
};
// The character whose bytes begin at `at`: not overlong, no surrogate, at most U+10FFFF.
Utf8Sequence utf8SequenceAt(QByteArrayView bytes, qsizetype at);

// The mark a UTF-8 file may begin with; anywhere else it is a character (U+FEFF).
inline constexpr QByteArrayView kUtf8ByteOrderMark("\xEF\xBB\xBF");

// The bytes as text, a mark at their start kept as the character it is.
QString decodeUtf8(QByteArrayView bytes);
// How many bytes the first `units` UTF-16 units of decodeUtf8(bytes) were read from; `units`
// never ends between the two units of one character.
qsizetype utf8BytesOfUnits(QByteArrayView bytes, qsizetype units);

} // namespace text
