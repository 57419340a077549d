#pragma once

#include "scripture/reference.h"
#include "scripture/versetext.h"

#include <QStringList>

#include <vector>

namespace scripture {

// The lines of the text that hold the verses a reference names, in text order: the lines of its
// book whose chapter and verse it includes. A verse the text lacks adds nothing, so a run that
// goes past a chapter's end takes the verses there are.
LineList linesOf(const VerseText& text, const Reference& reference);

// The same verses' texts, each without its reference and trimmed of spaces.
QStringList versesOf(const VerseText& text, const Reference& reference);

} // namespace scripture
