#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace texts {

// A verse's plain text as the one line it takes: each run of spaces and line breaks (CR, LF,
// tab, vertical tab, form feed, and Unicode's next line, line and paragraph separators) becomes
// one space, and none is left at either end. UTF-8 in, UTF-8 out.
QByteArray verseLine(QByteArrayView text);

} // namespace texts
