#pragma once

#include <QByteArray>
#include <QString>

// The stored files are single-byte Windows-1252 text, read and written by the code page's own
// table (no conversion library is loaded for it). Every byte, including the five that
// Windows-1252 leaves undefined, survives a read and a write.
namespace codepage {

// The 256 bytes in order, for the tables made from the code page.
QByteArray everyByte();

// One byte's character, for the per-byte fast paths.
QChar fromWindows1252(unsigned char byte);
QString decodeWindows1252(QByteArrayView bytes);

// True when every character of the text has a Windows-1252 byte.
bool fitsWindows1252(QStringView text);

// Any text: each character without a Windows-1252 byte becomes one question mark, the common
// sign of a character that could not be kept. No query can hold such a character anyway, and
// the reader sees the same "?" that a search for one finds.
QByteArray encodeWindows1252(QStringView text);

} // namespace codepage
