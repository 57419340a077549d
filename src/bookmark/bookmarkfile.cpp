#include "bookmark/bookmarkfile.h"

#include "app/filesystem.h"
#include "app/platform/platform.h"
#include "bookmark/bookmarkrecord.h"

namespace bookmark {

void writeDefaultIfMissing(Platform& platform) {
    const QString path = platform.folder.bookmarkPath();
    if (!platform.files.fileExists(path))
        platform.files.writeAll(path, kDefaultRecord); // a read-only folder: go on without it
}

} // namespace bookmark
