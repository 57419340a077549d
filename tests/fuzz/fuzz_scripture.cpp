// Bible.dat as read and as asked, against a plain reading of the same bytes. Above the file: a
// query and reference as typed in the favorites page, then a book as typed, also the start of
// lines.
#include "fuzzinput.h"
#include "naivesearch.h"

#include "favorites/referencefield.h"
#include "scripture/bookcatalogue.h"
#include "scripture/booknames.h"
#include "scripture/chaptertext.h"
#include "scripture/resultline.h"
#include "scripture/textencoding.h"
#include "scripture/verselines.h"
#include "search/searchengine.h"
#include "storage/filesystem.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const QByteArrayView first = input.line();
    const QString typed = QString::fromUtf8(first);
    const QString book = input.textLine();
    const QByteArrayView bytes = input.rest;
    const VerseText text{bytes.toByteArray()};
    const TextEncoding encoding = text.encoding();

    // The line index, the lines that begin with the typed text, those of its book and its first
    // chapter, each against a plain reading of the same bytes.
    const QStringList lines = plainLines(FileSystem::decode(bytes.toByteArray()));
    FUZZ_REQUIRE(text.lineCount() == lines.size());
    const std::optional<QByteArray> prefix = text.encoded(book);
    const QString chapterPrefix = book + QStringLiteral(" 1:");
    std::vector<qsizetype> beginning, found, ofBook, inBook;
    QString chapter;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        FUZZ_REQUIRE(text.decodedLine(i) == lines[i]);
        if (naive::bookOf(lines[i], encoding) == book)
            ofBook.push_back(i);
        if (prefix && text.lineBytes(i).startsWith(*prefix))
            beginning.push_back(i);
        if (lines[i].startsWith(chapterPrefix))
            chapter += QString(lines[i]).remove(chapterPrefix) + QStringLiteral("\r\n\r\n");
    }
    // Runs are as long as they can be: two in a row always have a line between them.
    const auto linesOf = [](const std::vector<VerseText::LineRun>& runs) {
        std::vector<qsizetype> listed;
        qsizetype previousEnd = -1;
        for (const VerseText::LineRun& run : runs) {
            FUZZ_REQUIRE(run.first < run.last && previousEnd < run.first);
            for (qsizetype line = run.first; line < run.last; ++line)
                listed.push_back(line);
            previousEnd = run.last;
        }
        return listed;
    };
    if (prefix)
        FUZZ_REQUIRE(linesOf(text.linesBeginningWith(*prefix)) == beginning);
    // A byte that is not UTF-8 reads as U+FFFD, three bytes written again: the plain reading's
    // book rule and search then see other bytes than the file's, which the engine searches.
    const bool decodesExactly = encoding == TextEncoding::Windows1252 ||
                                bytes.sliced(scripture::firstLineStart(bytes)).isValidUtf8();
    if (prefix && !prefix->contains('\n') && decodesExactly)
        FUZZ_REQUIRE(linesOf(text.linesOfBook(*prefix)) == ofBook);
    if (encoding == TextEncoding::Windows1252 ||
        !chapterPrefix.contains(QChar::ReplacementCharacter))
        FUZZ_REQUIRE(scripture::chapterText(text, {book, 1}).text == chapter);

    // The search finds the lines the plain, line-by-line search finds.
    const std::optional<int> index = scripture::catalogueIndex(book);
    const QString searched = index ? book : QString();
    if (decodesExactly)
        FUZZ_REQUIRE(search::resultLines(text, search::run(text, typed, index).lines) ==
                     naive::search(lines, typed, searched, encoding).lines);

    // The favorites page's verse lookup. Only spaces are padding: any other character, even one
    // the field drops, keeps a text.
    const std::optional<QString> kept = favorites::filterReference(typed);
    FUZZ_REQUIRE(kept.has_value() == (typed.count(u' ') < typed.size()));
    for (const QChar ch : kept.value_or(QString()))
        FUZZ_REQUIRE(ch == u' ' || ch == u'-' || (ch >= u'0' && ch <= u';'));
    const std::optional<int> named = scripture::bookIndex(book);
    for (const QString& asked : {typed, kept.value_or(QString())}) {
        const std::optional<scripture::Reference> reference =
            named ? scripture::parseReferenceIn(*named, asked) : std::nullopt;
        FUZZ_REQUIRE(!reference || (reference->book == *named && reference->firstVerse > 0 &&
                                    reference->firstVerse <= reference->lastVerse));
        const QStringList verses =
            reference ? scripture::versesOf(text, *reference) : QStringList();
        const LineList found = reference ? scripture::linesOf(text, *reference) : LineList();
        FUZZ_REQUIRE(verses.size() == qsizetype(found.size()));
        const QString name =
            QString::fromLatin1(named ? scripture::catalogue()[std::size_t(*named)].name : "");
        for (const qsizetype line : found)
            FUZZ_REQUIRE(naive::bookOf(lines[line], encoding) == name);
        const QString shown = favorites::lookupResultText(verses);
        FUZZ_REQUIRE(!shown.isEmpty() && verses.isEmpty() == !shown.startsWith(u' '));
    }

    // Opening each line as a result: the place its reference names, and the line found in the
    // chapter shown for it, from its own text.
    for (qsizetype i = 0; i < std::min<qsizetype>(lines.size(), 8); ++i) {
        const std::optional<scripture::VersePlace> place = scripture::versePlaceOf(text, i);
        const qsizetype referenceEnd = lines[i].indexOf(QStringLiteral("  "));
        const qsizetype colon = lines[i].indexOf(QLatin1Char(':'));
        FUZZ_REQUIRE(!place || (colon >= 0 && colon < referenceEnd));
        // A book named by bytes that are not UTF-8 cannot be named again from its decoded name.
        if (!place || place->chapter.book.contains(QChar::ReplacementCharacter))
            continue;
        const QString shownPrefix = place->chapter.book + QLatin1Char(' ') +
                                    QString::number(place->chapter.chapter) + QLatin1Char(':');
        const scripture::ChapterText opened = scripture::chapterText(text, place->chapter);
        FUZZ_REQUIRE(opened.offsetOfLine(i).has_value() == lines[i].startsWith(shownPrefix));
        if (const std::optional<qsizetype> offset = opened.offsetOfLine(i))
            FUZZ_REQUIRE(QStringView(opened.text)
                             .sliced(*offset)
                             .startsWith(QString(lines[i]).remove(shownPrefix)));
    }
    return 0;
}
