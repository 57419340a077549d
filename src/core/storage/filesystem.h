#pragma once

#include "text/utf8.h"

#include <QString>
#include <QStringList>

#include <chrono>

// The file operations the program needs, over Qt. Every stored file is text: Windows-1252
// unless it begins with a UTF-8 byte-order mark; lines end with CR LF (a bare LF is read too),
// and a write stores whatever breaks the text holds.
//
// Only plain files are read: a pipe, a device or a folder in a file's place is a file that
// cannot be read, found so at once, never waited on.
//
// Methods are virtual so a test can make a write, read or delete fail on purpose.
class FileSystem {
public:
    struct ReadResult {
        bool ok = false;
        QString text;  // the whole file, line breaks as stored
        QString error; // why it could not be read, for the user
    };
    struct Result {
        bool ok = false;
        QString error;
    };
    struct BytesResult {
        bool ok = false;
        QByteArray bytes;
        QString error;
    };

    // What a file saved as UTF-8 begins with; a file without it is Windows-1252.
    inline static const QByteArray kUtf8ByteOrderMark = text::kUtf8ByteOrderMark.toByteArray();
    // How much of a file a reader of its first lines reads at most.
    static constexpr qsizetype kMostLineBytes = 64 * 1024;
    // A save's temporary file younger than this may be one that another window is writing.
    static constexpr std::chrono::seconds kLeftoverAge{60};

    FileSystem() = default;
    Q_DISABLE_COPY_MOVE(FileSystem)
    virtual ~FileSystem() = default;

    virtual bool fileExists(const QString& path) const;
    // A symbolic link, whether or not it leads anywhere.
    virtual bool isLink(const QString& path) const;
    // A regular file that is itself no link: not a folder, a device, a pipe or a link to a file.
    virtual bool isPlainFile(const QString& path) const;
    virtual bool folderExists(const QString& path) const;
    // Names (with extension, without folder) of the plain files directly in the folder.
    virtual QStringList fileNames(const QString& folder) const;
    // The longest file name, in bytes, that the folder takes.
    qsizetype longestName(const QString& folder) const;

    // Whether the file opens for reading, without reading it: a cheap early test of a large file
    // that is only read later.
    virtual Result canRead(const QString& path) const;
    // The file's bytes as stored. Given a count of lines, only as far as the end of that many
    // lines, and never more than kMostLineBytes.
    virtual BytesResult readBytes(const QString& path, qsizetype lineCount = -1) const;
    ReadResult readAll(const QString& path) const;
    // Whether a reader may read a file itself, bypassing this layer, for speed: not when the
    // layer changes what reads give (a test's, making reads fail on purpose).
    virtual bool mayReadDirectly() const { return true; }
    // Such bytes as Windows-1252 text: a file in UTF-8 with a byte-order mark is converted, the
    // mark dropped, as decode() reads it (see codepage::encodeWindows1252).
    static QByteArray asWindows1252(QByteArray bytes);
    // The file's first lines (all of them without a count) without their line breaks; a last
    // line without a break counts too.
    ReadResult readLines(const QString& path, QStringList& lines, qsizetype lineCount = -1) const;

    // Replaces the file atomically with the bytes: a crash or a power cut never leaves a
    // truncated file. When the file already holds those bytes it is not touched at all. A
    // read-only file is made writable for its owner. On any failure the old file stays as it
    // was. A link is never written through: where it points may lie outside the program's
    // folders; nor is a pipe, a device or a folder replaced.
    virtual Result writeBytes(const QString& path, const QByteArray& bytes);
    // The text, encoded by encode().
    Result writeAll(const QString& path, const QString& text);
    virtual Result remove(const QString& path);
    // Moves the file to the desktop's trash, from where the user can restore it; fails where
    // there is none.
    virtual Result moveToTrash(const QString& path);
    // Puts the bytes in the desktop's trash as a copy of the file, which stays as it is.
    virtual Result copyToTrash(const QString& path, const QByteArray& bytes);

    // Deletes the temporary files that saves cut short left in the folder, older than the age
    // given. Only files named with the save's own mark are ever removed.
    void removeLeftoverSaves(const QString& folder, std::chrono::seconds minimumAge = kLeftoverAge);
    // A name that only a save's temporary file has.
    static bool isLeftoverName(const QString& fileName);

    // Windows-1252, or UTF-8 after a byte-order mark: each byte that is not valid UTF-8 there
    // is read as one U+FFFD.
    static QString decode(const QByteArray& bytes);
    // Windows-1252 when every character fits, otherwise UTF-8 with a byte-order mark, so no
    // character is ever lost (so is a text that begins with the mark's bytes read as
    // Windows-1252, "ï»¿").
    static QByteArray encode(const QString& text);
    static QStringList splitLines(const QString& text);
    static QString withCrLf(const QString& text);
};
