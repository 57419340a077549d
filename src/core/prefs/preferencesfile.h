#pragma once

#include "prefs/preferencesrecord.h"
#include "storage/recordfile.h"

#include <optional>

struct Storage;

// Pref.dat, read and written only here: created at start-up with the default record when
// missing (an existing file is never rewritten), read for the display font, and saved by the
// display font's owner.
namespace prefs {

void writeDefaultIfMissing(Storage& storage);
// What the saved record asks of the display font; nothing when there is no file to read.
std::optional<FontRequest> savedRequest(Storage& storage);
// Its lines as they stand: font name, style word, size.
RecordFile::Contents read(Storage& storage);
FileSystem::Result save(Storage& storage, const QString& font, const QString& style,
                        const QString& size);

} // namespace prefs
