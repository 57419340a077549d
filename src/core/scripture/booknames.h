#pragma once

#include <QStringView>

#include <optional>

// The book a reader means by the name they type. Readers write a book's name in any case, or a
// common abbreviation of it (Gen, Ex, Ps, Mt, Jn, 1 Cor), or only its first letters (Deuter,
// Lamen), with or without a space after a leading number (1 John, 1John, 1Jn) or with that number
// in Roman figures (I John, II Kings), and may end it with a period (Gen.).
namespace scripture {

struct NamedBook {
    int book = 0; // its index in catalogue()
    // Named only by leading letters that begin no other book's name, rather than by its name or
    // one of its abbreviations: enough beside a chapter ("Lamen 3"), too little alone, where
    // such letters are more likely an ordinary word ("he", "son").
    bool byLeadingLetters = false;
};

// Nothing for a name that could be more than one book ("J", "Ju", "Ph") or none; a numbered
// book's own name needs its number ("Sam" names neither book of Samuel).
std::optional<NamedBook> findBook(QStringView typed);

// The book a name names, however it was written; for boxes that expect a book.
std::optional<int> bookIndex(QStringView typed);

} // namespace scripture
