#include "favorites/subjectmessages.h"

#include "text/linebreak.h"

namespace favorites {

using text::kCrLf;

// Each answer says where the words it does not keep in the file go.
ChoiceQuestion conflictQuestion(const QString& subject) {
    return {QStringLiteral("The subject \"%1\" was changed in its file by another window or "
                           "program since it was shown here.")
                    .arg(subject) +
                kCrLf + kCrLf +
                QStringLiteral("Replace the File: the text shown here is saved, and the file's "
                               "text is moved to the trash, from where it can be restored.") +
                kCrLf +
                QStringLiteral("Show the File: the file's text is shown instead; Edit > Undo "
                               "(Ctrl+Z) in the favorite verses brings back the text shown here.") +
                kCrLf + QStringLiteral("Keep Editing: nothing is saved for now."),
            {QStringLiteral("&Replace the File"), QStringLiteral("&Show the File"),
             QStringLiteral("&Keep Editing")},
            int(OnConflict::KeepEditing)};
}

OnConflict conflictAnswer(int choice) {
    switch (choice) {
    case int(OnConflict::Overwrite):
        return OnConflict::Overwrite;
    case int(OnConflict::LoadFile):
        return OnConflict::LoadFile;
    default:
        return OnConflict::KeepEditing; // the box closed without a choice writes nothing
    }
}

report::Question failureNotice(const QString& subject, const QString& failed,
                               const QString& reason) {
    return {QStringLiteral("The subject \"%1\" could not be %2.").arg(subject, failed) + kCrLf +
                reason,
            report::Buttons::OkOnly, kFavoritesTitle};
}

report::Question loseForGoodQuestion(const QString& what, const QString& reason,
                                     const QString& goOn) {
    return {what +
                QStringLiteral(" could not be moved to the trash, from where it could have been "
                               "restored:") +
                kCrLf + reason + kCrLf + goOn,
            report::Buttons::OkCancelDefaultCancel, QStringLiteral("Warning")};
}

report::Question deleteQuestion(const QString& subject) {
    return {subject + QStringLiteral(" Category will be deleted.") + kCrLf +
                QStringLiteral("It is moved to the trash, from where it can be restored."),
            report::Buttons::OkCancelDefaultCancel, QStringLiteral("Warning")};
}

report::Question tooLongNotice(const QString& subject) {
    return {QStringLiteral("The subject name \"%1\" is too long: a file in the Verses folder "
                           "cannot be named by it. Please choose a shorter name.")
                .arg(subject),
            report::Buttons::OkOnly, kFavoritesTitle};
}

} // namespace favorites
