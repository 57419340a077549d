#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The favorites page's verse lookup: a reference typed beside the book chosen in its own box,
// read by scripture::parseReferenceIn.
namespace favorites {

// What the reference field keeps of a text: the text trimmed of spaces, then only spaces, "-",
// digits, ":" and ";". Nothing when the trimmed text is empty: the field is then left alone.
std::optional<QString> filterReference(const QString& text);

// Whether leaving the reference field or changing the book looks verses up: a reference is
// typed and a book is named (the book box shows more than its placeholder).
bool canLookUp(const QString& reference, const QString& book);

// The result box's text: each verse preceded by one space, all on one line, or the no-result
// text.
QString lookupResultText(const QStringList& verses);

} // namespace favorites
