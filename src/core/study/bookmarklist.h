#pragma once

#include "study/markfile.h"

#include <optional>

// The reader's bookmarks, kept in their own file in the order the user gives them: each a verse
// and a name, the verse's reference unless the user names it otherwise.
namespace study {

inline constexpr QLatin1String kBookmarksTitle("Bookmarks");
// The bookmarks' file could not be written, and why.
QString bookmarksNotSaved(const QString& reason);

// How many of the last bookmarks the Bookmark menu lists.
inline constexpr std::size_t kBookmarksInMenu = 15;

QString bookmarkName(const MarkFile::Mark& bookmark);
// As the menu and the list show it: the name, and the reference after a name of the user's.
QString bookmarkLine(const MarkFile::Mark& bookmark);

// The bookmarks the menu lists: the last ones in the list, the last first.
std::vector<std::size_t> bookmarksInMenu(const MarkFile& file);

// Where a bookmark moves by steps through the list (-1: up), or nothing past either end.
std::optional<std::size_t> movedTo(const MarkFile& file, std::size_t bookmark, int steps);

void addBookmark(MarkFile& file, const scripture::Reference& verse, const QString& name);
void renameBookmark(MarkFile& file, std::size_t bookmark, const QString& name);

} // namespace study
