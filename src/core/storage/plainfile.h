#pragma once

#include <QFile>
#include <QString>

// A file opened for reading only when it is a plain file. A pipe, a device or a folder in its
// place is refused at once: opening does not wait for a writer, and nothing endless is read.
class PlainFile {
public:
    explicit PlainFile(const QString& path);

    bool isOpen() const { return m_file.isOpen(); }
    QFile& file() { return m_file; }
    // Why it is not open, for the user.
    const QString& error() const { return m_error; }

private:
    QFile m_file;
    QString m_error;
};
