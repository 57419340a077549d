#include "prefs/preferencesfile.h"

#include "report/logging.h"
#include "storage/storage.h"
#include "text/linebreak.h"

namespace prefs {
namespace {

RecordFile file(Storage& storage) {
    return {storage.files, storage.folder.preferencesPath(), kRecordLines};
}

} // namespace

// Written once, at the first start: no line break after the size.
void writeDefaultIfMissing(Storage& storage) {
    file(storage).writeIfMissing(
        QStringList{QStringLiteral("Arial"), QStringLiteral("Regular"), QStringLiteral("8")}.join(
            text::kCrLf));
}

// An unreadable file keeps the design font.
std::optional<FontRequest> savedRequest(Storage& storage) {
    const RecordFile::Contents saved = read(storage);
    if (saved.status == RecordFile::Contents::Failed)
        qCWarning(report::lcFiles) << "the display font was not read:" << saved.error;
    if (saved.status != RecordFile::Contents::Read)
        return std::nullopt;
    return requestFromLines(saved.fields);
}

RecordFile::Contents read(Storage& storage) {
    return file(storage).read();
}

FileSystem::Result save(Storage& storage, const QString& font, const QString& style,
                        const QString& size) {
    return file(storage).write(savedRecord(font, style, size));
}

} // namespace prefs
