#pragma once

#include "scripture/textencoding.h"

#include <QByteArrayView>
#include <QtGlobal>

#include <span>
#include <vector>

// Unicode's simple case folding, as Qt's tables give it: each character maps to one character,
// so a folded text has as many characters as the text, though not always as many UTF-8 bytes.
namespace scripture::casefolding {

char32_t folded(char32_t character);

// Every character that folds to this one, itself included when it folds to itself; empty for a
// character that is not a folded form.
std::vector<char32_t> foldingTo(char32_t folded);

// Whether the character's folded form takes another number of UTF-8 bytes than it does (the
// long s, the Kelvin sign and a few dozen others): a search that compares a text's bytes place
// by place can only do so where the text holds none of them.
bool changesLength(char32_t character);
// Every such character, in order.
std::span<const char32_t> lengthChanging();

// How many bytes the character takes in UTF-8.
constexpr int utf8Length(char32_t character) {
    return character < 0x80 ? 1 : character < 0x800 ? 2 : character < 0x10000 ? 3 : 4;
}

} // namespace scripture::casefolding

namespace scripture {

// Whether every character of the bytes folds to as many bytes as it takes: always so in
// Windows-1252, and in UTF-8 unless they hold one of the characters above.
bool foldsInPlace(QByteArrayView bytes, TextEncoding encoding);

} // namespace scripture
