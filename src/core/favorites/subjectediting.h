#pragma once

#include "favorites/followedsubject.h"
#include "favorites/subjectfiles.h"
#include "favorites/subjectsave.h"

#include <QString>

#include <optional>

// The favorites page's rules: the subject box and the subject text report what happened, and
// each event is answered with what to do: load, write, offer to delete, tell, or leave alone.
// It never touches a control or a file itself.
class SubjectEditing {
public:
    SubjectEditing(const SubjectFiles& subjectFiles, const FollowedSubject& followed);

    // What leaving the subject box does once its text is trimmed.
    struct BoxLeft {
        enum Kind {
            Nothing,
            Load,    // show another existing subject; the text on screen is not written over it
            Write,   // save the subject text to the subject (created when missing), then show it
            TooLong, // a new subject whose file name the folder cannot take: refused
        } kind = Nothing;
        QString subject;
        SubjectSave save; // Write: nothing when the file already holds the text
    };
    // Whether text in no file may be given up, once it was tried to save it one last time.
    struct Dropping {
        enum Kind {
            GoOn,
            Stay, // the user chose to see the file's text, and stays to read it
            Ask,  // whether to go on regardless
        } kind = GoOn;
        QString question;
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

    // Leaving the subject box with the text it holds: the existing subject to offer to delete,
    // when the box was emptied.
    std::optional<QString> subjectToDelete(const QString& boxText) const;
    // Leaving the subject box, its text trimmed; subjectBoxLeft() clears the flag once the page
    // has acted on the answer.
    BoxLeft leaveSubjectBox(const QString& trimmedBoxText, const QString& subjectText) const;
    void subjectBoxLeft() { m_boxEdited = false; }
    // Leaving the subject text: saved as saveNamed() does when it was edited; the flag is cleared.
    SubjectSave leaveSubjectText(const QString& boxText, const QString& subjectText);
    // The text is saved only to the subject the box names, when its file exists and the text is
    // that subject's text; a file gone under an edit is told of at once, not first when the
    // window closes.
    SubjectSave saveNamed(const QString& boxText, const QString& subjectText) const;

    // Before text in no file is given up (the window closes, another subject is shown): the
    // save tried one last time, under the name given.
    SubjectSave beforeDropping(const QString& savedUnder, const QString& subjectText) const;
    // Then, with the subject text as it now is and what the save came to (nothing: none was
    // tried), whether to go on: the question says why the text is in no file, and asks goOn.
    Dropping dropping(const QString& savedUnder, const QString& subjectText,
                      const std::optional<SaveOutcome>& written, const QString& goOn) const;

    // What the subject text is refilled with once emptied, so that no subject file is ever
    // written empty: the name given (the subject box's text), else the placeholder. Nothing
    // while it holds any text.
    static std::optional<QString> refill(const QString& subjectText, const QString& name);
    // The subject text with the looked-up verses added at its end: after an empty line, the
    // verses, then on a line of their own the book and the reference ("John 3:16").
    static QString withVerseAdded(const QString& subjectText, const QString& verses,
                                  const QString& book, const QString& reference);

private:
    // The only subject the text may be saved to: the one the box names, when its file exists
    // and the text shown is that subject's text.
    std::optional<QString> saveTarget(const QString& boxText) const;
    SubjectSave writeShown(const QString& subject, const QString& subjectText,
                           const QString& name) const;
    QString whyNotSaved(const QString& savedUnder, const std::optional<QString>& saveError,
                        const QString& folderProblem) const;
    QString fileGoneNotice(const QString& boxText) const;

    const SubjectFiles& m_subjectFiles;
    const FollowedSubject& m_followed;
    bool m_boxEdited = false;  // the subject box, since it got the focus
    bool m_textEdited = false; // the subject text, since it got the focus
    QString m_remembered;      // the box's text when it got the focus, or the subject picked last
};
