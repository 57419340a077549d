#include "scripture/textfile.h"

#include "scripture/bytepasses.h"
#include "storage/plainfile.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace scripture {
namespace {

// The file is read this much at a time, each stretch indexed while the processor's caches still
// hold it: the bytes come from memory once, not once for the read and again for the index.
constexpr qsizetype kStretch = qsizetype(256) << 10;

} // namespace

// QFile::readAll would read into a fresh heap block that is then copied; reading into the
// text's own memory saves the copy and the page faults of a second block as large as the file.
// Nothing is zeroed that is then written: only the padding after the bytes read.
std::optional<VerseText> readVerseText(const QString& path, TextEncoding unmarked) {
    PlainFile plain(path);
    if (!plain.isOpen())
        return std::nullopt;
    QFile& file = plain.file();
    const qint64 size = file.size();
    if (size > bytepasses::kLargestText)
        return std::nullopt;
    if (size <= 0) { // a file whose size the system does not know is read to its end
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError || bytes.size() > bytepasses::kLargestText)
            return std::nullopt;
        return VerseText(QByteArrayView(bytes), unmarked);
    }
    PageBuffer buffer(size + VerseText::kPadding);
    char* data = buffer.data();
    std::optional<LineIndex::Builder>
        index; // once the first bytes tell where the first line starts
    const auto startIndex = [&](qsizetype read) {
        index.emplace(firstLineStart(QByteArrayView(data, read)), size, vectorunit::widest());
    };
    qint64 read = 0;
    while (read < size) {
        const qint64 got = file.read(data + read, std::min<qint64>(kStretch, size - read));
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break; // the file shrank since its size was taken
        read += got;
        // A line's book is looked for up to kBookReach bytes on, which must be read already.
        const qsizetype end = (read - bytepasses::kBookReach) / 64 * 64;
        if (read == size || end <= 0)
            continue;
        if (!index)
            startIndex(read);
        index->take(data, end, read);
    }
    // The padding, and what a file that shrank left unwritten.
    std::memset(data + read, 0, std::size_t(size + VerseText::kPadding - read));
    if (!index)
        startIndex(read);
    index->take(data, read, read);
    const TextEncoding encoding = encodingOf(QByteArrayView(data, read), unmarked);
    return VerseText(std::move(buffer), read, encoding, index->finish(read));
}

} // namespace scripture
