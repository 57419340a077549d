#pragma once

#include "scripture/chapterwalk.h"

#include <QtGlobal>

namespace reading {

// A place read: the chapter, and where in its text the top line of the reading area starts
// (an offset into the chapter text, so the place holds at any width of the window).
struct ReadingPlace {
    scripture::ChapterPlace chapter;
    qsizetype top = 0;
    bool operator==(const ReadingPlace&) const = default;
};

} // namespace reading
