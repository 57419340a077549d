#include "storage/programfolder.h"

#include <QDir>

ProgramFolder::ProgramFolder(const QString& path)
    : ProgramFolder(path, path) {}

ProgramFolder::ProgramFolder(const QString& scriptureFolder, const QString& dataFolder,
                             const QStringList& searched)
    : m_scripture(QDir::cleanPath(scriptureFolder))
    , m_data(QDir::cleanPath(dataFolder))
    , m_searched(searched.isEmpty() ? QStringList{m_scripture} : searched) {}

QString storage::scriptureMissingText(const ProgramFolder& folder) {
    if (!folder.installed())
        return QDir::toNativeSeparators(folder.scriptureFolder()) + QDir::separator() +
               QStringLiteral("Bible.dat was not found.\r\nPut Bible.dat in that folder.");
    QStringList searched;
    for (const QString& path : folder.searchedForBible())
        searched << QDir::toNativeSeparators(path);
    return QStringLiteral("Bible.dat was not found in any of these folders:\r\n") +
           searched.join(QStringLiteral("\r\n")) + QStringLiteral("\r\nPlease reinstall program.");
}
