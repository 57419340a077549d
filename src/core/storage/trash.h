#pragma once

#include <QByteArray>
#include <QString>

// The desktop's trash in the user's home, laid out as the freedesktop rules have it: a folder
// Trash in the user's data folder ($XDG_DATA_HOME, else ~/.local/share) whose folder files holds
// the trashed files and whose folder info holds a note for each (Love.txt.trashinfo: where it
// was, and when it was trashed), from which a file manager puts it back. Whatever of it is
// missing is made, for the user alone, when a file is trashed. A file of another disk is copied
// into it and then deleted, so it is found where the desktop looks even once that disk is gone.
namespace storage {

// The home trash for these values of XDG_DATA_HOME and HOME. A relative path names no folder
// (it would lie wherever the program was started from): empty when neither names one.
QString homeTrashFolder(const QString& dataHome, const QString& home);

// Moves the file into the home trash, under its own name unless a trashed file has it already.
// Empty on success, else why not; the file then stays where it was.
QString moveToTrash(const QString& path);
// Puts the bytes into the home trash as a trashed copy of the file, which itself stays.
QString copyToTrash(const QString& path, const QByteArray& bytes);

} // namespace storage
