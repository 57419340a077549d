#include "favorites/subjectfiles.h"

#include "text/spacetrim.h"

#include <QFile>

#include <algorithm>

namespace {
constexpr QLatin1String kExtension(".txt");
constexpr QLatin1String kNotAFile("The name is not a file name in the Verses folder.");
} // namespace

SubjectFiles::SubjectFiles(FileSystem& files, QString versesFolder)
    : m_files(files)
    , m_folder(std::move(versesFolder)) {}

QStringList SubjectFiles::subjectNames() const {
    QStringList names = m_files.fileNames(m_folder);
    names.removeIf([this](const QString& name) {
        return !m_files.isPlainFile(filePath(name)) || FileSystem::isLeftoverName(name);
    });
    for (QString& name : names)
        name.remove(kExtension, Qt::CaseSensitive);
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

QString SubjectFiles::filePath(const QString& fileName) const {
    return m_folder + QLatin1Char('/') + fileName;
}

bool SubjectFiles::isSafeName(const QString& subject) {
    return !subject.contains(QLatin1Char('/')) && !subject.contains(QLatin1Char('\\')) &&
           !subject.contains(QChar(0));
}

// The save's temporary name is shorter than any limit a folder has, so the file's name is the
// one that counts.
bool SubjectFiles::fitsFolder(const QString& subject) const {
    return QFile::encodeName(subject + kExtension).size() <= m_files.longestName(m_folder);
}

std::optional<QString> SubjectFiles::pathOf(const QString& subject) const {
    if (!isSafeName(subject))
        return std::nullopt;
    QString path = filePath(subject + kExtension);
    if (m_files.isLink(path))
        return std::nullopt;
    return path;
}

std::optional<QString> SubjectFiles::existingName(const QString& name) const {
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

std::optional<QString> SubjectFiles::existingPath(const QString& subject) const {
    std::optional<QString> path = pathOf(subject);
    if (!path || !m_files.isPlainFile(*path))
        return std::nullopt;
    return path;
}

bool SubjectFiles::exists(const QString& subject) const {
    return existingPath(subject).has_value();
}

SubjectFiles::Loaded SubjectFiles::load(const QString& subject) const {
    const std::optional<QString> path = existingPath(subject);
    if (!path)
        return {};
    FileSystem::BytesResult read = m_files.readBytes(*path);
    if (!read.ok)
        return {Loaded::Failed, StoredText(), read.error};
    return {Loaded::Read, StoredText(std::move(read.bytes)), {}};
}

bool SubjectFiles::willWrite(const QString& subject, WriteMode mode) const {
    if (exists(subject))
        return true;
    return mode == WriteMode::Create && isSafeName(subject) && !existingName(subject);
}

SubjectFiles::Saved SubjectFiles::save(const QString& subject, const QByteArray& bytes,
                                       const std::optional<QByteArray>& known,
                                       Overwrite overwrite) {
    const std::optional<QString> path = pathOf(subject);
    if (!path)
        return {Saved::Failed, kNotAFile};
    if (overwrite != Overwrite::ForGood && m_files.fileExists(*path)) {
        const FileSystem::BytesResult now = m_files.readBytes(*path);
        if (!now.ok)
            return {Saved::Failed, now.error};
        const bool changed = now.bytes != bytes && now.bytes != known;
        if (changed && overwrite == Overwrite::No)
            return {Saved::ChangedElsewhere, {}};
        if (changed) {
            if (const FileSystem::Result kept = m_files.copyToTrash(*path, now.bytes); !kept.ok)
                return {Saved::NotTrashed, kept.error};
        }
    } else if (overwrite == Overwrite::No && known) {
        return {Saved::ChangedElsewhere, {}}; // deleted elsewhere
    }
    const FileSystem::Result written = m_files.writeBytes(*path, bytes);
    return {written.ok ? Saved::Written : Saved::Failed, written.error};
}

FileSystem::Result SubjectFiles::moveToTrash(const QString& subject) {
    const std::optional<QString> path = pathOf(subject);
    if (!path)
        return {false, kNotAFile};
    return m_files.moveToTrash(*path);
}

FileSystem::Result SubjectFiles::remove(const QString& subject) {
    const std::optional<QString> path = pathOf(subject);
    if (!path)
        return {false, kNotAFile};
    return m_files.remove(*path);
}

QString SubjectFiles::cleanedName(const QString& name) {
    static const QString removed = QStringLiteral(" \\./:<>?|");
    QString cleaned = text::spaceTrimmed(name);
    cleaned.removeIf([](QChar c) { return removed.contains(c); });
    return cleaned;
}
