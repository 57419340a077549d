#include "scripture/scripturetext.h"

#include "app/filesystem.h"

#include <QFileInfo>

#include <algorithm>
#include <typeinfo>

ScriptureText::ScriptureText(FileSystem& files, QString path)
    : m_files(files)
    , m_path(std::move(path)) {}

namespace {
// File times are coarse: a write within the same tick as our read can leave them unchanged.
constexpr qint64 kTimeGrainMs = 2000;
} // namespace

ScriptureText::Stamp ScriptureText::currentStamp() const {
    const QFileInfo info(m_path);
    // The change time moves on every write, even one that keeps size and modification time.
    return {info.size(), info.lastModified(), info.metadataChangeTime(),
            QDateTime::currentDateTime()};
}

bool ScriptureText::Stamp::sameFileAs(const Stamp& other) const {
    return size == other.size && modified == other.modified && changed == other.changed;
}

// Only a file whose times lie well before the moment they were read can be trusted to show
// any later write; a file written just before is read again until it has settled.
bool ScriptureText::Stamp::settled() const {
    const QDateTime latest = std::max(modified, changed);
    return latest.isValid() && latest.msecsTo(taken) > kTimeGrainMs;
}

bool ScriptureText::refresh() {
    if (!m_files.fileExists(m_path)) {
        forget();
        return false;
    }
    const Stamp stamp = currentStamp();
    if (m_loaded && m_loaded->settled() && m_loaded->sameFileAs(stamp))
        return true;
    std::optional<VerseText> text = readText();
    if (!text) {
        forget();
        return false;
    }
    m_text = std::move(*text);
    m_loaded = stamp;
    return true;
}

// The plain file layer reads the file as stored, and the text can do that itself straight into
// its own memory; a file layer of another kind (one that makes reads fail on purpose, say) is
// asked through readBytes, as for any other file.
std::optional<VerseText> ScriptureText::readText() const {
    if (typeid(m_files) == typeid(FileSystem))
        return VerseText::readFile(m_path);
    const FileSystem::BytesResult read = m_files.readBytes(m_path);
    if (!read.ok)
        return std::nullopt;
    return VerseText(QByteArrayView(read.bytes));
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
