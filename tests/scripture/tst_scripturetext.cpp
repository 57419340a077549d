#include "app/codepage.h"
#include "app/filesystem.h"
#include "naivescan.h"
#include "scripture/bookcatalogue.h"
#include "scripture/scripturetext.h"
#include "scripture/uppercase.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kBible = QStringLiteral(VELLUMARK_TEST_BIBLE);

// A file layer whose reads can be made to fail, as for a file without read permission.
class UnreadableFiles : public FileSystem {
public:
    bool failRead = false;
    mutable int reads = 0;
    BytesResult readBytes(const QString& path) const override {
        ++reads;
        if (failRead)
            return {false, {}, QStringLiteral("Permission denied")};
        return FileSystem::readBytes(path);
    }
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TstScriptureText : public QObject {
    Q_OBJECT
private slots:
    void chapterOfRealText_data();
    void chapterOfRealText();
    void chaptersMatchFullRescan();
    void linesMatchFileLayer_data();
    void linesMatchFileLayer();
    void chapterOfSmallFile_data();
    void chapterOfSmallFile();
    void reloadsWhenFileChanges();
    void settledFileIsReadOnce();
    void missingOrUnreadableFileGivesNothing();
    void upperCasingCoversWindows1252();

private:
    QTemporaryDir m_dir;
};

void TstScriptureText::chapterOfRealText_data() {
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("verses");
    QTest::addColumn<QString>("mustNotHold");
    QTest::newRow("nominal: Genesis 1 is not 10 to 19") << "Genesis 1:" << 31 << "Genesis 1";
    QTest::newRow("nominal: John 3 holds no line of 1 John") << "John 3:" << 36 << "John 3:";
    QTest::newRow("nominal: 1 John 3") << "1 John 3:" << 24 << "1 John";
    QTest::newRow("nominal: name with spaces") << "Song of Solomon 2:" << 17 << "Song of";
    QTest::newRow("nominal: Psalms 119") << "Psalms 119:" << 176 << "Psalms";
    QTest::newRow("robustness: separator names no book") << "*************** 1:" << 0 << "";
    QTest::newRow("robustness: initial combo texts") << "Books Chapter:" << 0 << "";
    QTest::newRow("robustness: chapter beyond the book") << "Jude 2:" << 0 << "";
    QTest::newRow("robustness: lower-case book") << "genesis 1:" << 0 << "";
}

void TstScriptureText::chapterOfRealText() {
    QFETCH(QString, prefix);
    QFETCH(int, verses);
    QFETCH(QString, mustNotHold);
    FileSystem files;
    ScriptureText scripture(files, kBible);
    const std::optional<QString> text = scripture.chapterText(prefix);
    QVERIFY(text);
    QCOMPARE(text->count(QStringLiteral("\r\n")), 2 * verses);
    if (verses == 0)
        return;
    QVERIFY(text->startsWith(QStringLiteral("1  ")));
    QVERIFY(text->endsWith(QStringLiteral("\r\n\r\n")));
    QVERIFY(!text->contains(mustNotHold));
    QVERIFY(text->contains(QStringLiteral("\r\n\r\n%1  ").arg(verses)));
}

// Every 7th chapter of the whole text, and the first and last of each book, against a
// reader that rescans the file for each one.
void TstScriptureText::chaptersMatchFullRescan() {
    FileSystem files;
    ScriptureText scripture(files, kBible);
    int index = 0;
    for (const books::Book& book : books::catalogue()) {
        for (int chapter = 1; chapter <= book.chapters; ++chapter, ++index) {
            if (index % 7 != 0 && chapter != 1 && chapter != book.chapters)
                continue;
            const QString prefix = QStringLiteral("%1 %2:").arg(book.name).arg(chapter);
            const std::optional<QString> expected = naive::chapterText(kBible, prefix);
            QVERIFY(expected && !expected->isEmpty());
            QCOMPARE(scripture.chapterText(prefix), expected);
        }
    }
}

void TstScriptureText::linesMatchFileLayer_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("nominal: real text") << QByteArray();
    QTest::newRow("nominal: last line without a line break") << QByteArray("a 1:1  x\r\nb 1:1  y");
    QTest::newRow("robustness: bare LF and lone CR") << QByteArray("a\nb\rc\r\r\nd\r\n");
    QTest::newRow("robustness: empty lines") << QByteArray("\r\n\r\na\r\n\r\n");
    QTest::newRow("robustness: empty file") << QByteArray();
    QTest::newRow("nominal: accented bytes") << QByteArray("J\xe9sus \x80 \xe6\xff\x81\r\n");
}

void TstScriptureText::linesMatchFileLayer() {
    QFETCH(QByteArray, bytes);
    QString path = kBible;
    if (QByteArrayView(QTest::currentDataTag()) != "nominal: real text") {
        path = m_dir.filePath(QStringLiteral("lines.dat"));
        writeFile(path, bytes);
    }
    FileSystem files;
    ScriptureText scripture(files, path);
    QVERIFY(scripture.refresh());
    QStringList expected;
    naive::forEachLine(path, [&](const QString& line) { expected.append(line); });
    QCOMPARE(scripture.lines(), expected);
    QStringList fromFileLayer;
    files.readLines(path, fromFileLayer);
    QCOMPARE(scripture.lines(), fromFileLayer);
}

