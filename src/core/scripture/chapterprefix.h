#pragma once

#include <QString>

// The chapter prefix: book name, one space, chapter, colon ("Song of Solomon 2:"), which every
// verse line of the chapter begins with.
namespace scripture {

QString chapterPrefix(const QString& book, const QString& chapter);

} // namespace scripture
