#pragma once

#include "scripture/reference.h"

#include <QStringView>

#include <optional>

// A reference a reader typed in a note ("see Rom 8:28"), which opens its verse: a book's name or
// abbreviation of up to four words, then chapter and verse, as the reference parser reads them.
namespace study {

// The reference the line holds at the column (the caret may also stand just after it).
std::optional<scripture::Reference> referenceAt(QStringView line, qsizetype column);

} // namespace study
