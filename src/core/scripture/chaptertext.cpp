#include "scripture/chaptertext.h"

#include "scripture/chapterprefix.h"

#include <limits>

namespace scripture {
namespace {

// Writes the line, decoded, with every occurrence of the prefix taken out.
void appendWithout(QString& out, const VerseText& text, qsizetype line, QByteArrayView prefix) {
    const QByteArrayView bytes = text.lineBytes(line);
    for (qsizetype from = 0; from < bytes.size();) {
        qsizetype at = bytes.indexOf(prefix, from);
        if (at < 0)
            at = bytes.size();
        out += text.decoded(bytes.sliced(from, at - from));
        from = at + prefix.size();
    }
}

} // namespace

std::optional<qsizetype> ChapterText::offsetOfVerse(int verse) const {
    for (const Shown& shown : lines) {
        if (shown.verse == verse)
            return shown.offset;
    }
    return std::nullopt;
}

std::optional<qsizetype> ChapterText::offsetOfLine(qsizetype line) const {
    for (const Shown& shown : lines) {
        if (shown.line == line)
            return shown.offset;
    }
    return std::nullopt;
}

int verseNumberAfter(QByteArrayView line, qsizetype prefixSize) {
    qint64 number = 0;
    qsizetype at = prefixSize;
    for (; at < line.size() && line[at] >= '0' && line[at] <= '9'; ++at) {
        number = number * 10 + (line[at] - '0');
        if (number > std::numeric_limits<int>::max())
            return 0;
    }
    return at < line.size() && line[at] == ' ' ? int(number) : 0;
}

ChapterText chapterText(const VerseText& text, const ChapterPlace& place) {
    const std::optional<QByteArray> prefix =
        text.encoded(chapterPrefix(place.book, QString::number(place.chapter)));
    ChapterText chapter;
    if (!prefix)
        return chapter;
    for (const VerseText::LineRun& run : text.linesBeginningWith(*prefix)) {
        for (qsizetype line = run.first; line < run.last; ++line) {
            chapter.lines.push_back({line, chapter.text.size(),
                                     verseNumberAfter(text.lineBytes(line), prefix->size())});
            appendWithout(chapter.text, text, line, *prefix);
            chapter.text += QStringLiteral("\r\n\r\n");
        }
    }
    return chapter;
}

} // namespace scripture
