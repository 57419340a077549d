#include "naivesearch.h"
#include "scripture/bookcatalogue.h"
#include "scripture/textpieces.h"
#include "scripture/uppercase.h"
#include "search/bytefinder.h"
#include "search/commandsearch.h"
#include "search/searchengine.h"
#include "search/searchplaceholders.h"
#include "search/searchreadiness.h"
#include "search/searchsummary.h"
#include "storage/filesystem.h"
#include "support/testfiles.h"
#include "text/codepage.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <string_view>

namespace {

// A handful of lines in Windows-1252, some accented, one empty.
const VerseText& smallText() {
    static const VerseText text(QByteArray("Job 1:1  Caf\xe9 and \xc6sir\r\n"
                                           "Job 1:2  CAF\xc9 \xe6sir love\r\n"
                                           "\r\n"
                                           "Job 1:3  J\xe9sus said: love\r\n"
                                           "job 1:4  na\xefve \xb5 \x83\r\n"
                                           "Job 1:5  one love, love one\r\n"));
    return text;
}

// The same kind of lines in UTF-8, Greek, Cyrillic and accented Latin among them; the second text
// also holds a long s, whose folded form is shorter than it is.
const QByteArray kUtf8Lines =
    "\xEF\xBB\xBF"
    "John 1:1  \u1F10\u03BD \u1F00\u03C1\u03C7\u1FC7 \u1F26\u03BD \u1F41 "
    "\u039B\u03CC\u03B3\u03BF\u03C2, \u039A\u0391\u0399 \u1F49 "
    "\u03BB\u03CC\u03B3\u03BF\u03C3\r\n"
    "John 1:2  \u0412 \u043D\u0430\u0447\u0430\u043B\u0435 \u0431\u044B\u043B\u043E "
    "\u0421\u043B\u043E\u0432\u043E, \u0421\u041B\u041E\u0412\u041E\r\n"
    "John 1:3  Caf\u00E9 \u00C6SIR \u00DF STRASSE \u03A3\u03A3 \u00B5\r\n"
    "Jude 1:1  caf\u00C9 \u00E6sir K\u00E5rlek ZEAL\r\n"
    "Jude 1:2  caf\u00E9 \U00010428\U0001042F \u1F88\r\n";

const VerseText& utf8Text(bool longS) {
    static const VerseText inPlace(kUtf8Lines);
    static const VerseText withLongS(kUtf8Lines + "Jude 1:2  \u017Fo caf\u00E9\r\n");
    return longS ? withLongS : inPlace;
}

enum class Text { Bible, Small, Utf8, Utf8WithLongS };

const VerseText& textOf(Text which) {
    return which == Text::Bible   ? testfiles::bible().text
           : which == Text::Small ? smallText()
                                  : utf8Text(which == Text::Utf8WithLongS);
}

void row(const char* name, const char* query, const char* book, int count,
         Text text = Text::Bible) {
    QTest::newRow(name) << QString::fromUtf8(query) << QString::fromUtf8(book) << count << text;
}

// The engine and the plain reading on the same text, query and book.
QStringList engineLines(const VerseText& text, const QString& query, const QString& book) {
    const std::optional<int> index = scripture::catalogueIndex(book);
    return search::resultLines(text, search::run(text, query, index).lines);
}

} // namespace

Q_DECLARE_METATYPE(Text)

