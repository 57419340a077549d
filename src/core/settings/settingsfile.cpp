#include "settings/settingsfile.h"

#include "report/logging.h"
#include "text/linebreak.h"

namespace {

constexpr QLatin1String kGeneralGroup("General");

// "Group/key" split at its first slash; a key without one belongs to the general group.
std::pair<QString, QString> groupAndName(const QString& key) {
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {kGeneralGroup, key};
    return {key.left(slash), key.mid(slash + 1)};
}

} // namespace

SettingsFile::SettingsFile(FileSystem& files, QString path)
    : m_files(files)
    , m_path(std::move(path)) {}

void SettingsFile::load() {
    m_values.clear();
    if (!m_files.fileExists(m_path))
        return;
    const FileSystem::BytesResult read = m_files.readBytes(m_path, kMostLines);
    if (!read.ok) {
        qCWarning(report::lcFiles) << "settings not read:" << m_path << read.error;
        return;
    }
    m_values = parse(FileSystem::decode(read.bytes));
}

int SettingsFile::intValue(const QString& key, int fallback) const {
    bool isNumber = false;
    const int number = value(key).toInt(&isNumber);
    return isNumber ? number : fallback;
}

FileSystem::Result SettingsFile::save() {
    return m_files.writeAll(m_path, format(m_values));
}

QString SettingsFile::format(const QMap<QString, QString>& values) {
    QMap<QString, QStringList> groups;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const auto [group, name] = groupAndName(it.key());
        groups[group].append(name + QLatin1Char('=') + it.value());
    }
    QStringList lines;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        if (!lines.isEmpty())
            lines.append(QString());
        lines.append(QLatin1Char('[') + it.key() + QLatin1Char(']'));
        lines.append(it.value());
    }
    return lines.isEmpty() ? QString() : lines.join(text::kCrLf) + text::kCrLf;
}

QMap<QString, QString> SettingsFile::parse(const QString& text) {
    QMap<QString, QString> values;
    QString group = kGeneralGroup;
    for (const QString& line : FileSystem::splitLines(text)) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            group = trimmed.mid(1, trimmed.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
        if (equals <= 0 || trimmed.startsWith(QLatin1Char(';')) || group.isEmpty())
            continue;
        const QString name = trimmed.left(equals).trimmed();
        const QString key = group == kGeneralGroup ? name : group + QLatin1Char('/') + name;
        values.insert(key, trimmed.mid(equals + 1).trimmed());
    }
    return values;
}
