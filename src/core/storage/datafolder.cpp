#include "storage/datafolder.h"

#include "text/linebreak.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace storage {
namespace {

constexpr QLatin1String kNotMade("The folder %1 could not be made: %2");

QString told(const QString& what, const QString& folder, int reason) {
    return what.arg(QDir::toNativeSeparators(folder), qt_error_string(reason));
}

// The folder's path from the first folder above it that is there, then every one down to the
// folder itself that is missing.
struct Path {
    QString there;
    QStringList missing;
};

Path pathTo(const QString& folder) {
    Path path{QFileInfo(folder).absoluteFilePath(), {}};
    while (!QFileInfo::exists(path.there)) {
        path.missing.prepend(path.there);
        path.there = QFileInfo(path.there).path();
    }
    return path;
}

} // namespace

QString folderProblem(const QString& folder) {
    const Path path = pathTo(folder);
    if (!QFileInfo(path.there).isDir())
        return told(kNotMade, folder, ENOTDIR);
    if (::access(QFile::encodeName(path.there).constData(), W_OK | X_OK) != 0) {
        const int reason = errno;
        return told(path.missing.isEmpty() ? QStringLiteral("The folder %1 cannot be written: %2")
                                           : kNotMade,
                    folder, reason);
    }
    return path.missing.isEmpty() ? QString()
                                  : QStringLiteral("The folder %1 is not there.")
                                        .arg(QDir::toNativeSeparators(folder));
}

QString prepareFolder(const QString& folder, unsigned permissions) {
    for (const QString& step : pathTo(folder).missing) {
        // One made at the same moment by another start of the program is as good; anything
        // else in its place is found below.
        if (::mkdir(QFile::encodeName(step).constData(), mode_t(permissions)) != 0 &&
            errno != EEXIST)
            return told(kNotMade, folder, errno);
    }
    return folderProblem(folder);
}

QString startupFolderProblem(const ProgramFolder& folder) {
    QString problem = prepareFolder(folder.dataFolder());
    if (problem.isEmpty())
        problem = prepareFolder(folder.versesFolder());
    if (problem.isEmpty())
        return {};
    return problem + text::kCrLf +
           QStringLiteral("The display font, the bookmark and the favorite verses will not be "
                          "saved.");
}

} // namespace storage
