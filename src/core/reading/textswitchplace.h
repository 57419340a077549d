#pragma once

#include "reading/readingplace.h"

#include <QString>
#include <QStringView>

#include <optional>

class VerseText;

// Where the place read goes when another text is read in place of the one shown.
namespace reading {

// The chapter shown, in the other text, with the verse the top line was in at the top: the
// shown text read back as verses. A verse the other text lacks gives way to the last one before
// it that it holds; a top line before the first verse stays at the chapter's start. Nothing when
// the other text lacks the chapter.
std::optional<ReadingPlace> sameVerseIn(const ReadingPlace& shown, QStringView shownText,
                                        const VerseText& other);

// A start in a text other than Bible.dat shows the place in Bible.dat while that text is found
// and read. Its top line was saved as that text shows the chapter, so once the text is read the
// place is shown again as it was saved, unless the reader has gone to another chapter meanwhile
// (which ends the wait).
struct PlaceAwaitingText {
    QString text; // by name
    ReadingPlace saved;
};
// The saved place, as the text just read holds it, when that text is the one awaited; nothing
// otherwise.
std::optional<ReadingPlace> awaitedPlace(const PlaceAwaitingText& awaiting, const QString& textRead,
                                         const VerseText& text);

} // namespace reading
