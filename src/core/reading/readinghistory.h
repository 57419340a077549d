#pragma once

#include "reading/readingplace.h"

#include <QList>

#include <optional>

// The places read, for Back and Forward as a browser has them: reading somewhere new after going
// back drops the places ahead. A chapter read again where the history stands is the same place,
// not a second one, so stepping through one chapter's results leaves one place behind. Only the
// last places are kept, in memory.
class ReadingHistory {
public:
    static constexpr qsizetype kMostPlaces = 100;

    // A place read now, by a pick, a turn, an opened result or the bookmark.
    void visit(const reading::ReadingPlace& place);
    // Where the top line stood as the reader left the chapter the history stands at; a chapter
    // read from no place of the history changes nothing.
    void keepTop(const reading::ReadingPlace& left);

    // The place to show for Back: the one before, or, while the reading area shows no chapter
    // (the instructions), the place the history stands at. Nothing when there is none.
    std::optional<reading::ReadingPlace> back(bool placeShown);
    std::optional<reading::ReadingPlace> forward();
    bool canGoBack(bool placeShown) const;
    bool canGoForward() const;

private:
    QList<reading::ReadingPlace> m_places;
    qsizetype m_current = -1; // the place shown last, or -1 before the first
};
