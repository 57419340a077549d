#pragma once

#include <QString>

#include <optional>

class SubjectStore;

// What the favorites page keeps between its events, and what it decides on each: the subject
// box and the favorites list report what happened; this answers what to load, write, offer to
// delete or leave alone. It never touches a control or a file itself.
class SubjectEditing {
public:
    explicit SubjectEditing(const SubjectStore& store);

    // What leaving the subject box does once its text is trimmed.
    struct BoxLeft {
        enum Kind {
            Nothing,
            Load,  // show another existing subject; the text on screen is not written over it
            Write, // write the list to the subject (created when missing), then show it
        } kind = Nothing;
        QString subject;
        bool operator==(const BoxLeft&) const = default;
    };

    // Events, as they happen.
    void subjectBoxGotFocus(const QString& boxText);
    void subjectBoxChanged() { m_subjectEdited = true; }
    void subjectPicked(const QString& subject);
    void listGotFocus() { m_subjectEdited = false; }
    void listChanged() { m_subjectEdited = true; }
    void verseLookedUp() { m_subjectEdited = false; }
    // The list now holds the subject's text as stored (or what an absent file leaves).
    void subjectLoaded(const QString& subject, const QString& listText);
    // The list's text is now in its subject's file.
    void subjectSaved(const QString& listText) { m_storedText = listText; }

    // The subject box or the list was edited (or a subject picked) since it got the focus.
    bool subjectEdited() const { return m_subjectEdited; }
    const QString& rememberedSubject() const { return m_remembered; }
    const QString& shownSubject() const { return m_shown; }

    // Leaving the subject box with the text it holds: the existing subject to offer to delete,
    // when the box was emptied.
    std::optional<QString> subjectToDelete(const QString& boxText) const;
    // Leaving the subject box, its text trimmed. The flag is cleared afterwards by boxLeft().
    BoxLeft leaveSubjectBox(const QString& trimmedBoxText) const;
    void subjectBoxLeft() { m_subjectEdited = false; }
    // Leaving the list: whether to save it; the flag is cleared.
    bool leaveList();

    // The only subject the list may be saved to: the one the box names, when its file exists
    // and the list holds that subject's text. Nothing, and then nothing is written, otherwise.
    std::optional<QString> saveTarget(const QString& boxText) const;
    // The list holds text that is in no file.
    bool hasUnsavedText(const QString& listText) const { return listText != m_storedText; }
    // Closing the window saves when something changed that may not be in a file yet.
    bool saveOnClosing(const QString& listText) const {
        return m_subjectEdited || hasUnsavedText(listText);
    }

    // What an emptied list is refilled with: the subject box's text, else the placeholder.
    static QString refillText(const QString& boxText);

private:
    bool holdsTextOf(const QString& subject) const;

    const SubjectStore& m_store;
    bool m_subjectEdited = false;
    QString m_remembered; // the box's text when it got the focus, or the subject picked last
    QString m_shown;      // the subject whose text the list holds
    QString m_storedText; // the list's text as last loaded or saved
};
