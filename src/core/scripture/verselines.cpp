#include "scripture/verselines.h"

#include "scripture/bookcatalogue.h"
#include "text/spacetrim.h"

#include <limits>

namespace scripture {
namespace {

// The number the digits from `at` write, and where they end; nothing for no digits or a number
// past any verse's.
struct Number {
    int value = 0;
    qsizetype end = 0;
};
std::optional<Number> numberAt(QByteArrayView bytes, qsizetype at) {
    qint64 value = 0;
    qsizetype end = at;
    for (; end < bytes.size() && bytes[end] >= '0' && bytes[end] <= '9'; ++end) {
        value = value * 10 + (bytes[end] - '0');
        if (value > kLargestVerseNumber)
            return std::nullopt;
    }
    if (end == at)
        return std::nullopt;
    return Number{int(value), end};
}

// A line of the book: its name, a space, the chapter, a colon, the verse and a space, after
// which the verse's text follows.
struct LineVerse {
    int chapter = 0;
    int verse = 0;
    qsizetype textStart = 0;
};
std::optional<LineVerse> verseOfLine(QByteArrayView line, qsizetype nameSize) {
    const std::optional<Number> chapter = numberAt(line, nameSize + 1);
    if (!chapter || chapter->end >= line.size() || line[chapter->end] != ':')
        return std::nullopt;
    const std::optional<Number> verse = numberAt(line, chapter->end + 1);
    if (!verse || verse->end >= line.size() || line[verse->end] != ' ')
        return std::nullopt;
    return LineVerse{chapter->value, verse->value, verse->end};
}

template <typename Visit>
void forEachVerse(const VerseText& text, const Reference& reference, Visit visit) {
    const QByteArrayView name(catalogue()[std::size_t(reference.book)].name);
    for (const VerseText::LineRun& run : text.linesOfBook(name)) {
        for (qsizetype line = run.first; line < run.last; ++line) {
            const std::optional<LineVerse> verse = verseOfLine(text.lineBytes(line), name.size());
            if (verse && reference.includes(verse->chapter, verse->verse))
                visit(line, *verse);
        }
    }
}

} // namespace

LineList linesOf(const VerseText& text, const Reference& reference) {
    LineList lines;
    forEachVerse(text, reference,
                 [&](qsizetype line, const LineVerse&) { lines.push_back(quint32(line)); });
    return lines;
}

QStringList versesOf(const VerseText& text, const Reference& reference) {
    QStringList verses;
    forEachVerse(text, reference, [&](qsizetype line, const LineVerse& verse) {
        verses.append(
            text::spaceTrimmed(text.decoded(text.lineBytes(line).sliced(verse.textStart))));
    });
    return verses;
}

} // namespace scripture