class TestSearch : public QObject {
    Q_OBJECT
private slots:
    void cases_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("book"); // empty: every book
        QTest::addColumn<int>("count");    // -1: some
        QTest::addColumn<Text>("text");
        row("nominal: phrase", "love one another", "", -1);
        row("nominal: all words in any order", "another love one", "", -1);
        row("nominal: Z is a letter of a word", "Zion love", "", 2);
        row("nominal: phrase with a separator", "love?", "", -1);
        row("nominal: one book", "love", "Genesis", -1);
        row("nominal: a range of verses", "John 3:16-18", "", 3);
        row("nominal: a range across chapters", "Gen 1:31-2:2", "", 3);
        row("nominal: a chapter", "Ps 23", "", 6);
        row("nominal: a short name in any case", "jn 3:16", "", 1);
        row("nominal: a verse of the book searched", "3:16", "John", 1);
        row("nominal: a reference names its own book", "John 3:16", "Genesis", 1);
        row("robustness: a book's name alone is a word", "Job", "", -1);
        row("robustness: a verse past the chapter's end", "John 3:36-99", "", 1);
        row("robustness: a chapter alone in a book searched is no verse", "3", "John", 273);
        row("nominal: é matches É", "café", "Job", 2, Text::Small);
        row("nominal: Æ matches æ", "ÆSIR", "Job", 2, Text::Small);
        row("nominal: accented letter splits words", "jésus love", "Job", 1, Text::Small);
        row("nominal: no capital in the code page stays as it is", "µ ƒ", "", 1, Text::Small);
        row("nominal: UTF-8 Greek, its accents and final sigma", "ὁ λόγοσ", "", 1, Text::Utf8);
        row("nominal: UTF-8 Greek in capitals", "και ὁ λόγοσ", "", 1, Text::Utf8);
        row("nominal: UTF-8 Cyrillic, either case", "слово", "", 1, Text::Utf8);
        row("nominal: UTF-8 accented Latin", "CAFÉ ÆSIR", "", -1, Text::Utf8);
        row("nominal: UTF-8 words are runs of any letters", "æsir café", "Jude", 1, Text::Utf8);
        row("nominal: UTF-8 letters a to z in either case", "zeal", "", 1, Text::Utf8);
        row("nominal: UTF-8 letters beyond the first 64K", "\U00010400\U00010407 CAF\u00C9", "", 1,
            Text::Utf8);
        row("nominal: UTF-8 capital that differs in its last byte only", "\u1F80", "", 1,
            Text::Utf8);
        row("nominal: UTF-8 micro sign folds to mu", "μ", "", 1, Text::Utf8);
        row("nominal: UTF-8 with a long s, folded line by line", "so café", "Jude", 1,
            Text::Utf8WithLongS);
        row("robustness: UTF-8 sharp s is no SS", "straße", "", 0, Text::Utf8);
        row("robustness: a book the text lacks", "love", "Jude", 0, Text::Small);
        row("robustness: character outside the code page", "Ω love", "Ruth", -1);
        row("robustness: only spaces list every line", "   ", "Jude", 25);
        row("robustness: empty line is never listed", ":", "", 5, Text::Small);
        row("robustness: phrase at a later place of its words", "love one", "Job", 1, Text::Small);
        row("robustness: a match at the very first byte of the text", "genesis", "Genesis", 1533);
        row("robustness: a later word at the very first byte", "æsir job", "Job", 2, Text::Small);
    }
    void cases() {
        QFETCH(QString, query);
        QFETCH(QString, book);
        QFETCH(int, count);
        QFETCH(Text, text);
        const VerseText& verses = textOf(text);
        const QStringList found = engineLines(verses, query, book);
        const QStringList lines =
            text == Text::Bible ? testfiles::bible().lines : testfiles::linesOf(verses);
        QCOMPARE(found, naive::search(lines, query, book, verses.encoding()).lines);
        QVERIFY(count < 0 ? !found.isEmpty() : found.size() == count);
    }

    // From a terminal: the list's lines in UTF-8 or their count, grep's exit status, or why not.
    void commandLineSearch() {
        QTemporaryDir folder;
        const ProgramFolder programFolder(folder.path());
        FileSystem files;
        QByteArray output;
        bool writable = true;
        const search::Output out = [&](QByteArrayView bytes) { return output += bytes, writable; };
        // The exit status grep would give, a space, and what was written.
        const auto searched = [&](const search::CommandSearch& asked) {
            output.clear();
            const int status =
                search::searchFromCommandLine(files, programFolder, asked, out).exitStatus;
            return QByteArray::number(status) + ' ' + output;
        };
        const auto bible = [&](const QByteArray& bytes) {
            return testfiles::put(folder.filePath("Bible.dat"), bytes);
        };
        QCOMPARE(searched({"love"}), "2 ");
        QVERIFY(bible("Job 1:1  Caf\xe9 love\r\nJob 1:2  Love"));
        QCOMPARE(searched({"love"}), "0 Job 1:1  Caf\xc3\xa9 love\nJob 1:2  Love\n");
        QCOMPARE(searched({"café", "Job", true}), "0 1\n");
        QCOMPARE(searched({"love", "Jude"}), "1 ");
        // Saved as UTF-8 with its mark, read in pieces too; empty, nothing found; no such book.
        QVERIFY(bible("\xEF\xBB\xBFJob 1:1  Caf\xC3\xA9 \xCE\xA3\r\n"));
        QCOMPARE(searched({"CAFÉ σ"}), "0 Job 1:1  Caf\xC3\xA9 \xCE\xA3\n");
        QCOMPARE(searched({"café", "Jbx"}), "2 ");
        QVERIFY(bible("\xEF\xBB\xBF\xC5\xBF\r\n")); // a long s first, which folds to one byte
        QCOMPARE(searched({"S", {}, true}), "0 1\n");
        QVERIFY(bible(""));
        QCOMPARE(searched({"love"}), "1 ");
        // A line of one byte above ASCII is decoded too; an output of many blocks comes whole.
        QVERIFY(bible("\x80\r\n" + QByteArray("Job 1:1  love\r\n").repeated(5000)));
        QCOMPARE(searched({"\u20AC"}), "0 \xE2\x82\xAC\n");
        QCOMPARE(searched({"love"}), "0 " + QByteArray("Job 1:1  love\n").repeated(5000));
        // Read in pieces: the words' lines of every piece count until a piece holds the phrase,
        // whose lines alone are then the result, those of later pieces too.
        const QByteArray words = QByteArray("Job 1:1  one another, love\n").repeated(100000);
        QVERIFY(bible(words));
        // with LF alone, a piece cut short of its line feed would show
        QCOMPARE(searched({"love one another", "Job"}), "0 " + words);
        QVERIFY(bible(words + "Job 1:2  love one another\r\n" + words + "Z"));
        QCOMPARE(searched({"love one another"}), "0 Job 1:2  love one another\n");
        QCOMPARE(searched({"love one another", "Job", true}), "0 1\n");
        // A reference lists its verses, from whichever piece holds them.
        QCOMPARE(searched({"jb 1:2-3"}), "0 Job 1:2  love one another\n");
        // A piece is passed over only when it cannot hold what is looked for: here a last line
        // of one byte, without a break, of a letter the first piece lacks.
        QCOMPARE(searched({"z", {}, true}), "0 1\n");
        // a piece is exactly 64 KiB of whole lines; the phrase opens the next
        QVERIFY(
            bible("Job 1:1  love one another\n" + QByteArray(65509, 'x') + "\nlove one another"));
        QCOMPARE(searched({"love one another", {}, true}), "0 2\n");
        // A line longer than several pieces comes whole, and so does the line after it.
        const QByteArray longLine = "Job 1:1  " + QByteArray(200000, 'x') + " \xC5\xBF"; // long s
        QVERIFY(bible("\xEF\xBB\xBF" + longLine + "\r\nJob 1:2  love\r\n"));             // in UTF-8
        QCOMPARE(searched({"S", "Job"}), "0 " + longLine + "\n");
        QCOMPARE(searched({"love", "Job"}), "0 Job 1:2  love\n");
        // Another text in the same form, named by its path; one that is gone is told.
        const QString other = folder.filePath("other.txt");
        const QByteArray logos = "John 1:1  \xCE\xBB\xCF\x8C\xCE\xB3\xCE\xBF\xCF\x82\n";
        QVERIFY(testfiles::put(other, "\xEF\xBB\xBF" + logos));
        QCOMPARE(searched({"ΛΌΓΟΣ", {}, false, other}), "0 " + logos);
        QCOMPARE(searched({"love", {}, false, other + ".gone"}), "2 ");
        writable = false;
        QVERIFY(searched({"love"}).startsWith("2 "));
    }

    // A text saved as UTF-8 with its mark is handed on a piece at a time, the mark in the first.
    void textWithMarkReadInPieces() {
        QTemporaryDir folder;
        const QString path = folder.filePath("Bible.dat");
        const QByteArray line("Job 1:1  love\r\n");
        QVERIFY(testfiles::put(path, "\xEF\xBB\xBF" + line.repeated(1000)));
        QList<qsizetype> pieces;
        const auto reading = textpieces::readInPieces(path, 1024, [&](QByteArrayView piece) {
            pieces.append(piece.size());
            return true;
        });
        QCOMPARE(reading, textpieces::Reading::Read);
        QVERIFY(pieces.size() > 10);
        QVERIFY(*std::max_element(pieces.begin(), pieces.end()) <= 1024 + line.size());
    }

    // A UTF-8 query's words are runs of letters; a lone half of a surrogate pair is no letter
    // and takes only its own place, not a letter beside it.
    void queryWordsSplitAtOtherCharacters() {
        QCOMPARE(
            search::queryWords(QString::fromUtf8("\u00e9t\u00e9, \U00010428x"), TextEncoding::Utf8),
            QStringList({QString::fromUtf8("\u00e9t\u00e9"), QString::fromUtf8("\U00010428x")}));
        const QString lone = QChar(0xDC00);
        QCOMPARE(
            search::queryWords(lone + QString::fromUtf8("\u00e9") + lone + "x", TextEncoding::Utf8),
            QStringList({QString::fromUtf8("\u00e9"), "x"}));
    }

    // Each place of a word is tried once for the phrase, however often the phrase repeats it.
    void repeatedWordCostsOnce() {
        const QByteArray verse = "Job 1:1  " + QByteArray("a ").repeated(100) + "\n";
        const VerseText text(verse.repeated(100000));
        const QString query = QStringLiteral("a ").repeated(32767);
        const search::Outcome found = search::run(text, query);
        QVERIFY(!found.foundByPhrase);
        QCOMPARE(found.lines.size(), std::size_t(100000));
    }

    // Leaving the search box or picking a book searches only once both boxes are filled in,
    // compared as they stand; the query, each line break a space, is then trimmed of spaces.
    void readyToSearch_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("searched"); // null: not ready
        const QString prompt = search::kSearchPrompt;
        const auto ready = [](const char* name, const QString& query, const char* book,
                              const QString& searched) {
            QTest::newRow(name) << query << QString(book) << searched;
        };
        ready("nominal: words and a book", " love ", "John", "love");
        ready("robustness: the prompt as it stands", prompt, "John", QString());
        ready("robustness: the prompt with a space", prompt + " ", "John", prompt);
        ready("robustness: no book chosen", "love", "Select Book", QString());
        ready("robustness: only spaces", "   ", "John", "");
        ready("nominal: each line break pasted is a space, CR LF one",
              QString::fromUtf16(u"love\r\none\nanother\rday\u2028x"), "John",
              "love one another day x");
    }
    void readyToSearch() {
        QFETCH(QString, query);
        QFETCH(QString, book);
        QFETCH(QString, searched);
        const std::optional<QString> ready =
            search::queryWhenReady(search::singleLineQuery(query), book);
        QCOMPARE(ready.has_value(), !searched.isNull());
        QCOMPARE(ready.value_or(QString()), searched);
    }

    // The status line: how to choose where to search until a book is chosen, then what was found.
    void statusLine() {
        QCOMPARE(search::statusBeforeSearch(search::kSelectBook), search::kChooseWhereHint);
        QCOMPARE(search::statusBeforeSearch("John"), QString());
        QCOMPARE(search::foundSummary(0, "xyzzy"), u"No verse holds \u201Cxyzzy\u201D");
        QCOMPARE(search::foundSummary(1, {}), "1 verse");
    }

    // Random short texts put the pattern at every place of the vector blocks, across the window's
    // ends, and absent, for every unit this machine runs; the padded find must not report the
    // pattern in the padding, and a find of each place in turn must go on where it is told. Letters
    // are found where the folded text holds the folded pattern.
    void byteFinderMatchesPlainFind() {
        QVERIFY(vectorunit::runs(vectorunit::widest())); // so the widest unit is tested too
        using Unit = ByteFinder::Unit;
        QRandomGenerator random(7);
        const QStringList windows1252{"a", "A", "b", "B", "\u00E9", "\u00C9", "d"};
        const QStringList utf8{"a", "A", "\u00E9", "\u00C9", "\u03C3", "\u03A3", "\u03C2", "d"};
        for (int trial = 0; trial < 20000; ++trial) {
            const TextEncoding encoding =
                trial % 2 == 1 ? TextEncoding::Utf8 : TextEncoding::Windows1252;
            const QStringList& letters = trial % 2 == 1 ? utf8 : windows1252;
            const auto write = [&](const QString& text) {
                return encoding == TextEncoding::Utf8 ? text.toUtf8()
                                                      : codepage::encodeWindows1252(text);
            };
            QString characters;
            QList<qsizetype> boundaries{0}; // where each character's bytes begin, and the end
            for (int i = random.bounded(120); i > 0; --i) {
                characters += letters.at(random.bounded(int(letters.size()) - 1));
                boundaries.append(write(characters).size());
            }
            QString patternCharacters;
            for (int i = 1 + random.bounded(5); i > 0; --i)
                patternCharacters += letters.at(random.bounded(int(letters.size())));
            const QByteArray text = write(characters);
            const QByteArray folded = write(search::folded(characters, encoding));
            const auto pattern =
                FoldedPattern::of(search::folded(patternCharacters, encoding), encoding);
            const qsizetype from = boundaries.at(random.bounded(int(boundaries.size())));
            const qsizetype end =
                std::max(from, boundaries.at(random.bounded(int(boundaries.size()))));
            std::array<qsizetype, 256> counts{};
            for (const char byte : text)
                ++counts[static_cast<unsigned char>(byte)];
            const std::string_view window(folded.constData() + from, std::size_t(end - from));
            const std::size_t at = window.find(
                std::string_view(pattern->bytes().data(), std::size_t(pattern->size())));
            const qsizetype expected = at == std::string_view::npos ? -1 : from + qsizetype(at);
            const QByteArray padded =
                text.first(end) + pattern->bytes().toByteArray().repeated(ByteFinder::kPadding);
            // Each place in turn, the search going on one to three places past each find.
            const auto onward = [](qsizetype at) { return at + 1 + at % 3; };
            QList<qsizetype> places;
            for (qsizetype start = from; start <= end;) {
                const std::size_t found =
                    std::string_view(folded.constData() + start, std::size_t(end - start))
                        .find(std::string_view(pattern->bytes().data(),
                                               std::size_t(pattern->size())));
                if (found == std::string_view::npos)
                    break;
                places.append(start + qsizetype(found));
                start = onward(places.back());
            }
            for (const Unit unit : {Unit::Bytes, Unit::Sse2, Unit::Avx2, Unit::Avx512}) {
                if (!vectorunit::runs(unit))
                    continue;
                const ByteFinder finder(*pattern, counts, unit);
                QCOMPARE(finder.find(text.constData(), from, end), expected);
                QCOMPARE(finder.findPadded(padded.constData(), from, end), expected);
                QList<qsizetype> foundEach;
                finder.findEachPadded(padded.constData(), from, end, [&](qsizetype at) {
                    foundEach.append(at);
                    return onward(at);
                });
                QCOMPARE(foundEach, places);
            }
        }
        // Probes whose bytes are not a letter's two cases: both on the last bytes of σ, Σ and ς,
        // three of them (the first bytes being made common), and on U+0080, two bytes from 0xC2.
        std::array<qsizetype, 256> firstBytesCommon{};
        firstBytesCommon[0xCE] = firstBytesCommon[0xCF] = 100;
        const auto foundAt = [&](const char* folded, const char* text) {
            const auto pattern = FoldedPattern::of(QString::fromUtf8(folded), TextEncoding::Utf8);
            const QByteArray padded = text + QByteArray(ByteFinder::kPadding, ' ');
            QList<qsizetype> found;
            for (const Unit unit : {Unit::Bytes, Unit::Sse2, Unit::Avx2, Unit::Avx512}) {
                found.append(ByteFinder(*pattern, firstBytesCommon, unit)
                                 .findPadded(padded.constData(), 0, qsizetype(std::strlen(text))));
            }
            return found;
        };
        QCOMPARE(foundAt("\u03C3\u03C3", "x\u03C2\u03C2"), QList<qsizetype>(4, 1));
        QCOMPARE(foundAt("\u0080", "x\u0080"), QList<qsizetype>(4, 1));
        // Places both probes pick out, taken as independent: the search scans for the fewest
        // first. A letter's probe takes both its cases.
        std::array<qsizetype, 256> counts{};
        counts['A'] = 40, counts['a'] = 20, counts['B'] = 30, counts['C'] = 10;
        const auto expected = [&](const char* folded) {
            const auto pattern =
                FoldedPattern::of(QString::fromLatin1(folded), TextEncoding::Windows1252);
            return ByteFinder(*pattern, counts).expectedCandidates(1000);
        };
        QCOMPARE(expected("BA"), 1000 * (30 / 101.0) * (60 / 101.0));
        QCOMPARE(expected("AB"), expected("BA"));
        QCOMPARE(expected("C"), 1000 * (10 / 101.0));
    }
};

QTEST_GUILESS_MAIN(TestSearch)
#include "tst_search.moc"
