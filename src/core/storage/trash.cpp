#include "storage/trash.h"

#include "storage/atomicsave.h"
#include "storage/datafolder.h"
#include "storage/plainfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace storage {
namespace {

using Put = std::function<QString(const QByteArray& trashed)>;

// The data folder rules ask that a folder made for the user be the user's alone.
constexpr unsigned kUserOnly = 0700;
// Names tried before giving up, should every one be taken.
constexpr int kMostNames = 1000;

QString reason() {
    return qt_error_string(errno);
}

// Love.txt, then Love.2.txt, Love.3.txt, ...
QString numberedName(const QString& name, int number) {
    if (number == 1)
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype end = dot > 0 ? dot : name.size();
    return name.first(end) + QLatin1Char('.') + QString::number(number) + name.sliced(end);
}

// The path's bytes as a URL escapes them; the date in local time, without a zone.
QByteArray noteFor(const QString& path) {
    return "[Trash Info]\nPath=" +
           QFile::encodeName(QFileInfo(path).absoluteFilePath()).toPercentEncoding("/") +
           "\nDeletionDate=" +
           QDateTime::currentDateTime()
               .toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"))
               .toLatin1() +
           '\n';
}

bool writeNote(int fd, const QByteArray& note) {
    return ::write(fd, note.constData(), size_t(note.size())) == note.size();
}

// The note is made first, and only when no note has its name, so that no two programs trashing
// at once take one name; a trashed file without a note (left by another program) keeps its name
// too. The note goes again when the file cannot be put in place.
QString trashUnderFreeName(const QString& path, const QString& trash, const Put& put) {
    const QString name = QFileInfo(path).fileName();
    for (int number = 1; number <= kMostNames; ++number) {
        const QString trashedName = numberedName(name, number);
        const QByteArray note =
            QFile::encodeName(trash + QStringLiteral("/info/") + trashedName + ".trashinfo");
        const QByteArray trashed =
            QFile::encodeName(trash + QStringLiteral("/files/") + trashedName);
        const int fd = ::open(note.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return reason();
        struct stat taken {};
        const bool nameIsFree = ::lstat(trashed.constData(), &taken) != 0;
        QString error;
        if (nameIsFree)
            error = writeNote(fd, noteFor(path)) ? put(trashed) : reason();
        ::close(fd);
        if (!nameIsFree || !error.isEmpty())
            ::unlink(note.constData());
        if (nameIsFree)
            return error;
    }
    return QStringLiteral("The trash holds too many files of this name.");
}

QString intoHomeTrash(const QString& path, const Put& put) {
    const QString trash =
        homeTrashFolder(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"));
    if (trash.isEmpty())
        return QStringLiteral("No home folder is set, so there is no trash to put it in.");
    for (const char* part : {"/files", "/info"})
        if (const QString problem = prepareFolder(trash + QLatin1String(part), kUserOnly);
            !problem.isEmpty())
            return problem;
    return trashUnderFreeName(path, trash, put);
}

// From another disk the file cannot be renamed into the trash: it is copied, then deleted.
QString moveAcrossDisks(const QByteArray& from, const QByteArray& to) {
    PlainFile plain(QFile::decodeName(from));
    if (!plain.isOpen())
        return plain.error();
    const QByteArray bytes = plain.file().readAll();
    if (plain.file().error() != QFileDevice::NoError)
        return plain.file().errorString();
    if (QString error = saveAtomically(QFile::decodeName(to), bytes); !error.isEmpty())
        return error;
    if (::unlink(from.constData()) == 0)
        return {};
    const QString error = reason();
    ::unlink(to.constData());
    return error;
}

} // namespace

QString homeTrashFolder(const QString& dataHome, const QString& home) {
    if (QDir::isAbsolutePath(dataHome))
        return QDir::cleanPath(dataHome + QStringLiteral("/Trash"));
    if (QDir::isAbsolutePath(home))
        return QDir::cleanPath(home + QStringLiteral("/.local/share/Trash"));
    return {};
}

QString moveToTrash(const QString& path) {
    const QByteArray from = QFile::encodeName(path);
    return intoHomeTrash(path, [&from](const QByteArray& trashed) {
        if (::rename(from.constData(), trashed.constData()) == 0)
            return QString();
        return errno == EXDEV ? moveAcrossDisks(from, trashed) : reason();
    });
}

QString copyToTrash(const QString& path, const QByteArray& bytes) {
    return intoHomeTrash(path, [&bytes](const QByteArray& trashed) {
        return saveAtomically(QFile::decodeName(trashed), bytes);
    });
}

} // namespace storage
