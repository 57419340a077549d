#pragma once

#include "storage/filesystem.h"

#include <QString>
#include <QStringList>

// A record file: a few lines, each a field (BkMrk.dat, Pref.dat). It is read as far as the
// record's lines and no further; a missing file is nothing to read, not a failure.
class RecordFile {
public:
    RecordFile(FileSystem& files, QString path, qsizetype fieldCount);

    struct Contents {
        enum Status { Missing, Read, Failed } status = Missing;
        QStringList fields; // the file's lines, at most the record's count
        QString error;      // why it could not be read, for the user
    };
    Contents read() const;
    // Replaces the file with the record.
    FileSystem::Result write(const QString& record);
    // Creates the file holding the record when it is missing; an existing file is never
    // rewritten, whatever it holds. One that cannot be made is logged, and the program goes on
    // without it.
    void writeIfMissing(const QString& record);

private:
    FileSystem& m_files;
    QString m_path;
    qsizetype m_fieldCount;
};
