#pragma once

#include "scripture/chapterwalk.h"
#include "scripture/reference.h"

#include <QStringView>

#include <optional>

namespace reading {

// The verse the caret is in, in a chapter of the catalogue as the reading area shows it (read
// back as the verse spans read it, so also after the user has edited it); nothing when the caret
// lies before the first verse.
std::optional<scripture::Reference> verseAtCaret(const scripture::ChapterPlace& chapter,
                                                 QStringView shownText, qsizetype caret);

} // namespace reading
