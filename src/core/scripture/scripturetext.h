#pragma once

#include "scripture/versetext.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <limits>
#include <optional>

class FileSystem;

// Bible.dat held in memory: read once, and read again whenever the file's size or times
// change, so every answer is that of a fresh scan of the file. The reading area, the search
// and the verse lookup all read this one copy.
class ScriptureText {
public:
    ScriptureText(FileSystem& files, QString path);

    // Brings the copy up to date; false when the file is missing or cannot be read (then
    // there are no lines).
    bool refresh();

    // The text as of the last refresh.
    const VerseText& text() const { return m_text; }

    // The verse lines in file order, as of the last refresh, all decoded and kept (the text a
    // second time over); text() answers the same without that.
    const QStringList& lines() const { return m_text.lines(); }

    // The display form of one chapter: each line that begins with the prefix ("Genesis 1:"),
    // with every occurrence of the prefix removed, followed by CR LF CR LF. Empty when no line
    // begins with it; nothing when the file is missing or unreadable.
    std::optional<QString> chapterText(const QString& prefix);

private:
    struct Stamp {
        static constexpr qint64 kNoTime = std::numeric_limits<qint64>::min();
        qint64 size = -1;
        qint64 modifiedNs = kNoTime; // since the epoch
        qint64 changedNs = kNoTime;
        qint64 takenMs = 0; // when the stamp was read from the file system, since the epoch
        bool sameFileAs(const Stamp& other) const;
        bool settled() const;
    };
    Stamp currentStamp() const;
    std::optional<VerseText> readText() const;
    void forget();

    FileSystem& m_files;
    QString m_path;
    QByteArray m_nativePath; // the path as the system takes it
    VerseText m_text;
    std::optional<Stamp> m_loaded;
};
