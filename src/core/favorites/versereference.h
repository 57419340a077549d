#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A verse reference as typed on the favorites page ("3:16", "1:1-6", "3 16"): chapter, verse
// and end verse, each a digit string that may be empty.
struct VerseReference {
    QString chapter;
    QString verse;
    QString endVerse;

    // The first number is the chapter; the number before the last separator is the verse and
    // the one after it the end verse. Any character that is not a digit separates.
    static VerseReference parse(const QString& reference);

    bool isSingleVerse() const {
        return !chapter.isEmpty() && !verse.isEmpty() && endVerse.isEmpty();
    }
    bool isRange() const { return !chapter.isEmpty() && !verse.isEmpty() && !endVerse.isEmpty(); }
};

namespace favorites {

// What the reference field keeps of a text: the text trimmed of spaces, then only spaces, "-",
// digits, ":" and ";". Nothing when the trimmed text is empty: the field is then left alone.
std::optional<QString> filterReference(const QString& text);

// A verse number of a range as a number the lookup can count with; nothing when it is too
// large for any verse (beyond 32767).
std::optional<int> rangeVerseNumber(const QString& digits);

// Whether leaving the reference field or changing the book looks verses up: a reference is
// typed and a book is named (the book box shows more than its placeholder).
bool canLookUp(const QString& reference, const QString& book);

// The result box's text: each verse preceded by one space, all on one line, or the no-result
// text.
QString lookupResultText(const QStringList& verses);

} // namespace favorites
