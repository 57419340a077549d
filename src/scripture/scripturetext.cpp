#include "scripture/scripturetext.h"

#include "app/filesystem.h"

#include <QFileInfo>

ScriptureText::ScriptureText(FileSystem& files, QString path)
    : m_files(files), m_path(std::move(path)) {}

bool ScriptureText::refresh() {
    const QFileInfo info(m_path);
    if (!m_files.fileExists(m_path)) {
        m_lines.clear();
        m_loaded = false;
        return false;
    }
    if (m_loaded && info.size() == m_size && info.lastModified() == m_modified)
        return true;
    QStringList lines;
    if (!m_files.readLines(m_path, lines).ok) {
        m_lines.clear();
        m_loaded = false;
        return false;
    }
    m_lines = std::move(lines);
    m_size = info.size();
    m_modified = info.lastModified();
    m_loaded = true;
    return true;
}

std::optional<QString> ScriptureText::chapterText(const QString& prefix) {
    if (!refresh())
        return std::nullopt;
    QString text;
    for (const QString& line : std::as_const(m_lines)) {
        if (line.startsWith(prefix)) {
            QString verse = line;
            text += verse.remove(prefix) + QStringLiteral("\r\n\r\n");
        }
    }
    return text;
}
