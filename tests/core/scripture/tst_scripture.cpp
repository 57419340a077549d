#include "scripture/bookcatalogue.h"
#include "scripture/resultline.h"
#include "scripture/scripturetext.h"
#include "scripture/uppercase.h"
#include "storage/filesystem.h"
#include "support/faultyfilesystem.h"
#include "support/testfiles.h"
#include "text/codepage.h"

#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kBible = QStringLiteral(VELLUMARK_TEST_BIBLE);

using testfiles::linesOf;
using testfiles::put;

} // namespace

class TestScripture : public QObject {
    Q_OBJECT
private slots:
    // The prefix search relies on no book name being the start of another.
    void catalogue() {
        for (const auto& book : scripture::catalogue())
            for (const auto& other : scripture::catalogue())
                QVERIFY(&other == &book || !QByteArray(other.name).startsWith(book.name));
        for (const char* notABook : {"***************", "Books", "genesis", " Genesis", ""})
            QCOMPARE(scripture::chapterCount(QString::fromLatin1(notABook)), std::nullopt);
        const QStringList books = scripture::bookList();
        QCOMPARE(books.size(), 67);
        QCOMPARE(books.indexOf(scripture::kBookListSeparator), 39);
    }

    // Every chapter against a line-by-line reading of the file, and prefixes that name no
    // chapter; the settled file itself is read once.
    void chaptersMatchFullRescan() {
        const QStringList& lines = testfiles::bible().lines;
        QVERIFY(!lines.isEmpty());
        QHash<QString, QString> expected; // each chapter as a line-by-line reading builds it
        for (const QString& line : lines) {
            const QString prefix = line.left(line.indexOf(QLatin1Char(':')) + 1);
            expected[prefix] += QString(line).remove(prefix) + QStringLiteral("\r\n\r\n");
        }
        FaultyFileSystem files;
        int reads = 0;
        files.afterRead = [&reads] { ++reads; };
        ScriptureText scripture(files, kBible);
        for (const scripture::Book& book : scripture::catalogue()) {
            for (int chapter = 1; chapter <= book.chapters; ++chapter) {
                const QString prefix = QStringLiteral("%1 %2:").arg(book.name).arg(chapter);
                QVERIFY(!expected.value(prefix).isEmpty());
                QCOMPARE(scripture.chapterText(prefix), expected.value(prefix));
            }
        }
        for (const char* none : {"*************** 1:", "Books Chapter:", "Jude 2:", "genesis 1:"})
            QCOMPARE(scripture.chapterText(QString::fromLatin1(none)), QString());
        QCOMPARE(reads, 1);
        QCOMPARE(linesOf(scripture.text()), lines);
        // Read a stretch at a time from the file, as the program reads it, the text is the same.
        const std::optional<VerseText> direct = VerseText::readFile(kBible);
        QVERIFY(direct && direct->upperBytes() == scripture.text().upperBytes());
        QCOMPARE(linesOf(*direct), lines);
        for (const scripture::Book& book : scripture::catalogue())
            QVERIFY(direct->linesBeginningWith(QByteArrayView(book.name)) ==
                    scripture.text().linesBeginningWith(QByteArrayView(book.name)));
    }

