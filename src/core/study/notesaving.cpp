#include "study/notesaving.h"

#include "favorites/followedsubject.h"
#include "text/linebreak.h"

namespace study {

QString noteTextFor(const QString& shown, const QString& asStored) {
    const bool lineFeedsAlone =
        asStored.contains(QLatin1Char('\n')) && !asStored.contains(text::kCrLf);
    return lineFeedsAlone ? shown : QString(shown).replace(QLatin1Char('\n'), text::kCrLf);
}

NoteStep noteStep(const FollowedSubject& followed, const QString& text, bool fileThere) {
    if (!followed.hasUnsavedText(text))
        return NoteStep::Nothing;
    if (!text.trimmed().isEmpty())
        return NoteStep::Write;
    return fileThere ? NoteStep::Remove : NoteStep::Nothing;
}

NoteConflict noteConflict(const QString& reference) {
    return {QStringLiteral("The note on %1 was changed in its file by another window or program "
                           "since it was shown here.")
                    .arg(reference) +
                text::kCrLf + text::kCrLf +
                QStringLiteral("Replace the File: the note shown here is saved, and the file's "
                               "text is moved to the trash, from where it can be restored.") +
                text::kCrLf + QStringLiteral("Keep Editing: nothing is saved for now."),
            {QStringLiteral("&Replace the File"), QStringLiteral("&Keep Editing")}};
}

QString noteNotRead(const QString& reference, const QString& reason) {
    return QStringLiteral("The note on %1 could not be read.").arg(reference) + text::kCrLf +
           reason;
}

report::Question noteNotSaved(const QString& reference, const QString& reason, bool closing) {
    QString text = QStringLiteral("The note on %1 is not saved.").arg(reference);
    if (!reason.isEmpty())
        text += text::kCrLf + reason;
    if (!closing)
        return {text, report::Buttons::OkOnly, kNoteTitle};
    text += text::kCrLf + text::kCrLf +
            QStringLiteral("Close all the same? The note's words are then lost.");
    return {text, report::Buttons::OkCancelDefaultCancel, kNoteTitle};
}

} // namespace study
