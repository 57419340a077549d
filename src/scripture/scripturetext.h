#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

class FileSystem;

// Bible.dat held in memory: read once, and read again whenever the file's size or
// modification time changes, so every answer is that of a fresh scan of the file.
// The search and the verse lookup read the same copy.
class ScriptureText {
public:
    ScriptureText(FileSystem& files, QString path);

    // Brings the copy up to date; false when the file is missing or cannot be read (then
    // there are no lines).
    bool refresh();

    // The verse lines in file order, as of the last refresh.
    const QStringList& lines() const { return m_lines; }

    // The display form of one chapter: each line that begins with the prefix ("Genesis 1:"),
    // with every occurrence of the prefix removed, followed by CR LF CR LF. Empty when no line
    // begins with it; nothing when the file is missing or unreadable.
    std::optional<QString> chapterText(const QString& prefix);

private:
    FileSystem& m_files;
    QString m_path;
    QStringList m_lines;
    bool m_loaded = false;
    qint64 m_size = -1;
    QDateTime m_modified;
};
