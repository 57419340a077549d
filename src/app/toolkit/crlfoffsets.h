#pragma once

#include <QString>

// Qt's text widgets hold one character per line break; the window's offsets count the two
// characters CR LF. These convert between the two, given the widget's text (LF breaks).
namespace crlf {

int toCrLfOffset(QStringView lfText, int lfPosition);
// An offset that falls between CR and LF lands before the line break.
int toLfPosition(QStringView lfText, int crlfOffset);
QString toCrLf(QString lfText);
QString toLf(QString crlfText);

} // namespace crlf
