#pragma once

#include "favorites/versereference.h"

#include <QString>
#include <QStringList>

// Finds the verses of a book named by a reference in the verse lines of the scripture text
// ("John 3:16  For God so loved ..."): each verse's text, trimmed of spaces, in text order.
//
// A single verse is matched as typed, so "016" finds nothing. A range counts verse numbers,
// includes its end verse, and stops at the end of the chapter; a reversed range, or a number
// too large for any verse, finds nothing.
QStringList versesFor(const QStringList& lines, const QString& book,
                      const VerseReference& reference);

// The result box's text: each verse preceded by one space, all on one line, or the no-result
// text.
QString lookupResultText(const QStringList& verses);
