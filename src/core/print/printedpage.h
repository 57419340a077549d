#pragma once

#include <QMarginsF>
#include <QString>

// How every printed page is laid out, and what a printed document is called.
namespace print {

// No text or picture comes closer than this to the paper's edge.
inline constexpr qreal kMarginMillimetres = 20;

// The margins of a page, in millimetres: at least kMarginMillimetres on each side, more where
// the margins already chosen (by the user, in the print dialog) or the printer's own
// unprintable border are larger.
QMarginsF margins(const QMarginsF& chosen, const QMarginsF& unprintable);

// The document's name, as the print dialog and the printer's queue show it: the program's
// name and what is printed.
QString subjectDocumentName(const QString& subject);
QString windowDocumentName();

} // namespace print
