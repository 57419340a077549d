#include "storage/programfolder.h"

#include <QCoreApplication>
#include <QDir>

ProgramFolder::ProgramFolder(QString path)
    : m_path(QDir::cleanPath(std::move(path))) {}

ProgramFolder ProgramFolder::ofExecutable() {
    return ProgramFolder(QCoreApplication::applicationDirPath());
}

QString ProgramFolder::file(const QString& name) const {
    return m_path + QLatin1Char('/') + name;
}

QString ProgramFolder::versesFolder() const {
    return file(QStringLiteral("Verses"));
}

QString ProgramFolder::verseFile(const QString& fileName) const {
    return versesFolder() + QLatin1Char('/') + fileName;
}
