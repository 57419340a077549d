#include "search/foldedpattern.h"

#include "scripture/casefolding.h"
#include "scripture/uppercase.h"
#include "text/codepage.h"
#include "text/utf8.h"

#include <algorithm>

namespace search {

QString folded(QStringView text, TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? text.toString().toCaseFolded()
                                          : scripture::upperCase(text);
}

} // namespace search

namespace {

// UTF-8 bytes folded alone: the letters A to Z, as every other byte stands for itself or is part
// of a character folded whole.
const std::array<unsigned char, 256>& asciiFoldTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> bytes{};
        for (int byte = 0; byte < 256; ++byte)
            bytes[std::size_t(byte)] =
                static_cast<unsigned char>(byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte);
        return bytes;
    }();
    return table;
}

// Adds the byte to the place's list, unless there already.
void accept(FoldedPattern::Accepted& accepted, int& count, char byte) {
    const auto listed = accepted.begin() + std::min(count, FoldedPattern::kMostAccepted);
    if (std::find(accepted.begin(), listed, byte) != listed)
        return;
    if (count < FoldedPattern::kMostAccepted)
        accepted[std::size_t(count)] = byte;
    ++count;
}

void fillUnused(FoldedPattern::Accepted& accepted, int count) {
    for (int i = std::max(count, 1); i < FoldedPattern::kMostAccepted; ++i)
        accepted[std::size_t(i)] = accepted[0];
}

} // namespace

std::optional<FoldedPattern> FoldedPattern::of(QStringView folded, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return FoldedPattern(folded.toUtf8(), encoding);
    if (!codepage::fitsWindows1252(folded))
        return std::nullopt;
    return FoldedPattern(codepage::encodeWindows1252(folded), encoding);
}

// In Windows-1252 each byte stands for itself or for the one byte that upper-cases to it; in
// UTF-8 each byte of a character for the bytes at its place of every character of as many bytes
// that folds to it.
FoldedPattern::FoldedPattern(QByteArray bytes, TextEncoding encoding)
    : m_bytes(std::move(bytes))
    , m_places(std::size_t(m_bytes.size()))
    , m_utf8(encoding == TextEncoding::Utf8)
    , m_fold(m_utf8 ? &asciiFoldTable() : &scripture::upperByteTable()) {
    if (!m_utf8) {
        const auto& unfold = scripture::unfoldByteTable();
        for (qsizetype place = 0; place < size(); ++place) {
            Place& at = m_places[std::size_t(place)];
            const char byte = m_bytes[place];
            accept(at.accepted, at.count, byte);
            accept(at.accepted, at.count, char(unfold[static_cast<unsigned char>(byte)]));
            fillUnused(at.accepted, at.count);
        }
        return;
    }
    for (qsizetype start = 0; start < size();) {
        const text::Utf8Sequence character = text::utf8SequenceAt(m_bytes, start);
        if (character.code < 0x80)
            acceptAscii(start);
        else
            acceptFoldingTo(character, start);
        start += character.length;
    }
}

// Of the characters that fold to an ASCII one, only its capital, where it is a small letter,
// takes one byte too: the others (the long s, the Kelvin sign) never match it in place.
void FoldedPattern::acceptAscii(qsizetype place) {
    Place& at = m_places[std::size_t(place)];
    const char byte = m_bytes[place];
    at.characterStart = place;
    at.character = char32_t(byte);
    accept(at.accepted, at.count, byte);
    if (byte >= 'a' && byte <= 'z')
        accept(at.accepted, at.count, char(byte - 'a' + 'A'));
    fillUnused(at.accepted, at.count);
}

void FoldedPattern::acceptFoldingTo(const text::Utf8Sequence& character, qsizetype start) {
    const std::vector<char32_t> folding = scripture::casefolding::foldingTo(character.code);
    for (qsizetype i = 0; i < character.length; ++i) {
        Place& at = m_places[std::size_t(start + i)];
        at.characterStart = start;
        at.character = character.code;
        accept(at.accepted, at.count, m_bytes[start + i]);
        for (const char32_t variant : folding) {
            if (scripture::casefolding::utf8Length(variant) == character.length)
                accept(at.accepted, at.count,
                       QString::fromUcs4(&variant, 1).toUtf8()[std::size_t(i)]);
        }
        fillUnused(at.accepted, at.count);
    }
}

bool FoldedPattern::canBeProbed() const {
    return m_places.empty() ||
           std::any_of(m_places.begin(), m_places.end(),
                       [](const Place& place) { return place.count <= kMostAccepted; });
}

// A character of several bytes whose bytes differ from the pattern's: it matches when it takes
// as many bytes and folds to the pattern's character. The place moves past it.
bool FoldedPattern::characterMatchesAt(const unsigned char* text, qsizetype& place) const {
    const Place& at = m_places[std::size_t(place)];
    const qsizetype length = scripture::casefolding::utf8Length(at.character);
    const QByteArrayView bytes(reinterpret_cast<const char*>(text) + at.characterStart, length);
    const text::Utf8Sequence read = text::utf8SequenceAt(bytes, 0);
    if (read.length != length || scripture::casefolding::folded(read.code) != at.character)
        return false;
    place = at.characterStart + length;
    return true;
}
