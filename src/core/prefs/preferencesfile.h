#pragma once

#include "prefs/preferencesrecord.h"

#include <optional>

struct Storage;

// Pref.dat at start-up: created with the default record when missing (an existing file is
// never rewritten), then read for the display font.
namespace prefs {

void writeDefaultIfMissing(Storage& storage);
// What the saved record asks of the display font; nothing when there is no file to read.
std::optional<FontRequest> savedRequest(Storage& storage);

} // namespace prefs
