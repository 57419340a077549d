#pragma once

#include <QString>
#include <QStringList>

// BkMrk.dat: book, chapter and caret offset, three lines with no break after the last.
namespace bookmark {

// Book, chapter, caret offset: readers read no further.
constexpr qsizetype kRecordLines = 3;

QString format(const QString& book, const QString& chapter, int caretOffset);

// A reading position as read back from the file.
struct Position {
    QString book;    // empty when the file has no first line
    QString chapter; // empty when it has no second line
    int caretOffset = 0;
};

// Reads as far as the lines go: a missing book or chapter is the empty text (which selects
// no chapter), and a caret offset that is missing, not a whole number or negative is 0.
// Lines after the third are ignored. Offsets beyond the int range are kept at its end, where
// the text box puts the caret at the end of the text anyway.
Position parse(const QStringList& lines);

// The caret offset of the third line, by the rules above.
int parseCaretOffset(const QString& text);

// What the status line says once the bookmark is set: "Bookmark set at John 3".
QString setSummary(const QString& book, const QString& chapter);

} // namespace bookmark
