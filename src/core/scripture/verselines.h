#pragma once

#include "favorites/versereference.h"
#include "scripture/versetext.h"

#include <QString>
#include <QStringList>

namespace scripture {

// The verses a reference names in a book, each verse's text trimmed of spaces, in text order:
// the same answer as versesFor() over the decoded lines, found through the text's index of line
// beginnings so that only the lines of the answer are decoded.
QStringList versesFor(const VerseText& text, const QString& book, const VerseReference& reference);

} // namespace scripture
