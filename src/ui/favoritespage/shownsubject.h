#pragma once

#include "favorites/subjectfiles.h"
#include "favoritespage/favoritesview.h"
#include "storage/datafolder.h"
#include "storage/filesystem.h"

#include <QFileSystemWatcher>
#include <QString>

#include <optional>

class FavoritesSession;
class MessageBoxes;

// The subject the subject text shows, and its file: fills the subject box from the Verses
// folder, loads a subject's text into the subject text and writes it back to the subject's
// file, telling the favorites session what the subject text now holds. A file that cannot be
// read, written or deleted is reported in a message box naming the subject; the subject text
// keeps its text. A file changed elsewhere is never written over without asking, and while the
// subject text holds no edit of the user's it follows its file.
class ShownSubject {
public:
    ShownSubject(const FavoritesView& view, SubjectFiles& subjectFiles, FavoritesSession& session,
                 MessageBoxes& messages);

    // Refills the subject box's list, keeping its text, then shows the subject it names.
    void listSubjects();
    // Loads the subject named by the subject box into the subject text.
    void showNamedSubject();

    // What a write came to.
    struct Written {
        enum Outcome {
            Saved,       // the file holds the text shown
            FileShown,   // the user chose the file's text, shown now; Undo brings the text back
            LeftUnsaved, // the user chose to keep the text unsaved, or it could not be saved
        } outcome = LeftUnsaved;
        QString error;       // why it is not saved
        bool failed = false; // the file could not be read or written: not the user's choice
    };

    // Writes the subject text to the subject's file when the mode allows and the user changed
    // it. An empty text is first refilled with the fallback name, or the placeholder, so no file
    // is ever written empty. When the file was changed elsewhere, the user chooses what is
    // kept, and no side's words are lost. True when saved; a failure is reported.
    bool write(const QString& subject, SubjectFiles::WriteMode mode, const QString& fallback);
    // The same without reporting a failure; nothing when the mode allows no write.
    std::optional<Written> writeQuietly(const QString& subject, SubjectFiles::WriteMode mode,
                                        const QString& fallback);
    // Moves the subject's file to the trash; where there is none, deletes it for good when the
    // user agrees. False when it is still there (a failure is reported).
    bool remove(const QString& subject);
    // An emptied subject text is refilled with the name, so that no file is ever written empty.
    void refillIfEmptied(const QString& name);
    bool exists(const QString& subject) const { return m_subjectFiles.exists(subject); }
    // Why no subject can be saved in the Verses folder; empty when one can.
    QString folderProblem() const { return storage::folderProblem(m_subjectFiles.folder()); }

private:
    SubjectFiles::Saved replaceFile(const QString& subject, const QByteArray& bytes);
    bool showFileText(const QString& subject);
    bool mayLoseForGood(const QString& what, const QString& reason, const QString& goOn);
    bool load(const QString& subject);
    void show(const QString& subject, const SubjectFiles::Loaded& loaded);
    void followFile();
    void watchShownSubject();
    void report(const QString& subject, const QString& failed, const QString& reason);

    FavoritesView m_view;
    SubjectFiles& m_subjectFiles;
    FavoritesSession& m_session;
    MessageBoxes& m_messages;
    QFileSystemWatcher m_watcher;
};
