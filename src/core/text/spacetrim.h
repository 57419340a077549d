#pragma once

#include <QString>

namespace text {

// Removes leading and trailing space characters only: tabs, line breaks and other white space
// stay, since the program's boxes and files treat only the space as padding.
inline QString spaceTrimmed(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.sliced(first, last - first);
}

} // namespace text
