#pragma once

#include <QStringList>

namespace favorites {

// Breaks a subject's text into the lines it is printed in. A line holds at most 40 counted
// characters: it ends after the last complete word that fits, is trimmed of its spaces, and
// a word that does not fit is carried whole, with its count, to the next line. A word longer
// than 40 characters is never split. A line break of the text ends the printed line as it
// stands and starts a fresh count. The last line of each paragraph is printed as it stands,
// spaces included. An empty text prints no line.
QStringList subjectPrintLines(const QString& text);

// How many characters a printed line holds at most.
inline constexpr int kPrintWidth = 40;

} // namespace favorites
