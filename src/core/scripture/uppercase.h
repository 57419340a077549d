#pragma once

#include <QString>

#include <array>

// The one upper-casing of the program, used for the scripture lines and for what the user
// types, so both sides of a comparison are always folded alike. It maps one character to one
// character (the length never changes) and never leaves Windows-1252: a character whose capital
// has no Windows-1252 byte (µ, ƒ) stays as it is, and ß stays ß.
namespace scripture {

QChar upperChar(QChar ch);
QString upperCase(QStringView text);

// The same mapping on Windows-1252 bytes.
const std::array<unsigned char, 256>& upperByteTable();
inline unsigned char upperByte(unsigned char byte) {
    return upperByteTable()[byte];
}

// The byte that upper-cases to each byte, where another than itself does; the byte itself
// otherwise. Upper-casing maps no two bytes to one other byte, so this undoes it, and a byte
// of an upper-cased text stood for itself or for this one.
const std::array<unsigned char, 256>& unfoldByteTable();

} // namespace scripture
