#include "bookmark/bookmarkfile.h"

#include "bookmark/bookmarkrecord.h"
#include "storage/filesystem.h"
#include "storage/storage.h"

namespace bookmark {

void writeDefaultIfMissing(Storage& storage) {
    const QString path = storage.folder.bookmarkPath();
    if (!storage.files.fileExists(path))
        storage.files.writeAll(path, kDefaultRecord); // a read-only folder: go on without it
}

} // namespace bookmark
