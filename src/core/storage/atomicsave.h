#pragma once

#include <QByteArray>
#include <QString>

// A file replaced whole or not at all: the bytes go to a temporary file of the program's own in
// the same folder, which is synced and then renamed over the file; the folder is synced after
// the rename, so the new name survives a power cut. On any failure the old file stays as it
// was and the temporary file is removed.
namespace storage {

// The mark that names a save's temporary file: a leading dot, the program's name, a dash and
// six random letters or digits. No one else names a file so, and the name is short, so any
// file name the folder takes can be saved.
inline const QString kTemporarySavePrefix = QStringLiteral(".vellumark-");
constexpr int kTemporarySaveRandomLength = 6;
bool isTemporarySaveName(const QString& fileName);

// The file is made writable for its owner and otherwise keeps its permissions. Empty on
// success, else the system's reason.
QString saveAtomically(const QString& path, const QByteArray& bytes);

} // namespace storage
