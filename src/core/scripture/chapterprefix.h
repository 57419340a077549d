#pragma once

#include <QString>

#include <optional>

// The chapter prefix: book name, one space, chapter, colon ("Song of Solomon 2:"), which every
// verse line of the chapter begins with.
namespace scripture {

QString chapterPrefix(const QString& book, const QString& chapter);

// The book and chapter a prefix names, as written: the book before the prefix's last space
// (a book name may hold spaces itself), trimmed of spaces, and the chapter between that space
// and the colon. Nothing when the prefix does not end with its colon.
struct PrefixParts {
    QString book; // empty when the prefix holds no space
    QString chapter;
};
std::optional<PrefixParts> splitChapterPrefix(const QString& prefix);

} // namespace scripture
