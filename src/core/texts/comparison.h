#pragma once

#include "scripture/reference.h"
#include "texts/textshelf.h"

#include <QList>
#include <QString>

#include <optional>
#include <stop_token>

// One verse in every text there is, each under the text's description, to read side by side.
namespace texts {

// What a text says at the verse: its words, or why there are none.
struct ComparedVerse {
    QString description; // the text's, as the texts are listed
    QString words;       // empty when the text says nothing there
    QString absence;     // why not: the text lacks the verse, or cannot be read or rendered

    bool operator==(const ComparedVerse&) const = default;
};

inline const QString kNotInThisText = QStringLiteral("not in this text");

// The verse as the text's file holds it, the file rendered first when it is a module's; nothing
// when asked to stop before the rendering was done. May run on a thread of its own once the
// shelf's texts are listed.
std::optional<ComparedVerse> compareIn(TextShelf& shelf, const Text& text,
                                       const scripture::Reference& verse,
                                       const Progress& progress = {}, std::stop_token stop = {});

// What is copied of it: the selection, after the reference unless it begins with it, CR LF
// between lines as every copy of the program's.
QString copiedWithReference(const scripture::Reference& verse, const QString& selected);

} // namespace texts
