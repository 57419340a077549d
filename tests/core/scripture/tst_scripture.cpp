#include "scripture/bookcatalogue.h"
#include "scripture/bytepasses.h"
#include "scripture/chaptertext.h"
#include "scripture/resultline.h"
#include "scripture/scripturetext.h"
#include "scripture/textfile.h"
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

#include <algorithm>

namespace {

// The book of a line by the rule the index follows: before the last space ahead of the first
// colon, which lies within 64 bytes of the start.
QByteArray bookOf(QByteArrayView line) {
    const qsizetype colon = line.first(std::min<qsizetype>(line.size(), 64)).indexOf(':');
    const qsizetype space = colon < 0 ? -1 : line.first(colon).lastIndexOf(' ');
    return space < 0 ? QByteArray() : line.first(space).toByteArray();
}

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
            expected[prefix] += QString(line).remove(prefix) + "\r\n\r\n";
        }
        FaultyFileSystem files;
        int reads = 0;
        files.afterRead = [&reads] { ++reads; };
        ScriptureText scripture(files, kBible);
        for (const scripture::Book& book : scripture::catalogue()) {
            for (int chapter = 1; chapter <= book.chapters; ++chapter) {
                const QString prefix = QStringLiteral("%1 %2:").arg(book.name).arg(chapter);
                QVERIFY(!expected.value(prefix).isEmpty());
                QCOMPARE(scripture.chapter({QString::fromLatin1(book.name), chapter})->text,
                         expected.value(prefix));
            }
        }
        const scripture::ChapterPlace none[] = {
            {"***************", 1}, {"Books", 0}, {"Jude", 2}, {"genesis", 1}};
        for (const scripture::ChapterPlace& place : none)
            QVERIFY(scripture.chapter(place)->lines.empty());
        QCOMPARE(reads, 1);
        QCOMPARE(linesOf(scripture.text()), lines);
        // Read a stretch at a time from the file, as the program reads it, the text is the same.
        const std::optional<VerseText> direct = scripture::readVerseText(kBible);
        QVERIFY(direct);
        QCOMPARE(QByteArrayView(direct->data(), direct->size()), testfiles::bytesOf(kBible));
        QCOMPARE(linesOf(*direct), lines);
        // A file whose size is not known (0, as the system gives some) is read to its end.
        QVERIFY(scripture::readVerseText("/proc/self/status")->size() > 0);
        // A file longer than a line's start can tell (a hole, taking no room) is not read at all.
        const QTemporaryDir dir;
        QFile huge(dir.filePath("Bible.dat"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(bytepasses::kLargestText + 1));
        huge.close();
        QVERIFY(!scripture::readVerseText(huge.fileName()));
        // A file read 256 KiB at a time whose last read brings one byte is read whole, and the
        // bytes are followed by zeros.
        QByteArray stretches(256 * 1024 + 1, 'a');
        for (qsizetype at = 99; at < stretches.size(); at += 100)
            stretches[at] = '\n';
        QVERIFY(files.writeAll(dir.filePath("stretches.dat"), stretches).ok);
        const std::optional<VerseText> read =
            scripture::readVerseText(dir.filePath("stretches.dat"));
        QCOMPARE(QByteArrayView(read->data(), read->size()), stretches);
        const QByteArrayView padding(read->data() + read->size(), VerseText::kPadding);
        QVERIFY(std::all_of(padding.begin(), padding.end(), [](char byte) { return byte == 0; }));
        for (const scripture::Book& book : scripture::catalogue())
            QVERIFY(direct->linesOfBook(QByteArrayView(book.name)) ==
                    scripture.text().linesOfBook(QByteArrayView(book.name)));
    }

    void smallFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("chapter");
        const auto row = [](const char* name, const QByteArray& bytes, const char* book,
                            const QString& chapter) {
            QTest::newRow(name) << bytes << QString::fromUtf8(book) << chapter;
        };
        row("nominal: last line without a line break", "Jude 1:1  a\r\nJude 1:2  b", "Jude",
            "1  a\r\n\r\n2  b\r\n\r\n");
        row("nominal: every occurrence of the prefix goes", "Job 1:1  see Job 1:2\r\n", "Job",
            "1  see 2\r\n\r\n");
        row("nominal: lines apart from each other, in file order",
            "Job 1:1  a\r\nJob 2:1  b\r\nJob 1:2  c\r\n", "Job", "1  a\r\n\r\n2  c\r\n\r\n");
        row("nominal: accented text decoded", "Job 1:1  caf\xe9 \x93q\x94\r\n", "Job",
            QString::fromUtf8("1  café “q”\r\n\r\n"));
        row("nominal: UTF-8 after its mark, which begins no line",
            "\xEF\xBB\xBFJob 1:1  \xCE\xB2\xCE\xB1 \xF0\x9F\x95\x8A\r\nJob 1:2  "
            "\xE2\x80\x9Cq\xE2\x80\x9D",
            "Job", QString::fromUtf8("1  βα 🕊\r\n\r\n2  “q”\r\n\r\n"));
        row("robustness: U+FEFF after the mark is a character of the verse",
            "\xEF\xBB\xBFJob 1:\xEF\xBB\xBF"
            "1 a",
            "Job", QStringLiteral("\uFEFF1 a\r\n\r\n"));
        row("robustness: bytes Windows-1252 leaves undefined",
            "Job 1:1 J\xe9sus \x80 \xe6\xff\x81\r\n", "Job",
            QString::fromUtf8("1 Jésus € æÿ\u0081\r\n\r\n"));
        row("robustness: book not in Windows-1252", "Job 1:1  a\r\n", "Jōb", "");
        row("robustness: a line that is only its prefix", "Job 1:\r\nJob", "Job", "\r\n\r\n");
        row("robustness: bare LF and lone CR", "Job 1:1 a\nJob 1:2 b\rc\r\r\nJob 1:3 d\r\n", "Job",
            "1 a\r\n\r\n2 b\rc\r\r\n\r\n3 d\r\n\r\n");
        row("robustness: empty lines", "\r\n\r\nJob 1:1  a\r\n\r\n", "Job", "1  a\r\n\r\n");
        row("robustness: empty file", QByteArray(), "Job", "");
        row("robustness: only a byte-order mark", "\xEF\xBB\xBF", "Job", "");
    }

    // The lines as the file layer reads them, and the first chapter of the book.
    void smallFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, book);
        QFETCH(QString, chapter);
        const QString path = m_dir.filePath("small.dat");
        QVERIFY(put(path, bytes));
        FileSystem files;
        ScriptureText scripture(files, path);
        QVERIFY(scripture.refresh());
        QStringList expected;
        QVERIFY(files.readLines(path, expected).ok);
        QCOMPARE(linesOf(scripture.text()), expected);
        QCOMPARE(scripture.chapter({book, 1})->text, chapter);
    }

    // Random texts of every length around the vector blocks and the line table's chunks, in
    // Windows-1252 or after a UTF-8 mark, indexed by each vector unit: lines, the line of each
    // place, the lines of each book and of a prefix are as a plain reading finds them.
    void generatedTextsMatchAPlainReading() {
        QRandomGenerator random(11);
        const QByteArray alphabet("aAzZ{` \r\n:1\x80\x9a\xe9\xff");
        const QByteArrayList books{"A", "Ab", "Ab 2", "A book name longer than sixteen"};
        for (int trial = 0; trial < 3000; ++trial) {
            QByteArray bytes(random.bounded(trial % 8 == 0 ? 9000 : 150), Qt::Uninitialized);
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
            if (trial % 5 == 0)
                bytes.prepend("\xEF\xBB\xBF");
            const qsizetype first = trial % 5 == 0 ? 3 : 0;
            const std::optional<VerseText> text(std::in_place, bytes, TextEncoding::Windows1252,
                                                VectorUnit(trial % 4));
            QCOMPARE(linesOf(*text), FileSystem::splitLines(FileSystem::decode(bytes)));
            for (const qsizetype count : text->byteCounts())
                QVERIFY(count > 0);
            if (text->lineCount() == 0)
                continue;
            qsizetype line = 0; // the last line that starts at or before the place
            for (qsizetype place = first; place < bytes.size(); ++place) {
                while (line + 1 < text->lineCount() && text->lineStart(line + 1) <= place)
                    ++line;
                QCOMPARE(text->lineAt(place, random.bounded(int(line) + 1)), line);
            }
            const auto linesIn = [](const std::vector<VerseText::LineRun>& runs) {
                QList<qsizetype> lines;
                for (const VerseText::LineRun& run : runs)
                    for (qsizetype i = run.first; i < run.last; ++i)
                        lines.append(i);
                return lines;
            };
            const QByteArray prefix = bytes.mid(
                text->lineStart(random.bounded(int(text->lineCount()))), random.bounded(13));
            QList<qsizetype> beginning;
            QHash<QByteArray, QList<qsizetype>> ofBook;
            for (qsizetype i = 0; i < text->lineCount(); ++i) {
                const QByteArrayView lineBytes = text->lineBytes(i);
                QCOMPARE(lineBytes,
                         QByteArrayView(bytes).sliced(text->lineStart(i), lineBytes.size()));
                if (lineBytes.startsWith(prefix))
                    beginning.append(i);
                ofBook[bookOf(lineBytes)].append(i);
            }
            QCOMPARE(linesIn(text->linesBeginningWith(prefix)), beginning);
            for (const QByteArray& name : books + QByteArrayList{"", "Ab 2 3"})
                QCOMPARE(linesIn(text->linesOfBook(name)), ofBook.value(name));
        }
    }

    // The file changed, unreadable, then gone between two loads.
    void reloadsWhenFileChanges() {
        const QString path = m_dir.filePath("changing.dat");
        QVERIFY(put(path, "Job 1:1  old\r\n"));
        FaultyFileSystem files;
        ScriptureText scripture(files, path);
        const scripture::ChapterPlace job1{"Job", 1};
        QCOMPARE(scripture.chapter(job1)->text, "1  old\r\n\r\n");
        // Same size, and the modification time put back as it was: still seen as changed.
        const QDateTime modified = QFileInfo(path).lastModified();
        QVERIFY(put(path, "Job 1:1  new\r\n"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(modified, QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(scripture.chapter(job1)->text, "1  new\r\n\r\n");
        QCOMPARE(linesOf(scripture.text()), QStringList{"Job 1:1  new"});
        // Lines are as of the last refresh; a file that cannot be read, or is gone, holds none.
        QVERIFY(put(path, "Job 1:1  longer now\r\nJob 1:2  b\r\n"));
        QCOMPARE(scripture.text().lineCount(), 1);
        QVERIFY(scripture.refresh());
        QCOMPARE(scripture.text().lineCount(), 2);
        files.failRead = [](const QString&) { return true; };
        QVERIFY(put(path, "Job 1:1  b\r\n"));
        QVERIFY(!scripture.chapter(job1));
        QCOMPARE(scripture.text().lineCount(), 0);
        files.failRead = [](const QString&) { return false; };
        QVERIFY(QFile::remove(path));
        QVERIFY(!scripture.refresh());
        QVERIFY(!scripture.chapter(job1));
        QCOMPARE(scripture.text().lineCount(), 0);
        // Another text, as another translation is picked, a read of the first under way.
        QVERIFY(put(path, "Job 1:1  first\r\n") &&
                put(path + "2", "\xEF\xBB\xBFJob 1:1  \xCE\xB1\n"));
        scripture.startLoading();
        QVERIFY(scripture.readFrom(path + "2"));
        QCOMPARE(scripture.chapter(job1)->text, "1  \u03B1\r\n\r\n");
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

    // Opening a result line: the reference ends at the first two spaces, the chapter at the first
    // colon, the verse's digits after it; the chapter shown finds the line and the verse.
    void resultLine() {
        const VerseText text(QByteArray("Job 3:1  After this: Job\r\n"
                                        "Click verse to view chapter.\r\n"
                                        "abc  def: x\r\n"
                                        "Song of Solomon 2:4  He\r\n"
                                        "1 John 4:8a  He\r\n"
                                        "Job 3:19  And\r\n"
                                        "Job x:1  no\r\n"
                                        "Job 3:2a  or\r\n"));
        const auto place = [&](qsizetype line) { return scripture::versePlaceOf(text, line); };
        QCOMPARE(place(0), (scripture::VersePlace{{"Job", 3}, 1}));
        QVERIFY(!place(1) && !place(2) && !place(6));
        QCOMPARE(place(3), (scripture::VersePlace{{"Song of Solomon", 2}, 4}));
        QCOMPARE(place(4), (scripture::VersePlace{{"1 John", 4}, 8}));
        QCOMPARE(place(5), (scripture::VersePlace{{"Job", 3}, 19}));
        const scripture::ChapterText job3 = scripture::chapterText(text, {"Job", 3});
        QCOMPARE(job3.text, "1  After this: Job\r\n\r\n19  And\r\n\r\n2a  or\r\n\r\n");
        QCOMPARE(job3.offsetOfLine(5), 22);
        QCOMPARE(job3.offsetOfVerse(19), 22);
        QCOMPARE(job3.lines.back().verse, 0);
        QCOMPARE(job3.offsetOfVerse(2), std::nullopt);
        QCOMPARE(job3.offsetOfLine(3), std::nullopt);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestScripture)
#include "tst_scripture.moc"
