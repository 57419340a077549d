#include "study/bookmarklist.h"

#include "text/linebreak.h"
#include "text/spacetrim.h"

namespace study {
namespace {

// A name left empty is the verse's reference.
QString keptName(const scripture::Reference& verse, const QString& name) {
    const QString trimmed = text::spaceTrimmed(name);
    return trimmed.isEmpty() ? verse.formatted() : trimmed;
}

} // namespace

QString bookmarksNotSaved(const QString& reason) {
    return QStringLiteral("The bookmarks could not be saved.") + text::kCrLf + reason;
}

QString bookmarkName(const MarkFile::Mark& bookmark) {
    const QString name = text::spaceTrimmed(bookmark.value);
    return name.isEmpty() ? bookmark.verse.formatted() : name;
}

QString bookmarkLine(const MarkFile::Mark& bookmark) {
    const QString reference = bookmark.verse.formatted();
    const QString name = bookmarkName(bookmark);
    return name == reference ? name : name + QStringLiteral("  (") + reference + QLatin1Char(')');
}

std::vector<std::size_t> bookmarksInMenu(const MarkFile& file) {
    std::vector<std::size_t> shown;
    for (std::size_t mark = file.marks().size(); mark > 0 && shown.size() < kBookmarksInMenu;
         --mark)
        shown.push_back(mark - 1);
    return shown;
}

std::optional<std::size_t> movedTo(const MarkFile& file, std::size_t bookmark, int steps) {
    const auto to = qsizetype(bookmark) + steps;
    if (to < 0 || to >= qsizetype(file.marks().size()))
        return std::nullopt;
    return std::size_t(to);
}

void addBookmark(MarkFile& file, const scripture::Reference& verse, const QString& name) {
    file.append(verse, keptName(verse, name));
}

void renameBookmark(MarkFile& file, std::size_t bookmark, const QString& name) {
    file.setValue(bookmark, keptName(file.marks()[bookmark].verse, name));
}

} // namespace study
