// Bible.dat as read, and what is asked of it, each against a plain reading of the same bytes.
// Two lines typed above the file: the first is a search query, a reference typed in the
// favorites page and a line of the result list; the second a book as typed ("*" for every book
// in the search), also the prefix of a chapter.
#include "fuzzinput.h"
#include "naivesearch.h"

#include "favorites/versereference.h"
#include "scripture/resultline.h"
#include "scripture/uppercase.h"
#include "scripture/verselines.h"
#include "search/searchengine.h"
#include "shell/placeholders.h"
#include "text/codepage.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const QByteArrayView first = input.line();
    const QString typed = QString::fromUtf8(first);
    const QString book = input.textLine();
    const QByteArrayView bytes = input.rest;
    const VerseText text{bytes.toByteArray()};

    // The line index, the upper-cased copy, the lines beginning with the prefix and its chapter.
    const QStringList lines = plainLines(codepage::decodeWindows1252(bytes));
    FUZZ_REQUIRE(text.lineCount() == lines.size() && text.upperBytes().size() == bytes.size());
    std::vector<qsizetype> beginning, found;
    QString chapter;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        FUZZ_REQUIRE(codepage::decodeWindows1252(text.upperLine(i)) ==
                     scripture::upperCase(lines[i]));
        if (!codepage::fitsWindows1252(book) || !lines[i].startsWith(book))
            continue;
        beginning.push_back(i);
        chapter += (book.isEmpty() ? lines[i] : QString(lines[i]).remove(book)) +
                   QStringLiteral("\r\n\r\n");
    }
    // Runs are as long as they can be: two in a row always have a line between them.
    qsizetype previousEnd = -1;
    for (const VerseText::LineRun& run : text.linesBeginningWith(QStringView(book))) {
        FUZZ_REQUIRE(run.first < run.last && previousEnd < run.first);
        for (qsizetype line = run.first; line < run.last; ++line)
            found.push_back(line);
        previousEnd = run.last;
    }
    FUZZ_REQUIRE(found == beginning);
    FUZZ_REQUIRE(text.chapterText(book) == chapter);

    // The search finds the lines the plain, line-by-line search finds.
    const QString scope = book == QLatin1String("*") ? shell::kTheBible : book;
    FUZZ_REQUIRE(search::resultLines(text, search::run(text, typed, scope).lines) ==
                 naive::search(lines, typed, scope).lines);

    // The favorites page's verse lookup. Only spaces are padding: any other character, even one
    // the field drops, keeps a text.
    const std::optional<QString> kept = favorites::filterReference(typed);
    FUZZ_REQUIRE(kept.has_value() == (typed.count(u' ') < typed.size()));
    for (const QChar ch : kept.value_or(QString()))
        FUZZ_REQUIRE(ch == u' ' || ch == u'-' || (ch >= u'0' && ch <= u';'));
    for (const QString& asked : {typed, kept.value_or(QString())}) {
        const VerseReference reference = VerseReference::parse(asked);
        const QString numbers = reference.chapter + reference.verse + reference.endVerse;
        FUZZ_REQUIRE(std::all_of(numbers.begin(), numbers.end(),
                                 [](QChar ch) { return ch >= u'0' && ch <= u'9'; }));
        const QStringList verses = scripture::versesFor(text, book, reference);
        FUZZ_REQUIRE(verses.size() <= text.lineCount() &&
                     (!reference.isSingleVerse() || verses.size() <= 1));
        FUZZ_REQUIRE(reference.isSingleVerse() || reference.isRange() || verses.isEmpty());
        const QString shown = favorites::lookupResultText(verses);
        FUZZ_REQUIRE(!shown.isEmpty() && verses.isEmpty() == !shown.startsWith(u' '));
    }

    // Opening a result line, read as the list shows it: the reference, the chapter text and
    // where the verse starts in it.
    const QString line = codepage::decodeWindows1252(first);
    const std::optional<scripture::ResultReference> reference = scripture::referenceOf(line);
    const qsizetype referenceEnd = line.indexOf(QStringLiteral("  "));
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    FUZZ_REQUIRE(reference.has_value() == (colon >= 0 && colon < referenceEnd));
    if (!reference)
        return 0;
    FUZZ_REQUIRE(reference->prefix == line.first(colon + 1));
    // The chapter follows the prefix's last space; the book, trimmed of spaces, comes before.
    const qsizetype lastSpace = reference->prefix.lastIndexOf(QLatin1Char(' '));
    FUZZ_REQUIRE(reference->prefix.sliced(lastSpace + 1) == reference->chapter + QLatin1Char(':'));
    FUZZ_REQUIRE(!reference->book.startsWith(u' ') && !reference->book.endsWith(u' ') &&
                 reference->prefix.first(lastSpace + 1).contains(reference->book));
    const QString opened = text.chapterText(reference->prefix);
    const qsizetype offset = scripture::verseOffset(opened, line, reference->prefix);
    const QString verse = QString(line).remove(reference->prefix);
    FUZZ_REQUIRE(offset >= 0 && offset <= opened.size());
    FUZZ_REQUIRE(opened.contains(verse) ? QStringView(opened).sliced(offset).startsWith(verse)
                                        : offset == 0);
    return 0;
}
