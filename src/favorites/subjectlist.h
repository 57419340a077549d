#pragma once

#include "favorites/subjectstore.h"

#include <QString>

#include <optional>

class FrmBible;
struct Platform;

// Fills the subject box from the Verses folder, loads a subject's text into the favorites
// list and writes the list back to a subject's file. A file that cannot be read, written or
// deleted is reported in a message box naming the subject; the list keeps its text.
class SubjectList {
public:
    SubjectList(FrmBible& window, Platform& platform);

    // Refills the subject box's list, keeping its text, then loads the current subject.
    void ListCategories();
    // Loads the subject named by the subject box into the favorites list.
    void ListVersesFavorites();

    // The subject whose text the favorites list holds: the one last loaded or created. Saves
    // go to it, so the list is never written over another subject's file.
    const QString& shownSubject() const { return m_shown; }
    void setShownSubject(const QString& subject) { m_shown = subject; }

    // Writes the favorites list to the subject's file when the mode allows. An empty list is
    // first refilled with the fallback name, or "New", so no file is ever written empty.
    // False when nothing was written; a failure is reported.
    bool writeSubject(const QString& subject, SubjectStore::WriteMode mode,
                      const QString& fallback);
    // The same without telling the user: nothing when the mode allows no write, else how the
    // write went.
    std::optional<FileSystem::Result> writeSubjectQuietly(const QString& subject,
                                                          SubjectStore::WriteMode mode,
                                                          const QString& fallback);
    // Whether the favorites list holds text that is in no file: it changed since it was last
    // loaded or written.
    bool hasUnsavedText() const;
    // Deletes the subject's file; false (reported) when it could not be deleted.
    bool deleteSubject(const QString& subject);

    SubjectStore& store() { return m_store; }

private:
    void report(const QString& subject, const QString& failed, const QString& reason);
    QString listText() const;

    FrmBible& m_window;
    Platform& m_platform;
    SubjectStore m_store;
    QString m_shown;
    QString m_storedText; // the list's text as last loaded or written
};
