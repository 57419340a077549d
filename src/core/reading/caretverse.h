#pragma once

#include "scripture/chapterwalk.h"
#include "scripture/reference.h"

#include <QStringView>

#include <optional>
#include <vector>

namespace reading {

// The verse the caret is in, in a chapter of the catalogue as the reading area shows it (read
// back as the verse spans read it, so also after the user has edited it); nothing when the caret
// lies before the first verse.
std::optional<scripture::Reference> verseAtCaret(const scripture::ChapterPlace& chapter,
                                                 QStringView shownText, qsizetype caret);

// The verses a selection [start, end) touches, as verseAtCaret() reads them; none before the
// first verse.
std::vector<scripture::Reference> versesSelected(const scripture::ChapterPlace& chapter,
                                                 QStringView shownText, qsizetype start,
                                                 qsizetype end);

} // namespace reading
