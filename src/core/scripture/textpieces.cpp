#include "scripture/textpieces.h"

#include "storage/plainfile.h"

#include <cstring>

namespace textpieces {
namespace {

// Where the bytes' last line ends, after its line feed, looked for from the place on; 0 when no
// line ends there.
qsizetype lastLineEnd(QByteArrayView bytes, qsizetype from) {
    const qsizetype lineFeed = bytes.sliced(from).lastIndexOf('\n');
    return lineFeed < 0 ? 0 : from + lineFeed + 1;
}

} // namespace

// One buffer serves every piece: memory touched for the first time costs a page fault for each
// page, which would cost more than the read itself if every piece had fresh memory. The bytes
// after the last line feed move to the buffer's front to wait for the next read; at the end of
// the file they are the last line, which has no break.
Reading readInPieces(const QString& path, qsizetype pieceBytes,
                     const std::function<bool(QByteArrayView)>& take) {
    PlainFile plain(path);
    if (!plain.isOpen())
        return Reading::Unreadable;
    QFile& file = plain.file();
    QByteArray buffer(2 * pieceBytes, Qt::Uninitialized);
    qsizetype held = 0;
    for (;;) {
        if (buffer.size() - held < pieceBytes) // a line longer than a piece
            buffer.resize(held + pieceBytes);
        const qint64 got = file.read(buffer.data() + held, pieceBytes);
        if (got < 0)
            return Reading::Unreadable;
        const QByteArrayView bytes(buffer.constData(), held + got);
        const bool atEnd = got == 0;
        // The bytes held hold no line feed: only those just read are looked at, so that a line
        // of many pieces is not looked through again at every read.
        const qsizetype pieceEnd = atEnd ? bytes.size() : lastLineEnd(bytes, held);
        if (pieceEnd > 0 && !take(bytes.first(pieceEnd)))
            return Reading::Read;
        held = bytes.size() - pieceEnd;
        std::memmove(buffer.data(), bytes.data() + pieceEnd, std::size_t(held));
        if (atEnd)
            return Reading::Read;
    }
}

} // namespace textpieces
