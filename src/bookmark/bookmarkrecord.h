#pragma once

#include <QString>

// BkMrk.dat: book, chapter and caret offset, three lines with no break after the last.
namespace bookmark {

inline const QString kDefaultRecord = QStringLiteral("Genesis\r\n1\r\n0");

QString format(const QString& book, const QString& chapter, int caretOffset);

} // namespace bookmark
