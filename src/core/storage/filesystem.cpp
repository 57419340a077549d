#include "storage/filesystem.h"

#include "report/logging.h"
#include "storage/atomicsave.h"
#include "storage/datafolder.h"
#include "storage/plainfile.h"
#include "storage/trash.h"
#include "text/codepage.h"
#include "text/linebreak.h"
#include "text/utf8.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether the file already holds exactly these bytes: then a save would change nothing, and
// leaving the file alone keeps it as it was, even in a read-only folder.
bool alreadyHolds(const QString& path, const QByteArray& bytes) {
    PlainFile plain(path);
    QFile& file = plain.file();
    if (!plain.isOpen() || file.size() != bytes.size())
        return false;
    const QByteArray current = file.readAll();
    return file.error() == QFileDevice::NoError && current == bytes;
}

// As far as the end of the count's line, or the end of the file, or the bound.
QByteArray readLinesOf(QFile& file, qsizetype lineCount) {
    QByteArray bytes;
    qsizetype breaks = 0;
    while (breaks < lineCount && bytes.size() < FileSystem::kMostLineBytes) {
        const QByteArray chunk = file.read(4096);
        if (chunk.isEmpty())
            break;
        for (qsizetype at = 0; at < chunk.size(); ++at) {
            if (chunk[at] == '\n' && ++breaks == lineCount)
                return bytes + chunk.first(at + 1);
        }
        bytes += chunk;
    }
    return bytes.left(FileSystem::kMostLineBytes);
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

QStringList FileSystem::fileNames(const QString& folder) const {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

qsizetype FileSystem::longestName(const QString& folder) const {
    const long longest = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return longest > 0 ? qsizetype(longest) : 255;
}

FileSystem::Result FileSystem::canRead(const QString& path) const {
    const PlainFile file(path);
    return {file.isOpen(), file.error()};
}

FileSystem::BytesResult FileSystem::readBytes(const QString& path, qsizetype lineCount) const {
    PlainFile plain(path);
    if (!plain.isOpen())
        return {false, {}, plain.error()};
    QFile& file = plain.file();
    QByteArray bytes = lineCount < 0 ? file.readAll() : readLinesOf(file, lineCount);
    if (file.error() != QFileDevice::NoError)
        return {false, {}, file.errorString()};
    return {true, std::move(bytes), {}};
}

FileSystem::ReadResult FileSystem::readAll(const QString& path) const {
    const BytesResult read = readBytes(path);
    return {read.ok, read.ok ? decode(read.bytes) : QString(), read.error};
}

QByteArray FileSystem::asWindows1252(QByteArray bytes) {
    if (!bytes.startsWith(FileSystem::kUtf8ByteOrderMark))
        return bytes;
    return codepage::encodeWindows1252(decode(bytes));
}

FileSystem::ReadResult FileSystem::readLines(const QString& path, QStringList& lines,
                                             qsizetype lineCount) const {
    const BytesResult read = readBytes(path, lineCount);
    lines = read.ok ? splitLines(decode(read.bytes)) : QStringList();
    if (lineCount >= 0 && lines.size() > lineCount)
        lines.resize(lineCount);
    return {read.ok, {}, read.error};
}

FileSystem::Result FileSystem::writeBytes(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    if (target.isSymLink())
        return {false, QStringLiteral("The file is a link to another place; it is not written.")};
    if (target.exists() && !target.isFile())
        return {false, QStringLiteral("It is not a plain file, but a folder, a pipe or a device; "
                                      "it is not written.")};
    // A save into a folder that is not there names the folder and why, not "No such file or
    // directory". The folder is not made here: it may be a removed disk's.
    if (const QString folder = target.path(); !folderExists(folder))
        return {false, storage::folderProblem(folder)};
    if (alreadyHolds(path, bytes))
        return {true, {}};
    const QString error = storage::saveAtomically(path, bytes);
    return {error.isEmpty(), error};
}

FileSystem::Result FileSystem::writeAll(const QString& path, const QString& text) {
    return writeBytes(path, encode(text));
}

FileSystem::Result FileSystem::remove(const QString& path) {
    QFile file(path);
    if (!file.remove())
        return {false, file.errorString()};
    return {true, {}};
}

FileSystem::Result FileSystem::moveToTrash(const QString& path) {
    const QString error = storage::moveToTrash(path);
    return {error.isEmpty(), error};
}

FileSystem::Result FileSystem::copyToTrash(const QString& path, const QByteArray& bytes) {
    const QString error = storage::copyToTrash(path, bytes);
    return {error.isEmpty(), error};
}

void FileSystem::removeLeftoverSaves(const QString& folder, std::chrono::seconds minimumAge) {
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-minimumAge.count());
    for (const QString& name : fileNames(folder)) {
        const QFileInfo file(folder + QLatin1Char('/') + name);
        if (!isLeftoverName(name) || !isPlainFile(file.filePath()) ||
            file.lastModified().toUTC() > before)
            continue;
        // One that stays is still never listed.
        if (const Result removed = remove(file.filePath()); !removed.ok)
            qCWarning(report::lcFiles)
                << "leftover save not removed:" << file.filePath() << removed.error;
    }
}

bool FileSystem::isLeftoverName(const QString& fileName) {
    return storage::isTemporarySaveName(fileName);
}

QString FileSystem::decode(const QByteArray& bytes) {
    // Only the file's own mark goes: a second one is the text's first character (U+FEFF).
    if (bytes.startsWith(FileSystem::kUtf8ByteOrderMark))
        return text::decodeUtf8(
            QByteArrayView(bytes).sliced(FileSystem::kUtf8ByteOrderMark.size()));
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
    QStringList lines = withCrLf(text).split(text::kCrLf);
    if (lines.last().isEmpty())
        lines.removeLast(); // the break after the last line ends it; it starts no new line
    return lines;
}

QString FileSystem::withCrLf(const QString& text) {
    if (!text.contains(QLatin1Char('\n')))
        return text;
    QString normal = text;
    normal.replace(text::kCrLf, QStringLiteral("\n"));
    normal.replace(QLatin1Char('\n'), text::kCrLf);
    return normal;
}
