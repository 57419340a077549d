#pragma once

#include "app/filesystem.h"

#include <QString>
#include <QStringList>

// The subject files: one text file per subject in the Verses folder, named by the subject
// followed by ".txt", holding exactly the subject's text.
class SubjectStore {
public:
    SubjectStore(FileSystem& files, QString versesFolder);

    // Every file of the folder with each ".txt" removed from its name, in alphabetical order
    // (case-insensitive). A vanished folder lists nothing.
    QStringList subjectNames() const;

    QString pathOf(const QString& subject) const;

private:
    FileSystem& m_files;
    QString m_folder;
};
