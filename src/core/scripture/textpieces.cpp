#include "scripture/textpieces.h"

#include "storage/filesystem.h"
#include "storage/plainfile.h"

namespace textpieces {

// The bytes after the last line feed wait for the next read; at the end of the file they are the
// last line, which has no break.
Reading readInPieces(const QString& path, qsizetype pieceBytes,
                     const std::function<bool(const VerseText&)>& take) {
    PlainFile plain(path);
    if (!plain.isOpen())
        return Reading::Unreadable;
    QFile& file = plain.file();
    QByteArray pending;
    bool first = true;
    for (;;) {
        const qsizetype held = pending.size();
        pending.resize(held + pieceBytes);
        const qint64 got = file.read(pending.data() + held, pieceBytes);
        if (got < 0)
            return Reading::Unreadable;
        pending.resize(held + got);
        if (first && pending.startsWith(FileSystem::kUtf8ByteOrderMark))
            return Reading::NotInPieces;
        first = false;
        const bool atEnd = got == 0;
        const qsizetype pieceEnd = atEnd ? pending.size() : pending.lastIndexOf('\n') + 1;
        if (pieceEnd > 0) {
            if (!take(VerseText(QByteArrayView(pending).first(pieceEnd))))
                return Reading::Read;
            pending.remove(0, pieceEnd);
        }
        if (atEnd)
            return Reading::Read;
    }
}

} // namespace textpieces
