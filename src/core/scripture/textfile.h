#pragma once

#include "scripture/versetext.h"

#include <QString>

#include <optional>

namespace scripture {

// The file's bytes read straight into the text's own memory, a stretch at a time, each indexed
// while the processor's caches still hold it; nothing when the file cannot be opened or read, or
// is longer than a text may be (bytepasses::kLargestText, some four gigabytes).
// unmarked: the encoding of a file that does not begin with the UTF-8 byte-order mark.
std::optional<VerseText> readVerseText(const QString& path,
                                       TextEncoding unmarked = TextEncoding::Windows1252);

} // namespace scripture
