#pragma once

#include "scripture/versetext.h"
#include "text/utf8.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace search {
// The characters folded as a text in the encoding is searched: upper-cased within Windows-1252,
// or by Unicode's simple case folding in UTF-8.
QString folded(QStringView text, TextEncoding encoding);
} // namespace search

// What a text must hold to hold a query or a word, its letters in any case: the characters
// folded as the text's encoding folds them (search::folded), written in its bytes, and for each
// byte the bytes a text may hold in its place. A text holds the pattern where its bytes, folded
// character by character, are the pattern's: in Windows-1252 one byte a character, in a UTF-8
// text whose characters all fold in place (VerseText::foldsInPlace) one character of as many
// bytes for each of the pattern's.
class FoldedPattern {
public:
    // The bytes a text may hold at one place: up to four, the first repeated where fewer.
    using Accepted = std::array<char, 4>;
    static constexpr int kMostAccepted = 4;

    // Nothing when the encoding cannot write one of the characters (Windows-1252).
    static std::optional<FoldedPattern> of(QStringView folded, TextEncoding encoding);

    QByteArrayView bytes() const { return m_bytes; }
    qsizetype size() const { return m_bytes.size(); }
    const Accepted& accepted(qsizetype place) const {
        return m_places[std::size_t(place)].accepted;
    }
    // How many different bytes the place accepts; more than kMostAccepted where too many to list
    // (a place no probe can test).
    int acceptedCount(qsizetype place) const { return m_places[std::size_t(place)].count; }

    // Whether a place of the pattern accepts few enough bytes for a probe to test it.
    bool canBeProbed() const;

    // Whether the size() bytes from `at` on hold the pattern. Inline, so that a scan compiled for
    // wide vector instructions tests its candidates without a call, which would have to save
    // and restore every vector register the scan holds.
    bool matchesAt(const char* at) const {
        const auto* text = reinterpret_cast<const unsigned char*>(at);
        const auto* pattern = reinterpret_cast<const unsigned char*>(m_bytes.constData());
        const std::array<unsigned char, 256>& fold = *m_fold;
        for (qsizetype place = 0; place < m_bytes.size();) {
            if (fold[text[place]] == pattern[place]) {
                ++place;
                continue;
            }
            if (!m_utf8 || pattern[place] < 0x80 || !characterMatchesAt(text, place))
                return false;
        }
        return true;
    }

private:
    struct Place {
        Accepted accepted{};
        int count = 0;
        // UTF-8: where the place's character begins, and that character (folded).
        qsizetype characterStart = 0;
        char32_t character = 0;
    };
    FoldedPattern(QByteArray bytes, TextEncoding encoding);
    void acceptAscii(qsizetype place);
    void acceptFoldingTo(const text::Utf8Sequence& character, qsizetype start);
    bool characterMatchesAt(const unsigned char* text, qsizetype& place) const;

    QByteArray m_bytes;
    std::vector<Place> m_places;
    bool m_utf8 = false;
    const std::array<unsigned char, 256>* m_fold = nullptr; // each byte folded alone
};
