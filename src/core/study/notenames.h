#pragma once

#include "scripture/reference.h"

#include <optional>

// A note on a verse is a text file of its own in the Notes folder, named by the verse with a
// full stop for the colon ("Romans 8.28.txt"), a name any file system can hold and a reader
// still reads as the reference.
namespace study {

QString noteName(const scripture::Reference& verse);
// The verse a note's name names; nothing for a file of the folder that is no note.
std::optional<scripture::Reference> noteVerse(const QString& name);

} // namespace study
