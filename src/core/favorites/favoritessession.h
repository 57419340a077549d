#pragma once

#include "favorites/subjectfiles.h"
#include "storage/storedtext.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the favorites page keeps between its events, and what it decides on each: the subject
// box and the subject text report what happened; this answers what to load, write, offer to
// delete or leave alone. It never touches a control or a file itself.
//
// It keeps what the shown subject's file held when this window last read or wrote it, so that
// only what the user changed is written, in the file's own encoding, and never over a change
// made to the file elsewhere.
class FavoritesSession {
public:
    explicit FavoritesSession(const SubjectFiles& subjectFiles);

    // What leaving the subject box does once its text is trimmed.
    struct BoxLeft {
        enum Kind {
            Nothing,
            Load,    // show another existing subject; the text on screen is not written over it
            Write,   // write the subject text to the subject (created when missing), then show it
            TooLong, // a new subject whose file name the folder cannot take: refused
        } kind = Nothing;
        QString subject;
        bool operator==(const BoxLeft&) const = default;
    };

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

    // Events, as they happen. The box and the text each count their own edits since they got
    // the focus: a subject loaded into the text is no name typed into the box.
    void subjectBoxEntered(const QString& boxText);
    void subjectBoxChanged() { m_boxEdited = true; }
    // A pick loads the subject; it is no edit of it.
    void subjectPicked(const QString& subject);
    void subjectTextEntered() { m_textEdited = false; }
    void subjectTextChanged() { m_textEdited = true; }
    void verseLookedUp() { m_boxEdited = m_textEdited = false; }
    // The subject text now holds the subject's text as read from its file (nothing: it has none).
    void subjectLoaded(const QString& subject, std::optional<StoredText> file,
                       const QString& subjectText);
    // The subject text is now in the subject's file, stored so.
    void subjectSaved(const QString& subject, StoredText file);

    const QString& shownSubject() const { return m_shown; }
    // The subject to show again at the next start: the shown one, while its file is there.
    std::optional<QString> subjectToReopen() const { return m_subjectFiles.existingName(m_shown); }

    // Leaving the subject box with the text it holds: the existing subject to offer to delete,
    // when the box was emptied.
    std::optional<QString> subjectToDelete(const QString& boxText) const;
    // Leaving the subject box, its text trimmed; subjectBoxLeft() clears the flag once the page
    // has acted on the answer.
    BoxLeft leaveSubjectBox(const QString& trimmedBoxText) const;
    void subjectBoxLeft() { m_boxEdited = false; }
    // Leaving the subject text: whether to save it; the flag is cleared.
    bool leaveSubjectText();

    // The only subject the text may be saved to: the one the box names, when its file exists
    // and the text shown is that subject's text. Nothing, and then nothing is written, otherwise.
    std::optional<QString> saveTarget(const QString& boxText) const;
    // The subject text holds text that is in no file.
    bool hasUnsavedText(const QString& subjectText) const { return subjectText != m_textAsStored; }
    // The subject text holds words the user meant for the file of the subject shown, which the
    // box still names, and that file (or its folder) has gone since.
    bool fileWentAway(const QString& boxText, const QString& subjectText) const;
    // Why the subject text is in no file, for the user: the save under the name that failed and
    // why, the folder that cannot take a file, the file of the subject shown gone, or no subject
    // named to save it under.
    QString whyNotSaved(const QString& savedUnder, const std::optional<QString>& saveError,
                        const QString& folderProblem) const;
    // What the user is told once the file went away: why the text is not saved, that it stays,
    // and, where the folder can still take a file, how to save it.
    QString fileGoneNotice(const QString& boxText, const QString& folderProblem) const;
    // Whether saving the subject text writes anything: to the subject shown, only what
    // the user changed.
    bool needsWriting(const QString& subject, const QString& subjectText) const;
    // The bytes that store the subject text in the subject's file; the shown subject's file keeps
    // its encoding and every byte the user did not touch.
    QByteArray bytesFor(const QString& subject, const QString& subjectText) const;
    // What the subject's file held when this window last read or wrote it; nothing when it had
    // no file, or is not the subject shown.
    std::optional<QByteArray> knownBytes(const QString& subject) const;
    // The shown subject's file as it now is: whether the subject text takes its text. It does while
    // it holds no edit of the user's; a file gone or unreadable leaves the text shown.
    bool followsFile(const QString& subjectText, const SubjectFiles::Loaded& now) const;

    static ChoiceQuestion conflictQuestion(const QString& subject);
    static OnConflict conflictAnswer(int choice);
    // What the subject text is refilled with once emptied, so that no subject file is ever
    // written empty: the name given (the subject box's text), else the placeholder. Nothing
    // while it holds any text.
    static std::optional<QString> refill(const QString& subjectText, const QString& name);
    // The subject text with the looked-up verses added at its end: after an empty line, the
    // verses, then on a line of their own the book and the reference ("John 3:16").
    static QString withVerseAdded(const QString& subjectText, const QString& verses,
                                  const QString& book, const QString& reference);

private:
    bool holdsTextOf(const QString& subject) const;

    const SubjectFiles& m_subjectFiles;
    bool m_boxEdited = false;  // the subject box, since it got the focus
    bool m_textEdited = false; // the subject text, since it got the focus
    QString m_remembered;      // the box's text when it got the focus, or the subject picked last
    QString m_shown;           // the subject whose text is shown
    QString m_textAsStored;    // the subject text as last loaded or saved
    std::optional<StoredText> m_file; // the shown subject's file as last read or written
};
