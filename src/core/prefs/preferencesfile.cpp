#include "prefs/preferencesfile.h"

#include "storage/filesystem.h"
#include "storage/storage.h"

namespace prefs {

void writeDefaultIfMissing(Storage& storage) {
    const QString path = storage.folder.preferencesPath();
    if (!storage.files.fileExists(path))
        storage.files.writeAll(path, kDefaultRecord); // a read-only folder keeps the design font
}

std::optional<FontRequest> savedRequest(Storage& storage) {
    const QString path = storage.folder.preferencesPath();
    if (!storage.files.fileExists(path))
        return std::nullopt;
    QStringList lines;
    if (!storage.files.readLines(path, lines, kRecordLines).ok)
        return std::nullopt;
    return requestFromLines(lines);
}

} // namespace prefs
