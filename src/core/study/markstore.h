#pragma once

#include "storage/filesystem.h"
#include "study/markfile.h"

#include <functional>

// A mark file in the program's folder, changed as it stands at the moment of the change: read,
// changed and replaced at once, so that a change made to it elsewhere since this window last read
// it is kept, never overwritten. A link or anything but a plain file is never read or written.
namespace study {

class MarkStore {
public:
    struct Read {
        bool ok = false;
        MarkFile file; // a file not there yet reads as empty
        QString error;
    };

    MarkStore(FileSystem& files, QString path);

    Read read() const;
    // Edits the file as it now is, in its own encoding, every byte the edit does not touch kept;
    // a file the edit leaves as it was is not written.
    FileSystem::Result change(const std::function<void(MarkFile&)>& edit);

private:
    std::optional<QString> refusal() const;

    FileSystem& m_files;
    QString m_path;
};

} // namespace study
