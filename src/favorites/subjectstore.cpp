#include "favorites/subjectstore.h"

#include <QCollator>

#include <algorithm>

SubjectStore::SubjectStore(FileSystem& files, QString versesFolder)
    : m_files(files), m_folder(std::move(versesFolder)) {}

QStringList SubjectStore::subjectNames() const {
    QStringList names = m_files.fileNames(m_folder);
    for (QString& name : names)
        name.remove(QStringLiteral(".txt"), Qt::CaseSensitive);
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

QString SubjectStore::pathOf(const QString& subject) const {
    return m_folder + QLatin1Char('/') + subject + QStringLiteral(".txt");
}