    void smallFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("chapter");
        const auto row = [](const char* name, const QByteArray& bytes, const QString& prefix,
                            const QString& chapter) {
            QTest::newRow(name) << bytes << prefix << chapter;
        };
        row("nominal: last line without a line break", "Jude 1:1  a\r\nJude 1:2  b",
            "Jude 1:", "1  a\r\n\r\n2  b\r\n\r\n");
        row("nominal: every occurrence of the prefix goes", "Job 1:1  see Job 1:2\r\n",
            "Job 1:", "1  see 2\r\n\r\n");
        row("nominal: lines apart from each other, in file order",
            "Job 1:1  a\r\nJob 2:1  b\r\nJob 1:2  c\r\n", "Job 1:", "1  a\r\n\r\n2  c\r\n\r\n");
        row("nominal: accented text decoded", "Job 1:1  caf\xe9 \x93q\x94\r\n",
            "Job 1:", QString::fromUtf8("1  café “q”\r\n\r\n"));
        row("robustness: bytes Windows-1252 leaves undefined", "J\xe9sus \x80 \xe6\xff\x81\r\n",
            "J", QString::fromUtf8("ésus € æÿ\u0081\r\n\r\n"));
        row("robustness: prefix not in Windows-1252", "Job 1:1  a\r\n", QString::fromUtf8("Jōb 1:"),
            "");
        row("robustness: prefix longer than the line", "Job 1:1\r\nJob", "Job 1:1  more", "");
        row("robustness: bare LF and lone CR", "a\nb\rc\r\r\nd\r\n", "b", "\rc\r\r\n\r\n");
        row("robustness: empty lines", "\r\n\r\na\r\n\r\n", "a", "\r\n\r\n");
        row("robustness: empty file", QByteArray(), "a", "");
    }

    // The lines as the file layer reads them, and the chapter of the prefix.
    void smallFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, prefix);
        QFETCH(QString, chapter);
        const QString path = m_dir.filePath(QStringLiteral("small.dat"));
        QVERIFY(put(path, bytes));
        FileSystem files;
        ScriptureText scripture(files, path);
        QVERIFY(scripture.refresh());
        QStringList expected;
        QVERIFY(files.readLines(path, expected).ok);
        QCOMPARE(linesOf(scripture.text()), expected);
        QCOMPARE(scripture.chapterText(prefix), std::optional<QString>(chapter));
    }

    // A text saved as UTF-8 with a byte-order mark reads as the same text in Windows-1252: the
    // mark does not belong to the first line. A character without a Windows-1252 byte shows as "?",
    // also one the codec would leave out (U+FEFF, U+200B); a control character stays itself.
    void utf8FileWithMarkReadsAsWindows1252() {
        const QString text = QStringLiteral("Genesis 1:1  \u03B2 and \U0001F54A\uFEFF\x1A\u200B\r\n"
                                            "Genesis 1:2  C\u00E6sar \u201Cq\u201D\U0001F54A");
        const QByteArray windows1252(
            "Genesis 1:1  ? and ??\x1A?\r\nGenesis 1:2  C\xE6sar \x93q\x94?");
        const QString path = m_dir.filePath(QStringLiteral("utf8.dat"));
        QVERIFY(put(path, "\xEF\xBB\xBF" + text.toUtf8()));
        FileSystem files;
        ScriptureText fromUtf8(files, path);
        const VerseText plain(windows1252);
        QVERIFY(fromUtf8.refresh());
        QCOMPARE(linesOf(fromUtf8.text()), linesOf(plain));
        QCOMPARE(fromUtf8.text().upperBytes(), plain.upperBytes());
        QCOMPARE(fromUtf8.chapterText(QStringLiteral("Genesis 1:")),
                 plain.chapterText(QStringLiteral("Genesis 1:")));
    }

    // Random texts of every length around the vector blocks and the line table's blocks, with
    // breaks, capitals, accented and undefined bytes anywhere, or lines of books, chapters and
    // verses: the lines, the line of each place, the lines that begin with the start of one of
    // them, the upper-cased copy and its byte counts as a plain reading finds them, whichever
    // vector unit indexed them.
    void generatedTextsMatchAPlainReading() {
        QRandomGenerator random(11);
        const QByteArray alphabet("aAzZ{` \r\n:1\x80\x9a\xe9\xff");
        const QByteArrayList books{"A", "Ab", "Ab 2", "A book name longer than sixteen"};
        for (int trial = 0; trial < 3000; ++trial) {
            QByteArray bytes(random.bounded(trial % 8 == 0 ? 5000 : 150), Qt::Uninitialized);
            for (char& byte : bytes)
                byte = alphabet.at(random.bounded(int(alphabet.size())));
            QByteArray book = books.first(); // mostly the book of the line before
            for (qsizetype lineStart = 0; trial % 2 == 1 && lineStart >= 0;) {
                if (random.bounded(4) == 0)
                    book = books.at(random.bounded(int(books.size())));
                bytes.insert(lineStart,
                             book + ' ' + QByteArray::number(random.bounded(1, 999)) + ':');
                const qsizetype lineFeed = bytes.indexOf('\n', lineStart);
                lineStart = lineFeed < 0 ? -1 : lineFeed + 1;
            }
            const QStringList expected = FileSystem::splitLines(codepage::decodeWindows1252(bytes));
            std::array<qsizetype, 256> counts{};
            QByteArray upper = bytes;
            for (char& byte : upper) {
                byte = char(scripture::upperByte(uchar(byte)));
                ++counts[uchar(byte)];
            }
            std::optional<VerseText> text(std::in_place, bytes, VectorUnit(trial % 4));
            QCOMPARE(linesOf(*text), expected);
            QCOMPARE(text->upperBytes(), QByteArrayView(upper));
            for (std::size_t byte = 0; byte < 256; ++byte) // those below 0x80 are estimated
                QVERIFY(byte < 0x80 ? text->upperByteCounts()[byte] > 0
                                    : text->upperByteCounts()[byte] == counts[byte]);
            if (expected.isEmpty())
                continue;
            qsizetype line = 0; // the last line that starts at or before the place
            for (qsizetype place = 0; place < bytes.size(); ++place) {
                while (line + 1 < text->lineCount() && text->lineStart(line + 1) <= place)
                    ++line;
                const qsizetype from = random.bounded(int(line) + 1); // a line at or before
                const VerseText::LineHolding holding =
                    text->lineHolding(place, text->lineStart(from), from);
                QCOMPARE(holding.line, line);
                QCOMPARE(holding.start, text->lineStart(line));
                QCOMPARE(holding.end, text->lineEnd(line));
                QCOMPARE(holding.next,
                         line + 1 < text->lineCount() ? text->lineStart(line + 1) : bytes.size());
            }
            const QByteArray prefix = bytes.mid(
                text->lineStart(random.bounded(int(text->lineCount()))), random.bounded(13));
            QList<qsizetype> beginning, found;
            for (qsizetype i = 0; i < text->lineCount(); ++i)
                if (bytes.first(text->lineEnd(i)).sliced(text->lineStart(i)).startsWith(prefix))
                    beginning.append(i);
            for (const VerseText::LineRun& run : text->linesBeginningWith(prefix))
                for (qsizetype i = run.first; i < run.last; ++i)
                    found.append(i);
            QCOMPARE(found, beginning);
        }
    }

    // The file changed, unreadable, then gone between two loads.
    void reloadsWhenFileChanges() {
        const QString path = m_dir.filePath(QStringLiteral("changing.dat"));
        QVERIFY(put(path, "Job 1:1  old\r\n"));
        FaultyFileSystem files;
        ScriptureText scripture(files, path);
        QCOMPARE(scripture.chapterText(QStringLiteral("Job 1:")), QStringLiteral("1  old\r\n\r\n"));

        // Same size, and the modification time put back as it was: still seen as changed.
        const QDateTime modified = QFileInfo(path).lastModified();
        QVERIFY(put(path, "Job 1:1  new\r\n"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(scripture.chapterText(QStringLiteral("Job 1:")), QStringLiteral("1  new\r\n\r\n"));
        QCOMPARE(linesOf(scripture.text()), QStringList{QStringLiteral("Job 1:1  new")});

        QVERIFY(put(path, "Job 1:1  longer now\r\nJob 1:2  b\r\n"));
        QCOMPARE(scripture.text().lineCount(), 1); // lines are as of the last refresh
        QVERIFY(scripture.refresh());
        QCOMPARE(scripture.text().lineCount(), 2);

        files.failRead = [](const QString&) { return true; };
        QVERIFY(put(path, "Job 1:1  b\r\n"));
        QCOMPARE(scripture.chapterText(QStringLiteral("Job 1:")), std::nullopt);
        QCOMPARE(scripture.text().lineCount(), 0);

        files.failRead = [](const QString&) { return false; };
        QVERIFY(QFile::remove(path));
        QVERIFY(!scripture.refresh());
        QCOMPARE(scripture.chapterText(QStringLiteral("Job 1:")), std::nullopt);
        QCOMPARE(scripture.text().lineCount(), 0);
    }

    // Every byte, the five Windows-1252 leaves undefined too, reads as a character that is
    // written back as the same byte, and upper-cases within the code page.
    void upperCasingCoversWindows1252() {
        for (int byte = 0; byte < 256; ++byte) {
            const QChar ch = codepage::fromWindows1252(uchar(byte));
            QCOMPARE(codepage::encodeWindows1252(QStringView(&ch, 1)), QByteArray(1, char(byte)));
            const QChar upper = scripture::upperChar(ch);
            QVERIFY2(codepage::fitsWindows1252(QStringView(&upper, 1)), qPrintable(QString(ch)));
            QCOMPARE(codepage::fromWindows1252(scripture::upperByte(uchar(byte))), upper);
            if (upper != ch)
                QVERIFY(ch.isLower() && upper.isUpper());
        }
        QCOMPARE(scripture::upperCase(QString::fromUtf8("jésus æble ÿ œ š ß µ ƒ")),
                 QString::fromUtf8("JÉSUS ÆBLE Ÿ Œ Š ß µ ƒ"));
    }

    // Opening a result line: the reference ends at the first two spaces, the prefix at the first
    // colon; a verse no longer in its chapter (the file changed since the search) opens at 0.
    void resultLine() {
        const auto reference = scripture::referenceOf(QStringLiteral("Job 3:1  After this: Job"));
        QCOMPARE(reference->prefix, QStringLiteral("Job 3:"));
        QCOMPARE(reference->book + '|' + reference->chapter, QStringLiteral("Job|3"));
        QVERIFY(!scripture::referenceOf(QStringLiteral("Click verse to view chapter.")));
        QVERIFY(!scripture::referenceOf(QStringLiteral("abc  def: x")));
        const QString chapter = QStringLiteral("1  In the beginning\r\n\r\n2  And\r\n\r\n");
        const QString prefix = QStringLiteral("Job 1:");
        QCOMPARE(scripture::verseOffset(chapter, QStringLiteral("Job 1:9  Gone"), prefix), 0);
        QCOMPARE(scripture::verseOffset(chapter, QStringLiteral("Job 1:2  And"), prefix), 23);
        for (const char* line : {"Song of Solomon 2:4  He", "1 John 4:8  He"}) {
            const auto found = scripture::referenceOf(QString::fromLatin1(line));
            const QString text = QString::fromLatin1(line).section(QStringLiteral(":"), 1);
            QCOMPARE(found->prefix + text, QString::fromLatin1(line));
            QCOMPARE(found->book + ' ' + found->chapter + ':', found->prefix);
            QCOMPARE(scripture::verseOffset("0  x\r\n\r\n" + text, line, found->prefix), 8);
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestScripture)
#include "tst_scripture.moc"
