#include "naivesearch.h"
#include "scripture/uppercase.h"
#include "search/bytefinder.h"
#include "search/commandsearch.h"
#include "search/searchengine.h"
#include "search/searchreadiness.h"
#include "search/searchsummary.h"
#include "shell/placeholders.h"
#include "storage/filesystem.h"
#include "support/testfiles.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

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

void row(const char* name, const char* query, const char* scope, int count, bool small = false) {
    QTest::newRow(name) << QString::fromUtf8(query) << QString::fromUtf8(scope) << count << small;
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT
private slots:
    void cases_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("scope");
        QTest::addColumn<int>("count"); // -1: some
        QTest::addColumn<bool>("small");
        row("nominal: phrase", "love one another", "The Bible", -1);
        row("nominal: all words in any order", "another love one", "The Bible", -1);
        row("nominal: Z is a letter of a word", "Zion love", "The Bible", 2);
        row("nominal: phrase with a separator", "love?", "The Bible", -1);
        row("nominal: book filter typed short", "love", "Gen", -1);
        row("nominal: reference in John and 1 John", "John 3:16", "The Bible", 2);
        row("nominal: reference in John only", "John 3:16", "John", 1);
        row("nominal: references 3:1 and 3:10 to 3:19", "John 3:1", "The Bible", 22);
        row("nominal: é matches É", "café", "Job", 2, true);
        row("nominal: Æ matches æ", "ÆSIR", "Job", 2, true);
        row("nominal: accented letter splits words", "jésus love", "Job", 1, true);
        row("nominal: no capital in the code page stays as it is", "µ ƒ", "job", 1, true);
        row("robustness: book filter is case-sensitive", "love", "genesis", 0);
        row("robustness: empty book filter restricts nothing", "love", "", -1);
        row("robustness: separator as scope", "love", "***************", 0);
        row("robustness: character outside the code page", "Ω love", "Ruth", -1);
        row("robustness: only spaces list every line", "   ", "Jude", 25);
        row("robustness: empty line is never listed", ":", "", 5, true);
        row("robustness: phrase at a later place of its words", "love one", "Job", 1, true);
        row("robustness: a match at the very first byte of the text", "genesis", "Genesis", 1533);
        row("robustness: a later word at the very first byte", "æsir job", "Job", 2, true);
    }
    void cases() {
        QFETCH(QString, query);
        QFETCH(QString, scope);
        QFETCH(int, count);
        QFETCH(bool, small);
        static const QStringList smallLines = testfiles::linesOf(smallText());
        const VerseText& text = small ? smallText() : testfiles::bible().text;
        const QStringList found = search::resultLines(text, search::run(text, query, scope).lines);
        const QStringList& lines = small ? smallLines : testfiles::bible().lines;
        QCOMPARE(found, naive::search(lines, query, scope).lines);
        QVERIFY(count < 0 ? !found.isEmpty() : found.size() == count);
    }

    // From a terminal: the lines as the list shows them, in UTF-8, one a line, or their number,
    // and grep's exit status; with no Bible.dat, or output that cannot be written, the reason.
    void commandLineSearch() {
        QTemporaryDir folder;
        const ProgramFolder programFolder(folder.path());
        FileSystem files;
        QByteArray output;
        bool writable = true;
        const search::Output out = [&](QByteArrayView bytes) { return output += bytes, writable; };
        const auto status = [&](const search::CommandSearch& asked) {
            output.clear();
            return search::searchFromCommandLine(files, programFolder, asked, out).exitStatus;
        };
        QCOMPARE(status({"love"}), search::kExitTrouble);
        QVERIFY(
            testfiles::put(folder.filePath("Bible.dat"), "Job 1:1  Caf\xe9 love\r\nJob 1:2  Love"));
        QCOMPARE(status({"love"}), search::kExitFound);
        QCOMPARE(output, "Job 1:1  Caf\xc3\xa9 love\nJob 1:2  Love\n");
        QCOMPARE(status({"café", "Job", true}), search::kExitFound);
        QCOMPARE(output, "1\n");
        QCOMPARE(status({"love", "Jude"}), search::kExitNothingFound);
        QCOMPARE(output, "");
        // Saved as UTF-8 with its mark, read whole as the window reads it; empty, nothing found.
        QVERIFY(
            testfiles::put(folder.filePath("Bible.dat"), "\xEF\xBB\xBFJob 1:1  Caf\xC3\xA9\r\n"));
        QCOMPARE(status({"café"}), search::kExitFound);
        QCOMPARE(output, "Job 1:1  Caf\xC3\xA9\n");
        QVERIFY(testfiles::put(folder.filePath("Bible.dat"), ""));
        QCOMPARE(status({"love"}), search::kExitNothingFound);
        // A line of one byte above ASCII is decoded too; an output of many blocks comes whole.
        QVERIFY(testfiles::put(folder.filePath("Bible.dat"),
                               "\x80\r\n" + QByteArray("Job 1:1  love\r\n").repeated(5000)));
        QCOMPARE(status({"\u20AC"}), search::kExitFound);
        QCOMPARE(output, "\xE2\x82\xAC\n");
        QCOMPARE(status({"love"}), search::kExitFound);
        QCOMPARE(output.size(), 5000 * 14);
        // Read in pieces: the words' lines of every piece count until a piece holds the phrase,
        // whose lines alone are then the result, those of later pieces too.
        const QByteArray words = QByteArray("Job 1:1  one another, love\n").repeated(100000);
        QVERIFY(testfiles::put(folder.filePath("Bible.dat"), words));
        QCOMPARE(status({"love one another", "Job"}), search::kExitFound);
        QCOMPARE(output, words); // with LF alone, a piece cut short of its line feed would show
        QVERIFY(testfiles::put(folder.filePath("Bible.dat"),
                               words + "Job 1:2  love one another\r\n" + words + "Z"));
        QCOMPARE(status({"love one another"}), search::kExitFound);
        QCOMPARE(output, "Job 1:2  love one another\n");
        QCOMPARE(status({"love one another", "Job", true}), search::kExitFound);
        QCOMPARE(output, "1\n");
        // A piece is passed over only when it cannot hold what is looked for: here a last line
        // of one byte, without a break, of a letter the first piece lacks.
        QCOMPARE(status({"z", shell::kTheBible, true}), search::kExitFound);
        QCOMPARE(output, "1\n");
        // A line longer than several pieces comes whole, and so does the line after it.
        const QByteArray longLine = "Job 1:1  " + QByteArray(200000, 'x') + " love";
        QVERIFY(testfiles::put(folder.filePath("Bible.dat"), longLine + "\r\nJob 1:2  love\r\n"));
        QCOMPARE(status({"love", "Job"}), search::kExitFound);
        QCOMPARE(output, longLine + "\nJob 1:2  love\n");
        writable = false;
        QCOMPARE(status({"love"}), search::kExitTrouble);
    }

    // Leaving the search box or picking a book searches only once both boxes are filled in,
    // compared as they stand; the query, each line break a space, is then trimmed of spaces.
    void readyToSearch_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("searched"); // null: not ready
        const QString prompt = shell::kSearchPrompt;
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
        QCOMPARE(search::statusBeforeSearch(shell::kSelectBook), search::kChooseWhereHint);
        QCOMPARE(search::statusBeforeSearch(QStringLiteral("John")), QString());
        QCOMPARE(search::foundSummary(0, QStringLiteral("xyzzy")),
                 u"No verse holds \u201Cxyzzy\u201D");
        QCOMPARE(search::foundSummary(1, {}), QStringLiteral("1 verse"));
        QCOMPARE(search::foundSummary(2, {}), QStringLiteral("2 verses"));
    }

    // Random short texts over a small alphabet put the pattern at every place of the vector
    // blocks, across the window's ends, and absent, for every unit this machine runs; the padded
    // find reads past the end into bytes that hold the pattern too, and must not report them.
    // Every other text keeps its letters as written, in either case, é among them, and must be
    // found as its upper-cased copy is.
    void byteFinderMatchesPlainFind() {
        using Unit = ByteFinder::Unit;
        QRandomGenerator random(7);
        const auto letter = [&](int letters) {
            return "ab\xe9"
                   "d"[random.bounded(letters)];
        };
        for (int trial = 0; trial < 20000; ++trial) {
            const bool asWritten = trial % 2 == 1;
            QByteArray text(random.bounded(200), Qt::Uninitialized);
            for (char& byte : text)
                byte = char(letter(3) & (asWritten && random.bounded(2) ? ~0x20 : ~0));
            QByteArray pattern(1 + random.bounded(6), Qt::Uninitialized);
            for (char& byte : pattern)
                byte = asWritten ? char(scripture::upperByte(uchar(letter(4)))) : letter(4);
            QByteArray upper = text;
            for (char& byte : upper)
                byte = asWritten ? char(scripture::upperByte(uchar(byte))) : byte;
            const qsizetype from = text.isEmpty() ? 0 : random.bounded(int(text.size()));
            const qsizetype end = from + random.bounded(int(text.size() - from) + 1);
            std::array<qsizetype, 256> counts{};
            for (const char byte : upper)
                ++counts[static_cast<unsigned char>(byte)];
            const std::string_view window(upper.constData() + from, std::size_t(end - from));
            const std::size_t at =
                window.find(std::string_view(pattern.constData(), pattern.size()));
            const qsizetype expected = at == std::string_view::npos ? -1 : from + qsizetype(at);
            const QByteArray padded = text.first(end) + pattern.repeated(ByteFinder::kPadding);
            const auto held =
                asWritten ? ByteFinder::Letters::AsWritten : ByteFinder::Letters::UpperCased;
            for (const Unit unit : {Unit::Bytes, Unit::Sse2, Unit::Avx2, Unit::Avx512}) {
                if (!vectorunit::runs(unit))
                    continue;
                const ByteFinder finder(pattern, counts, unit, held);
                QCOMPARE(finder.find(text.constData(), from, end), expected);
                QCOMPARE(finder.findPadded(padded.constData(), from, end), expected);
            }
        }
        // Places both bytes pick out, taken as independent: the search scans for the fewest first.
        std::array<qsizetype, 256> counts{};
        counts['A'] = 60, counts['B'] = 30, counts['C'] = 10;
        QCOMPARE(ByteFinder("BA", counts).expectedCandidates(1000), 1000 * 0.3 * 0.6);
        QCOMPARE(ByteFinder("C", counts).expectedCandidates(1000), 1000 * 0.1);
    }
};

QTEST_GUILESS_MAIN(TestSearch)
#include "tst_search.moc"
