#include "study/markstore.h"

#include "storage/storedtext.h"

namespace study {
MarkStore::MarkStore(FileSystem& files, QString path)
    : m_files(files)
    , m_path(std::move(path)) {}

// The file layer reads only plain files and writes no link; a link is not read either, wherever
// it points.
std::optional<QString> MarkStore::refusal() const {
    if (m_files.isLink(m_path))
        return QStringLiteral("The file is a link to another place; it is not read.");
    return std::nullopt;
}

MarkStore::Read MarkStore::read() const {
    if (const std::optional<QString> refused = refusal())
        return {false, MarkFile(), *refused};
    if (!m_files.fileExists(m_path))
        return {true, MarkFile(), {}};
    const FileSystem::BytesResult read = m_files.readBytes(m_path);
    if (!read.ok)
        return {false, MarkFile(), read.error};
    return {true, MarkFile(StoredText(read.bytes).text()), {}};
}

FileSystem::Result MarkStore::change(const std::function<void(MarkFile&)>& edit) {
    if (const std::optional<QString> refused = refusal())
        return {false, *refused};
    const bool exists = m_files.fileExists(m_path);
    const FileSystem::BytesResult now =
        exists ? m_files.readBytes(m_path) : FileSystem::BytesResult{true, {}, {}};
    if (!now.ok)
        return {false, now.error};
    const StoredText stored(now.bytes);
    MarkFile file(stored.text());
    edit(file);
    const QString text = file.text();
    if (exists && text == stored.text())
        return {true, {}};
    return m_files.writeBytes(m_path, stored.bytesFor(text));
}

} // namespace study
