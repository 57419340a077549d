#pragma once

#include <QString>
#include <QStringList>

namespace texts {

// What a plain rendering sets one of the SWORD library's options to, given the values the option
// takes. The marks of the letters themselves (Greek accents, Hebrew vowel points and
// cantillation, Arabic vowel points) are part of the text as written and stay; every other
// option lays something over the text (Strong's numbers, morphology, footnotes, headings, cross
// references, ...) and is off: "Off" where the option has it, else its first value, which is the
// library's default (the primary reading of textual variants).
QString plainOptionValue(const QString& option, const QStringList& values);

} // namespace texts
