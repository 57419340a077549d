#include "storage/folderchoice.h"

#include "storage/filesystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr QLatin1String kInstalledName("vellumark");
} // namespace

FolderFacts FolderFacts::ofThisMachine(const QString& namedFolder) {
    FolderFacts facts;
    facts.namedFolder = namedFolder;
    if (!namedFolder.isEmpty())
        return facts; // it holds everything: nothing else is looked at
    facts.executableFolder = storage::executableFolder();
    facts.executableFolderWritable = QFileInfo(facts.executableFolder).isWritable();
    facts.installedFolders << QDir::cleanPath(facts.executableFolder +
                                              QStringLiteral("/../share/") + kInstalledName);
    for (const QString& shared :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        facts.installedFolders << QDir::cleanPath(shared + QLatin1Char('/') + kInstalledName);
    facts.installedFolders.removeDuplicates();
    facts.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return facts;
}

ProgramFolder storage::chooseFolders(const FolderFacts& facts,
                                     const std::function<bool(const QString& folder)>& holdsBible) {
    if (!facts.namedFolder.isEmpty())
        return ProgramFolder(facts.namedFolder);
    QStringList searched{facts.executableFolder};
    const bool besideExecutable = holdsBible(facts.executableFolder);
    if (besideExecutable && facts.executableFolderWritable)
        return ProgramFolder(facts.executableFolder);
    if (besideExecutable)
        return ProgramFolder(facts.executableFolder, facts.userDataFolder, searched);
    for (const QString& installed : facts.installedFolders) {
        searched << installed;
        if (holdsBible(installed))
            break;
    }
    return ProgramFolder(searched.last(), facts.userDataFolder, searched);
}

ProgramFolder storage::chooseFoldersOfThisMachine(FileSystem& files, const QString& namedFolder) {
    return chooseFolders(FolderFacts::ofThisMachine(namedFolder), [&](const QString& folder) {
        return files.fileExists(ProgramFolder(folder).biblePath());
    });
}

// As the application object finds it, through the link the system keeps to the executable.
QString storage::executableFolder() {
    const QString executable = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (executable.isEmpty())
        return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return QFileInfo(executable).absolutePath();
}
