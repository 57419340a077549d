#include "favorites/subjectstore.h"

#include "text/spacetrim.h"

#include <algorithm>

namespace {
const QString kExtension = QStringLiteral(".txt");
const QString kNotAFile = QStringLiteral("The name is not a file name in the Verses folder.");

// The subject's file that a save cut short left this temporary file of; empty for any other.
QString subjectFileOfLeftover(const QString& fileName) {
    const QString saved = FileSystem::savedNameOfLeftover(fileName);
    return saved.endsWith(kExtension) ? saved : QString();
}
} // namespace

SubjectStore::SubjectStore(FileSystem& files, QString versesFolder)
    : m_files(files)
    , m_folder(std::move(versesFolder)) {}

QStringList SubjectStore::subjectNames() const {
    QStringList names = m_files.fileNames(m_folder);
    names.removeIf([this](const QString& name) {
        return !m_files.isPlainFile(filePath(name)) || !subjectFileOfLeftover(name).isEmpty();
    });
    for (QString& name : names)
        name.remove(kExtension, Qt::CaseSensitive);
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

void SubjectStore::removeLeftoverSaves() {
    for (const QString& name : m_files.fileNames(m_folder)) {
        const QString saved = subjectFileOfLeftover(name);
        if (!saved.isEmpty() && m_files.isPlainFile(filePath(saved)) &&
            m_files.isPlainFile(filePath(name)))
            m_files.remove(filePath(name)); // one that stays is still never listed
    }
}

QString SubjectStore::filePath(const QString& fileName) const {
    return m_folder + QLatin1Char('/') + fileName;
}

bool SubjectStore::isSafeName(const QString& subject) {
    return !subject.contains(QLatin1Char('/')) && !subject.contains(QLatin1Char('\\')) &&
           !subject.contains(QChar(0));
}

std::optional<QString> SubjectStore::pathOf(const QString& subject) const {
    if (!isSafeName(subject))
        return std::nullopt;
    QString path = filePath(subject + kExtension);
    if (m_files.isLink(path))
        return std::nullopt;
    return path;
}

bool SubjectStore::exists(const QString& subject) const {
    const std::optional<QString> path = pathOf(subject);
    return path && m_files.isPlainFile(*path);
}

std::optional<QString> SubjectStore::existingName(const QString& name) const {
    if (exists(name))
        return name;
    for (const QString& fileName : m_files.fileNames(m_folder)) {
        if (!fileName.endsWith(kExtension))
            continue;
        const QString subject = fileName.chopped(kExtension.size());
        if (subject.compare(name, Qt::CaseInsensitive) == 0 && exists(subject))
            return subject;
    }
    return std::nullopt;
}

SubjectStore::Loaded SubjectStore::load(const QString& subject) const {
    if (!exists(subject))
        return {};
    const FileSystem::ReadResult read = m_files.readAll(*pathOf(subject));
    if (!read.ok)
        return {Loaded::Failed, {}, read.error};
    return {Loaded::Read, read.text, {}};
}

bool SubjectStore::willWrite(const QString& subject, WriteMode mode) const {
    if (exists(subject))
        return true;
    return mode == WriteMode::Create && isSafeName(subject) && !existingName(subject);
}

FileSystem::Result SubjectStore::write(const QString& subject, const QString& text) {
    const std::optional<QString> path = pathOf(subject);
    if (!path)
        return {false, kNotAFile};
    return m_files.writeAll(*path, text);
}

FileSystem::Result SubjectStore::remove(const QString& subject) {
    const std::optional<QString> path = pathOf(subject);
    if (!path)
        return {false, kNotAFile};
    return m_files.remove(*path);
}

QString SubjectStore::cleanedName(const QString& name) {
    static const QString removed = QStringLiteral(" \\./:<>?|");
    QString cleaned = spacetrim::trimmed(name);
    cleaned.removeIf([](QChar c) { return removed.contains(c); });
    return cleaned;
}
