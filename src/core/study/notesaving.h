#pragma once

#include "report/question.h"

#include <QString>
#include <QStringList>

class FollowedSubject;

// How a note's text reaches its file, and what the note window asks and tells, worded once.
namespace study {

inline constexpr QLatin1String kNoteTitle("Note on Verse");

// A note's text as its file holds it, from the text an editor shows, which breaks its lines with
// line feeds alone: with the line break the file holds (CR LF in a new file).
QString noteTextFor(const QString& shown, const QString& asStored);

// What leaving a note does: nothing while it holds what its file holds (or, without a file,
// nothing but spaces and line breaks); an emptied note's file goes to the trash; any other text is
// written.
enum class NoteStep { Nothing, Write, Remove };
NoteStep noteStep(const FollowedSubject& followed, const QString& text, bool fileThere);

// The note's file was changed elsewhere since it was shown: replace it (its text to the trash),
// or keep editing, the safe answer.
struct NoteConflict {
    QString text;
    QStringList choices;
    int safeChoice = 1;
    static constexpr int kReplace = 0;
};
NoteConflict noteConflict(const QString& reference);
// The note's file could not be read, and why.
QString noteNotRead(const QString& reference, const QString& reason);
// The note is in no file, and why when known; closing asks whether to close all the same, Cancel
// the default answer.
report::Question noteNotSaved(const QString& reference, const QString& reason, bool closing);

} // namespace study
