#pragma once

#include <QString>

namespace favorites {

// Removes leading and trailing space characters only: tabs and other white space stay, as the
// users of these boxes expect.
inline QString trimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.sliced(first, last - first);
}

} // namespace favorites
