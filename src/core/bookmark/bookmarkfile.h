#pragma once

#include "storage/recordfile.h"

struct Storage;

// BkMrk.dat, read and written only here.
namespace bookmark {

// Creates it with the default record when it is missing; an existing one is kept.
void writeDefaultIfMissing(Storage& storage);
// Its lines as they stand, for parse().
RecordFile::Contents read(Storage& storage);
FileSystem::Result save(Storage& storage, const QString& book, const QString& chapter,
                        int caretOffset);

} // namespace bookmark
