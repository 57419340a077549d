#pragma once

#include "storage/filesystem.h"
#include "storage/storedtext.h"

#include <QString>
#include <QStringList>

#include <optional>

// The subject files: one text file per subject directly in the Verses folder, named by the
// subject followed by ".txt", holding exactly the subject's text.
//
// A subject name is only ever used as a file name directly inside the folder: a name holding a
// path separator is no subject, and its file is never read, written or deleted. A subject is a
// plain file: a link in the folder is no subject and is never followed, wherever it points.
class SubjectFiles {
public:
    enum class WriteMode {
        ExistingOnly, // write only over a file that is already there
        Create,       // create the file when it is missing
    };
    struct Loaded {
        enum Status { Missing, Read, Failed } status = Missing;
        StoredText stored;
        QString error;
        const QString& text() const { return stored.text(); }
    };
    struct Saved {
        enum Status {
            Written,
            ChangedElsewhere, // the file no longer holds what was known of it: nothing written
            NotTrashed,       // the text it held could not be put in the trash: nothing written
            Failed,
        } status = Failed;
        QString error;
    };
    // What a save does with a file that no longer holds what was known of it.
    enum class Overwrite {
        No,          // leaves it as it is
        KeepInTrash, // replaces it once a copy of it is in the trash
        ForGood,     // replaces it
    };

    SubjectFiles(FileSystem& files, QString versesFolder);

    const QString& folder() const { return m_folder; }

    // Every plain file of the folder with each ".txt" removed from its name, in alphabetical
    // order (case-insensitive); a save's temporary file is no subject. A vanished folder lists
    // nothing.
    QStringList subjectNames() const;

    static bool isSafeName(const QString& subject);
    // Whether the subject's file name fits the folder's limit on the length of a name.
    bool fitsFolder(const QString& subject) const;
    // The subject's file; nothing for a name that is no file name or whose entry is a link.
    std::optional<QString> pathOf(const QString& subject) const;
    // The subject's file, when it is there as a plain file.
    std::optional<QString> existingPath(const QString& subject) const;
    bool exists(const QString& subject) const;
    // The existing subject that the name names: the one of exactly that name, else the one
    // whose name differs only in letter case (file names that differ only so name one thing
    // where the files were made). Nothing when no subject has the name.
    std::optional<QString> existingName(const QString& name) const;

    // A zero-length file loads as the empty text.
    Loaded load(const QString& subject) const;
    // Whether a write in the mode goes ahead: in create mode for a creatable name that no
    // other subject has in another letter case, otherwise only over an existing file.
    bool willWrite(const QString& subject, WriteMode mode) const;
    // Replaces the file with the bytes, but only while it still holds the bytes known of it
    // (nothing known: while there is no file), unless told to overwrite whatever it holds. A
    // file that already holds the bytes counts as written.
    Saved save(const QString& subject, const QByteArray& bytes,
               const std::optional<QByteArray>& known, Overwrite overwrite = Overwrite::No);
    // Moves the subject's file to the trash; fails where there is none.
    FileSystem::Result moveToTrash(const QString& subject);
    FileSystem::Result remove(const QString& subject);

    // The name a new subject is created under: trimmed, without spaces and without the
    // characters \ . / : < > ? | that a file name cannot safely hold.
    static QString cleanedName(const QString& name);

private:
    QString filePath(const QString& fileName) const;

    FileSystem& m_files;
    QString m_folder;
};
