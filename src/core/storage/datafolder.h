#pragma once

#include "storage/programfolder.h"

#include <QString>

// The folders the program writes in. One in which files cannot be made is found out with the
// system's reason, so that start-up tells the user once, and a later save that fails for it
// names that folder and that reason rather than "No such file or directory".
namespace storage {

// Why files cannot be made in the folder, changing nothing: it is not there (and could not be
// made, as the first folder above it that is there is no folder or cannot be written), or it
// cannot be written. Empty when they can.
QString folderProblem(const QString& folder);

// Makes the folder, and those above it, where missing, with the permissions given (before the
// umask); then as folderProblem().
QString prepareFolder(const QString& folder, unsigned permissions = 0777);

// The data folder and its Verses folder prepared at start-up: what the user is told when files
// cannot be kept there; empty when they can.
QString startupFolderProblem(const ProgramFolder& folder);

} // namespace storage
