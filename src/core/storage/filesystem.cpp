#include "storage/filesystem.h"

#include "storage/datafolder.h"
#include "text/codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <cerrno>

#include <optional>

namespace {

// Whether the file already holds exactly these bytes: then a save would change nothing, and
// leaving the file alone keeps a file the user only looked at as it was, even in a read-only
// folder.
bool alreadyHolds(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.size() != bytes.size() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray current = file.readAll();
    return file.error() == QFileDevice::NoError && current == bytes;
}

// A read-only file is still the user's own: it is made writable for its owner so that the save
// goes ahead. Gives the permissions to put back should the save fail anyway; nothing when they
// were left as they were.
std::optional<QFileDevice::Permissions> letOwnerWrite(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    const QFileDevice::Permissions before = file.permissions();
    if (before.testFlag(QFileDevice::WriteOwner) ||
        !file.setPermissions(before | QFileDevice::WriteOwner))
        return std::nullopt;
    return before;
}

// The device holds small writes in its buffer, so a full disk may only show when the buffer
// goes to the temporary file; the commit would then put a short or empty file in the target's
// place. Everything is flushed and checked before the commit.
bool wroteInFull(QSaveFile& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size() && file.flush() &&
           file.error() == QFileDevice::NoError && file.size() == bytes.size();
}

FileSystem::Result saveAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    errno = 0;
    if (!wroteInFull(file, bytes)) {
        // A write that fails as the buffer goes out leaves Qt's message "Unknown error", or
        // none: the system's reason ("No space left on device") is what the user can act on.
        const int reason = errno;
        const QString error = reason != 0 ? qt_error_string(reason)
                              : file.error() == QFileDevice::NoError
                                  ? QStringLiteral("The file could not be written in full.")
                                  : file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

} // namespace

bool FileSystem::fileExists(const QString& path) const {
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool FileSystem::isLink(const QString& path) const {
    return QFileInfo(path).isSymLink();
}

bool FileSystem::isPlainFile(const QString& path) const {
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink();
}

bool FileSystem::folderExists(const QString& path) const {
    return QFileInfo(path).isDir();
}

bool FileSystem::createFolder(const QString& path) {
    return QDir().mkpath(path);
}

QStringList FileSystem::fileNames(const QString& folder) const {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

FileSystem::Result FileSystem::canRead(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, file.errorString()};
    return {true, {}};
}

FileSystem::ReadResult FileSystem::readAll(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, {}, file.errorString()};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {false, {}, file.errorString()};
    return {true, decode(bytes), {}};
}

FileSystem::BytesResult FileSystem::readBytes(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, {}, file.errorString()};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {false, {}, file.errorString()};
    return {true, std::move(bytes), {}};
}

QByteArray FileSystem::asWindows1252(QByteArray bytes) {
    if (!bytes.startsWith(FileSystem::kUtf8ByteOrderMark))
        return bytes;
    return codepage::encodeWindows1252Replacing(decode(bytes));
}

FileSystem::ReadResult FileSystem::readLines(const QString& path, QStringList& lines) const {
    ReadResult result = readAll(path);
    lines = result.ok ? splitLines(result.text) : QStringList();
    return result;
}

FileSystem::Result FileSystem::writeAll(const QString& path, const QString& text) {
    if (isLink(path))
        return {false, QStringLiteral("The file is a link to another place; it is not written.")};
    // A save into a folder that is not there names the folder and why, not "No such file or
    // directory". The folder is not made here: it may be a removed disk's.
    if (const QString folder = QFileInfo(path).path(); !folderExists(folder))
        return {false, datafolder::problem(folder)};
    const QByteArray bytes = encode(text);
    if (alreadyHolds(path, bytes))
        return {true, {}};
    const std::optional<QFileDevice::Permissions> before = letOwnerWrite(path);
    const Result saved = saveAtomically(path, bytes);
    if (!saved.ok && before)
        QFile::setPermissions(path, *before);
    return saved;
}

FileSystem::Result FileSystem::remove(const QString& path) {
    QFile file(path);
    if (!file.remove())
        return {false, file.errorString()};
    return {true, {}};
}

QString FileSystem::savedNameOfLeftover(const QString& fileName) {
    // The save's temporary file takes the name of the file it replaces with six random letters
    // added; older versions of the library also used digits.
    static const QRegularExpression leftover(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    const QRegularExpressionMatch match = leftover.match(fileName);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString FileSystem::decode(const QByteArray& bytes) {
    if (bytes.startsWith(FileSystem::kUtf8ByteOrderMark)) {
        // Only the file's own mark goes: a second one is the text's first character (U+FEFF),
        // which QString::fromUtf8 would drop as well. Stateless, so a sequence cut short at
        // the end is read as a replacement character, as fromUtf8 does, not held back.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                      QStringDecoder::Flag::Stateless);
        return utf8(QByteArrayView(bytes).sliced(FileSystem::kUtf8ByteOrderMark.size()));
    }
    return codepage::decodeWindows1252(bytes);
}

QByteArray FileSystem::encode(const QString& text) {
    if (codepage::fitsWindows1252(text)) {
        QByteArray bytes = codepage::encodeWindows1252(text);
        // A text that begins with the three characters of a byte-order mark ("ï»¿") would read
        // back as UTF-8 without them: it is kept as UTF-8 with a mark of its own instead.
        if (!bytes.startsWith(FileSystem::kUtf8ByteOrderMark))
            return bytes;
    }
    return FileSystem::kUtf8ByteOrderMark + text.toUtf8();
}

QStringList FileSystem::splitLines(const QString& text) {
    if (text.isEmpty())
        return {};
    QStringList lines = withCrLf(text).split(QStringLiteral("\r\n"));
    if (lines.last().isEmpty())
        lines.removeLast(); // the break after the last line ends it; it starts no new line
    return lines;
}

QString FileSystem::withCrLf(const QString& text) {
    if (!text.contains(QLatin1Char('\n')))
        return text;
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return normal;
}
