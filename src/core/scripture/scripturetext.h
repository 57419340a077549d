#pragma once

#include "scripture/chaptertext.h"
#include "scripture/versetext.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <future>
#include <limits>
#include <memory>
#include <optional>

class FileSystem;

// Bible.dat held in memory: read once, and read again whenever the file's size or times
// change, so every answer is that of a fresh scan of the file. The reading area, the search
// and the verse lookup all read this one copy.
class ScriptureText {
public:
    // unmarked: the encoding of a file that does not begin with the UTF-8 byte-order mark.
    ScriptureText(FileSystem& files, QString path,
                  TextEncoding unmarked = TextEncoding::Windows1252);
    // Waits for a read under way.
    ~ScriptureText();
    ScriptureText(const ScriptureText&) = delete;
    ScriptureText& operator=(const ScriptureText&) = delete;

    // Starts reading the file on a thread of its own, so that start-up need not wait for it.
    // A request made before the read ends waits for it, and then checks the file as every
    // refresh does: a file changed meanwhile is read again.
    void startLoading();
    // Waits for a read begun by startLoading() to end and takes its text; returns at once when
    // none is under way.
    void finishLoading();

    // Brings the copy up to date, after a read under way; false when the file is missing or
    // cannot be read (then there are no lines).
    bool refresh();
    // Reads another file from now on, after a read under way ends, and reads it at once.
    bool readFrom(const QString& path);
    const QString& path() const { return m_path; }

    // The text as of the last refresh.
    const VerseText& text() const { return *m_text; }
    // The same text, for a holder that keeps it: it stays as it is for as long as the holder
    // keeps it, even when a later refresh reads a changed file.
    std::shared_ptr<const VerseText> sharedText() const { return m_text; }

    // The display form of one chapter (scripture::chapterText), empty when the text lacks it;
    // nothing when the file is missing or unreadable.
    std::optional<scripture::ChapterText> chapter(const scripture::ChapterPlace& place);

private:
    struct Stamp {
        static constexpr qint64 kNoTime = std::numeric_limits<qint64>::min();
        qint64 size = -1;
        qint64 modifiedNs = kNoTime; // since the epoch
        qint64 changedNs = kNoTime;
        qint64 takenMs = 0;  // when the stamp was read from the file system, since the epoch
        bool isFile = false; // there, and not a folder
        bool sameFileAs(const Stamp& other) const;
        bool settled() const;
    };
    // A text read and the stamp the file had before the read; no stamp when the file is
    // missing or unreadable.
    struct Loaded {
        std::shared_ptr<const VerseText> text;
        std::optional<Stamp> stamp;
    };
    Stamp currentStamp() const;
    Loaded read(const Stamp& stamp) const;
    std::optional<VerseText> readText() const;
    void take(Loaded loaded);
    void forget();

    // Read on the loading thread as well: changed only while no read is under way.
    FileSystem& m_files;
    QString m_path;
    QByteArray m_nativePath; // the path as the system takes it
    const TextEncoding m_unmarked;

    std::shared_ptr<const VerseText> m_text;
    std::optional<Stamp> m_loaded;
    std::future<Loaded> m_loading; // last, so that it is waited for before the rest goes
};
