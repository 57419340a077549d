#pragma once

#include <QString>
#include <QStringList>

// The file operations the program needs, over Qt. Every stored file is text: Windows-1252
// unless it begins with a UTF-8 byte-order mark; lines end with CR LF (a bare LF is read too),
// and a write stores whatever breaks the text holds.
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

    // What a file saved as UTF-8 begins with; a file without it is Windows-1252.
    inline static const QByteArray kUtf8ByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

    virtual ~FileSystem() = default;

    virtual bool fileExists(const QString& path) const;
    // A symbolic link, whether or not it leads anywhere.
    virtual bool isLink(const QString& path) const;
    // A regular file that is itself no link: not a folder, a device, a pipe or a link to a file.
    virtual bool isPlainFile(const QString& path) const;
    virtual bool folderExists(const QString& path) const;
    virtual bool createFolder(const QString& path);
    // Names (with extension, without folder) of the plain files directly in the folder.
    virtual QStringList fileNames(const QString& folder) const;

    // Whether the file opens for reading, without reading it: a cheap early test of a large file
    // that is only read later.
    virtual Result canRead(const QString& path) const;
    virtual ReadResult readAll(const QString& path) const;
    // The file's bytes as stored, for readers that work on the single-byte text itself.
    struct BytesResult {
        bool ok = false;
        QByteArray bytes;
        QString error;
    };
    virtual BytesResult readBytes(const QString& path) const;
    // Whether a reader may read a file itself, bypassing this layer, for speed: not when the
    // layer changes what reads give (a test's, making reads fail on purpose).
    virtual bool mayReadDirectly() const { return true; }
    // Such bytes as Windows-1252 text: a file in UTF-8 with a byte-order mark is converted, the
    // mark dropped, as decode() reads it (see codepage::encodeWindows1252Replacing).
    static QByteArray asWindows1252(QByteArray bytes);
    // The file's lines without their line breaks; a last line without a break counts too.
    ReadResult readLines(const QString& path, QStringList& lines) const;

    // Replaces the file atomically with the text: a crash never leaves a truncated file.
    // The characters are written exactly, line breaks as they are in the text. Windows-1252
    // when every character fits, otherwise UTF-8 with a byte-order mark, so no character is
    // ever lost (so is a text that begins with the mark's bytes read as Windows-1252, "ï»¿").
    // When the file already holds those bytes it is not touched at all. A read-only
    // file is made writable for its owner first. On any failure the old file stays as it was.
    // A link is never written through: where it points may lie outside the program's folders.
    virtual Result writeAll(const QString& path, const QString& text);
    virtual Result remove(const QString& path);

    // The name of the file that a save cut short meant to replace, when the name is that of the
    // save's temporary file: the file's name, a dot and six letters or digits. Else empty.
    static QString savedNameOfLeftover(const QString& fileName);

    static QString decode(const QByteArray& bytes);
    static QByteArray encode(const QString& text);
    static QStringList splitLines(const QString& text);
    static QString withCrLf(const QString& text);
};
