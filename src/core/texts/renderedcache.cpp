#include "texts/renderedcache.h"

#include "report/logging.h"
#include "storage/datafolder.h"
#include "storage/filesystem.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace texts {
namespace {

// Changed whenever a module's rendering would come out differently, so that every rendering
// made before is made again.
constexpr char kRenderingVersion[] = "vellumark rendering 1";
// How many hexadecimal digits of the stamp's digest name a rendering.
constexpr int kDigestDigits = 16;

// The module's name as a file name's beginning: a character a file name cannot hold, or that
// would reach out of the folder, is an underscore.
QString fileNameOf(const QString& moduleName) {
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_.+-]"));
    return QString(moduleName).replace(unsafe, QStringLiteral("_"));
}

// Whether the file name is that of a rendering of the module, of any state.
bool isRenderingOf(const QString& fileName, const QString& moduleName) {
    static const QRegularExpression rendering(
        QStringLiteral("^(.*)-[0-9a-f]{%1}\\.txt$").arg(kDigestDigits));
    const QRegularExpressionMatch match = rendering.match(fileName);
    return match.hasMatch() && match.captured(1) == fileNameOf(moduleName);
}

// The module's renderings other than the one kept: made by the program, and now out of date.
void removeEarlierRenderings(FileSystem& files, const QString& kept, const QString& moduleName) {
    const QFileInfo keptFile(kept);
    for (const QString& name : files.fileNames(keptFile.path())) {
        if (name == keptFile.fileName() || !isRenderingOf(name, moduleName))
            continue;
        const QString path = QDir(keptFile.path()).filePath(name);
        if (const FileSystem::Result removed = files.remove(path); !removed.ok)
            qCWarning(report::lcTexts) << "earlier rendering not removed:" << path << removed.error;
    }
}

QString written(FileSystem& files, const QString& path, const QByteArray& lines) {
    if (const QString problem = storage::prepareFolder(QFileInfo(path).path()); !problem.isEmpty())
        return problem;
    return files.writeBytes(path, FileSystem::kUtf8ByteOrderMark + lines).error;
}

} // namespace

QString cacheFolder(const QString& xdgCacheHome, const QString& home) {
    const QString cache = QDir::isAbsolutePath(xdgCacheHome)
                              ? xdgCacheHome
                              : QDir(home).filePath(QStringLiteral(".cache"));
    return QDir::cleanPath(cache + QStringLiteral("/Vellumark"));
}

QString cacheFolderOfThisUser() {
    return cacheFolder(qEnvironmentVariable("XDG_CACHE_HOME"), QDir::homePath());
}

QStringList moduleFiles(const FileSystem& files, const ModuleFacts& module) {
    const QString folder =
        files.folderExists(module.dataPath) ? module.dataPath : QFileInfo(module.dataPath).path();
    QStringList data;
    for (const QString& name : files.fileNames(folder))
        data << QDir(folder).filePath(name);
    return data;
}

QByteArray moduleStamp(const FileSystem& files, const ModuleFacts& module,
                       const QString& libraryVersion) {
    QByteArray stamp = kRenderingVersion;
    stamp += "\nlibrary " + libraryVersion.toUtf8() + "\nmodule " + module.name.toUtf8() + '\n' +
             module.configuration.toUtf8() + '\n';
    for (const QString& path : moduleFiles(files, module)) {
        const QFileInfo file(path);
        stamp += QFile::encodeName(path) + ' ' + QByteArray::number(file.size()) + ' ' +
                 QByteArray::number(file.lastModified().toMSecsSinceEpoch()) + '\n';
    }
    return stamp;
}

QString renderedPath(const QString& folder, const QString& moduleName, const QByteArray& stamp) {
    const QByteArray digest = QCryptographicHash::hash(stamp, QCryptographicHash::Sha256).toHex();
    return QDir(folder).filePath(fileNameOf(moduleName) + QLatin1Char('-') +
                                 QString::fromLatin1(digest.first(kDigestDigits)) +
                                 QStringLiteral(".txt"));
}

Rendering renderModule(ModuleLibrary& library, FileSystem& files, const ModuleFacts& module,
                       const QString& folder, const Progress& progress, std::stop_token stop) {
    const QString path =
        renderedPath(folder, module.name, moduleStamp(files, module, library.version()));
    if (files.isPlainFile(path))
        return {path, {}};
    RenderedBooks books(progress, stop);
    QString problem = library.readVerses(module.name, books);
    if (stop.stop_requested())
        return {{}, {}, true};
    if (problem.isEmpty() && books.isEmpty())
        problem = QStringLiteral("it holds no verse of the 66 books.");
    if (problem.isEmpty())
        problem = written(files, path, books.lines());
    if (!problem.isEmpty())
        return {{}, QStringLiteral("%1 cannot be rendered: %2").arg(module.name, problem)};
    removeEarlierRenderings(files, path, module.name);
    return {path, {}};
}

} // namespace texts