void TstScriptureText::chapterOfSmallFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nominal: last line without a line break")
        << QByteArray("Jude 1:1  a\r\nJude 1:2  b") << "Jude 1:"
        << "1  a\r\n\r\n2  b\r\n\r\n";
    QTest::newRow("nominal: every occurrence of the prefix goes")
        << QByteArray("Job 1:1  see Job 1:2\r\n") << "Job 1:"
        << "1  see 2\r\n\r\n";
    QTest::newRow("nominal: lines apart from each other, in file order")
        << QByteArray("Job 1:1  a\r\nJob 2:1  b\r\nJob 1:2  c\r\n") << "Job 1:"
        << "1  a\r\n\r\n2  c\r\n\r\n";
    QTest::newRow("nominal: accented text decoded")
        << QByteArray("Job 1:1  caf\xe9 \x93q\x94\r\n")
        << "Job 1:" << QString::fromUtf8("1  café “q”\r\n\r\n");
    QTest::newRow("robustness: lines shorter than the prefix, prefix of four bytes")
        << QByteArray("Ab\r\nAbcd 1:1  x\r\nAbc\r\nAbcd") << "Abcd"
        << " 1:1  x\r\n\r\n\r\n\r\n";
    QTest::newRow("robustness: prefix of three bytes")
        << QByteArray("Ab\r\nAbcd 1:1  x\r\nAbc\r\n") << "Abc"
        << "d 1:1  x\r\n\r\n\r\n\r\n";
    QTest::newRow("robustness: prefix not in Windows-1252")
        << QByteArray("Job 1:1  a\r\n") << QString::fromUtf8("Jōb 1:") << "";
    QTest::newRow("robustness: prefix longer than the line")
        << QByteArray("Job 1:1\r\nJob") << "Job 1:1  more"
        << "";
}

void TstScriptureText::chapterOfSmallFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, prefix);
    QFETCH(QString, expected);
    const QString path = m_dir.filePath(QStringLiteral("small.dat"));
    writeFile(path, bytes);
    FileSystem files;
    ScriptureText scripture(files, path);
    QCOMPARE(scripture.chapterText(prefix), std::optional<QString>(expected));
    QCOMPARE(scripture.chapterText(prefix), naive::chapterText(path, prefix));
}

void TstScriptureText::reloadsWhenFileChanges() {
    const QString path = m_dir.filePath(QStringLiteral("changing.dat"));
    writeFile(path, "Job 1:1  old\r\n");
    FileSystem files;
    ScriptureText scripture(files, path);
    QCOMPARE(scripture.chapterText(QStringLiteral("Job 1:")), QStringLiteral("1  old\r\n\r\n"));

    // Same size, and the modification time put back as it was: still seen as changed.
    const QDateTime modified = QFileInfo(path).lastModified();
    writeFile(path, "Job 1:1  new\r\n");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(scripture.chapterText(QStringLiteral("Job 1:")), QStringLiteral("1  new\r\n\r\n"));
    QCOMPARE(scripture.lines(), QStringList{QStringLiteral("Job 1:1  new")});

    writeFile(path, "Job 1:1  longer now\r\nJob 1:2  b\r\n");
    QCOMPARE(scripture.lines().size(), 1); // lines are as of the last refresh
    QVERIFY(scripture.refresh());
    QCOMPARE(scripture.lines().size(), 2);
}

void TstScriptureText::settledFileIsReadOnce() {
    UnreadableFiles files;
    ScriptureText scripture(files, kBible);
    QVERIFY(scripture.chapterText(QStringLiteral("Genesis 1:")));
    QVERIFY(scripture.chapterText(QStringLiteral("Genesis 2:")));
    QVERIFY(scripture.refresh());
    QCOMPARE(files.reads, 1);
}

void TstScriptureText::missingOrUnreadableFileGivesNothing() {
    const QString path = m_dir.filePath(QStringLiteral("vanishing.dat"));
    writeFile(path, "Job 1:1  a\r\n");
    UnreadableFiles files;
    ScriptureText scripture(files, path);
    QVERIFY(scripture.chapterText(QStringLiteral("Job 1:")));

    files.failRead = true;
    writeFile(path, "Job 1:1  b\r\n");
    QCOMPARE(scripture.chapterText(QStringLiteral("Job 1:")), std::nullopt);
    QVERIFY(scripture.lines().isEmpty());

    files.failRead = false;
    QVERIFY(QFile::remove(path));
    QVERIFY(!scripture.refresh());
    QCOMPARE(scripture.chapterText(QStringLiteral("Job 1:")), std::nullopt);
    QVERIFY(scripture.text().lineCount() == 0);
}

void TstScriptureText::upperCasingCoversWindows1252() {
    for (int byte = 0; byte < 256; ++byte) {
        const QChar ch = codepage::fromWindows1252(uchar(byte));
        const QChar upper = scripture::upperChar(ch);
        QVERIFY2(codepage::fitsWindows1252(QStringView(&upper, 1)), qPrintable(QString(ch)));
        QCOMPARE(codepage::fromWindows1252(scripture::upperByte(uchar(byte))), upper);
        if (upper != ch)
            QVERIFY(ch.isLower() && upper.isUpper());
    }
    QCOMPARE(scripture::upperCase(QString::fromUtf8("jésus æble ÿ œ š ß µ ƒ")),
             QString::fromUtf8("JÉSUS ÆBLE Ÿ Œ Š ß µ ƒ"));
}

QTEST_GUILESS_MAIN(TstScriptureText)
#include "tst_scripturetext.moc"
