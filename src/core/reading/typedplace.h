#pragma once

#include "scripture/reference.h"
#include "scripture/resultline.h"

#include <QString>

#include <optional>

namespace reading {

// Where the text typed into the reading area's book box takes the reader on Enter: a book's
// name (as the reference parser reads names) its first chapter; a reference the chapter it
// names first, with the first verse it names, if any (verse 0: none). Nothing for any other
// text.
std::optional<scripture::VersePlace> placeTyped(const QString& typed);
// Where a reference takes the reader, as a typed one does.
scripture::VersePlace placeOf(const scripture::Reference& reference);

} // namespace reading
