#pragma once

#include "scripture/versetext.h"
#include "storage/filesystem.h"

#include <QFile>
#include <QStringList>

// Files as a test leaves and finds them, byte for byte, and the scripture text as lines.
namespace testfiles {

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// False when the bytes could not all be written.
inline bool put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// Every line of the text, decoded one at a time.
inline QStringList linesOf(const VerseText& text) {
    QStringList lines;
    for (qsizetype line = 0; line < text.lineCount(); ++line)
        lines.append(text.decodedLine(line));
    return lines;
}

// The verse text of a reference such as "John 3:16", found among the file's lines.
inline QString verseText(const QStringList& lines, const QString& reference) {
    const QString start = reference + QStringLiteral("  ");
    for (const QString& line : lines)
        if (line.startsWith(start))
            return line.sliced(start.size()).trimmed();
    return {};
}

// The real scripture text, read once for each test program: indexed as the program keeps it, and
// line by line by the file layer.
struct Bible {
    VerseText text;
    QStringList lines;
};
inline const Bible& bible() {
    static const Bible read = [] {
        Bible bible{VerseText(bytesOf(QStringLiteral(VELLUMARK_TEST_BIBLE))), {}};
        FileSystem().readLines(QStringLiteral(VELLUMARK_TEST_BIBLE), bible.lines);
        return bible;
    }();
    return read;
}

} // namespace testfiles
