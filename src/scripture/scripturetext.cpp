#include "scripture/scripturetext.h"

#include "app/filesystem.h"

#include <QFileInfo>

ScriptureText::ScriptureText(FileSystem& files, QString path)
    : m_files(files)
    , m_path(std::move(path)) {}

ScriptureText::Stamp ScriptureText::currentStamp() const {
    const QFileInfo info(m_path);
    // The change time moves on every write, even one that keeps size and modification time.
    return {info.size(), info.lastModified(), info.metadataChangeTime()};
}

bool ScriptureText::refresh() {
    if (!m_files.fileExists(m_path)) {
        forget();
        return false;
    }
    const Stamp stamp = currentStamp();
    if (m_loaded && *m_loaded == stamp)
        return true;
    FileSystem::BytesResult read = m_files.readBytes(m_path);
    if (!read.ok) {
        forget();
        return false;
    }
    m_text = VerseText(std::move(read.bytes));
    m_loaded = stamp;
    return true;
}

void ScriptureText::forget() {
    m_text = VerseText();
    m_loaded.reset();
}

std::optional<QString> ScriptureText::chapterText(const QString& prefix) {
    if (!refresh())
        return std::nullopt;
    return m_text.chapterText(prefix);
}
