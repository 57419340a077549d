#pragma once

#include "storage/filesystem.h"

#include <QString>
#include <QStringList>

#include <optional>

// The subject files: one text file per subject directly in the Verses folder, named by the
// subject followed by ".txt", holding exactly the subject's text.
//
// A subject name is only ever used as a file name directly inside the folder: a name holding a
// path separator is no subject, and its file is never read, written or deleted. A subject is a
// plain file: a link in the folder is no subject and is never followed, wherever it points.
class SubjectStore {
public:
    enum class WriteMode {
        ExistingOnly, // write only over a file that is already there
        Create,       // create the file when it is missing
    };
    struct Loaded {
        enum Status { Missing, Read, Failed } status = Missing;
        QString text;
        QString error;
    };

    SubjectStore(FileSystem& files, QString versesFolder);

    // Every plain file of the folder with each ".txt" removed from its name, in alphabetical
    // order (case-insensitive); a temporary file left by a save cut short is no subject. A
    // vanished folder lists nothing.
    QStringList subjectNames() const;

    // Deletes what saves cut short left beside the subjects' files: a plain file named as the
    // temporary file of an existing subject's file. Nothing else in the folder is touched.
    void removeLeftoverSaves();

    const QString& folder() const { return m_folder; }

    static bool isSafeName(const QString& subject);
    // The subject's file; nothing for a name that is no file name or whose entry is a link.
    std::optional<QString> pathOf(const QString& subject) const;
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
    // Replaces the file with the text, exactly: no line break is added.
    FileSystem::Result write(const QString& subject, const QString& text);
    FileSystem::Result remove(const QString& subject);

    // The name a new subject is created under: trimmed, without spaces and without the
    // characters \ . / : < > ? | that a file name cannot safely hold.
    static QString cleanedName(const QString& name);

private:
    QString filePath(const QString& fileName) const;

    FileSystem& m_files;
    QString m_folder;
};
