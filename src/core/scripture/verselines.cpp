#include "scripture/verselines.h"

#include "scripture/chapterprefix.h"
#include "text/spacetrim.h"

namespace scripture {
namespace {

bool isDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

// The first line, in text order, that begins with the prefix; -1 when none does.
qsizetype firstLineBeginningWith(const VerseText& text, const QString& prefix) {
    const std::optional<QByteArray> bytes = text.encoded(prefix);
    if (!bytes)
        return -1;
    const std::vector<VerseText::LineRun> runs = text.linesBeginningWith(*bytes);
    return runs.empty() ? -1 : runs.front().first;
}

QStringList singleVerse(const VerseText& text, const QString& book,
                        const VerseReference& reference) {
    const QString prefix =
        chapterPrefix(book, reference.chapter) + reference.verse + QLatin1Char(' ');
    const qsizetype line = firstLineBeginningWith(text, prefix);
    if (line < 0)
        return {};
    return {text::spaceTrimmed(text.decoded(text.lineBytes(line).sliced(prefix.size())))};
}

// From the line of the first verse on, while the lines stay in the chapter and their verse
// numbers within the range. A prefix is one byte a character, as its book's name is ASCII.
QStringList verseRange(const VerseText& text, const QString& book,
                       const VerseReference& reference) {
    const std::optional<int> first = favorites::rangeVerseNumber(reference.verse);
    const std::optional<int> last = favorites::rangeVerseNumber(reference.endVerse);
    if (!first || !last || *last < *first)
        return {};
    const QString inChapter = chapterPrefix(book, reference.chapter);
    const qsizetype start =
        firstLineBeginningWith(text, inChapter + QString::number(*first) + QLatin1Char(' '));
    if (start < 0)
        return {};
    const QByteArrayView chapterBytes = text.lineBytes(start).first(inChapter.size());
    QStringList verses;
    for (qsizetype line = start; line < text.lineCount(); ++line) {
        const QByteArrayView bytes = text.lineBytes(line);
        if (!bytes.startsWith(chapterBytes))
            break;
        const QByteArrayView rest = bytes.sliced(chapterBytes.size());
        qsizetype digits = 0;
        while (digits < rest.size() && isDigit(rest[digits]))
            ++digits;
        if (digits == 0 || digits >= rest.size() || rest[digits] != ' ')
            break;
        const std::optional<int> number =
            favorites::rangeVerseNumber(QString::fromLatin1(rest.first(digits)));
        if (!number || *number > *last)
            break;
        verses.append(text::spaceTrimmed(text.decoded(rest.sliced(digits))));
    }
    return verses;
}

} // namespace

QStringList versesFor(const VerseText& text, const QString& book, const VerseReference& reference) {
    if (reference.isSingleVerse())
        return singleVerse(text, book, reference);
    if (reference.isRange())
        return verseRange(text, book, reference);
    return {};
}

} // namespace scripture
