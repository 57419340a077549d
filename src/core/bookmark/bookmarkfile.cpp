#include "bookmark/bookmarkfile.h"

#include "bookmark/bookmarkrecord.h"
#include "storage/storage.h"

namespace bookmark {
namespace {

RecordFile file(Storage& storage) {
    return {storage.files, storage.folder.bookmarkPath(), kRecordLines};
}

} // namespace

void writeDefaultIfMissing(Storage& storage) {
    file(storage).writeIfMissing(format(QStringLiteral("Genesis"), QStringLiteral("1"), 0));
}

RecordFile::Contents read(Storage& storage) {
    return file(storage).read();
}

FileSystem::Result save(Storage& storage, const QString& book, const QString& chapter,
                        int caretOffset) {
    return file(storage).write(format(book, chapter, caretOffset));
}

} // namespace bookmark
