#include "storage/programfolder.h"

#include <QDir>

ProgramFolder::ProgramFolder(const QString& path)
    : ProgramFolder(path, path) {}

ProgramFolder::ProgramFolder(const QString& scriptureFolder, const QString& dataFolder)
    : m_scripture(QDir::cleanPath(scriptureFolder))
    , m_data(QDir::cleanPath(dataFolder)) {}
