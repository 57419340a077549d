#include "storage/programfolder.h"

#include "text/linebreak.h"

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
               QStringLiteral("Bible.dat was not found.") + text::kCrLf +
               QStringLiteral("Put Bible.dat in that folder.");
    QStringList searched;
    for (const QString& path : folder.searchedForBible())
        searched << QDir::toNativeSeparators(path);
    return QStringLiteral("Bible.dat was not found in any of these folders:") + text::kCrLf +
           searched.join(text::kCrLf) + text::kCrLf + QStringLiteral("Please reinstall program.");
}
