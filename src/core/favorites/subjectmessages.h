#pragma once

#include "report/question.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

// What the favorites page tells and asks the user, worded once.
namespace favorites {

// The title of every message the favorites page gives.
constexpr QLatin1String kFavoritesTitle("Favorite Verses");
// Why the text is left unsaved once the user chose to keep editing.
constexpr QLatin1String
    kChangedElsewhere("Its file was changed by another window or program since it was shown here.");

// What the user chose when a subject's file changed elsewhere since this window read it.
enum class OnConflict {
    Overwrite,   // replace the file with the text shown, once the file's text is in the trash
    LoadFile,    // show the file's text instead, the text shown kept for Undo
    KeepEditing, // write nothing; the text shown stays unsaved
};
// A question whose buttons say what each does (the OK-and-Cancel kind is report::Question).
struct ChoiceQuestion {
    QString text;
    QStringList choices; // each says what it does
    int safeChoice = 0;  // the default, and the answer when the box is closed
};
ChoiceQuestion conflictQuestion(const QString& subject);
OnConflict conflictAnswer(int choice);

// The subject's file could not be read, saved or deleted (what failed), and why.
report::Question failureNotice(const QString& subject, const QString& failed,
                               const QString& reason);
// What could not be put in the trash may still be lost for good, when the user agrees: Cancel is
// the default answer, so that a reflexive Enter loses nothing.
report::Question loseForGoodQuestion(const QString& what, const QString& reason,
                                     const QString& goOn);
// Emptying the subject box offers to delete the subject; Cancel is the default answer.
report::Question deleteQuestion(const QString& subject);
report::Question tooLongNotice(const QString& subject);

} // namespace favorites
