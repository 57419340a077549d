#pragma once

#include "favorites/followedsubject.h"
#include "favorites/subjectfiles.h"
#include "scripture/chapterwalk.h"

#include <QObject>
#include <QPointer>

class MessageBoxes;
class NoteWindow;
class QAction;
class QCloseEvent;
class ReadingArea;

// Edit > Note on Verse: the note on the verse in sight, in a window of its own, each note a file
// of the Notes folder. A note is saved as the favourite verses are: when it is left, another
// verse's note is opened or a window closes; only what the user changed, in the file's own
// encoding, never over a change made to the file elsewhere without asking. A chapter shown marks
// its verses that have a note.
class NoteCommands : public QObject {
    Q_OBJECT
public:
    NoteCommands(QWidget& window, QAction* noteOnVerse, ReadingArea& reading, SubjectFiles& notes,
                 MessageBoxes& messages);
    ~NoteCommands() override;

    void openNote();
    // Saves the note shown; false when its text is in no file and stays so.
    bool save();
    // Before the main window or the note's closes: a note that cannot be saved is asked about.
    void onClosing(QCloseEvent* closing);
    void markNotesIn(const scripture::ChapterPlace& chapter);

private:
    bool write(const QString& name, const QString& text);
    // Tells why the note is in no file; false.
    bool tellNotSaved(const QString& reason);

    QWidget& m_window;
    ReadingArea& m_reading;
    SubjectFiles& m_notes;
    MessageBoxes& m_messages;
    FollowedSubject m_followed;
    QString m_asStored;          // the note's text as last read or written
    QPointer<NoteWindow> m_note; // made when first asked for
};
