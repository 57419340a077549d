#include "scripture/resultline.h"

#include <QTest>

class TstResultLine : public QObject {
    Q_OBJECT
private slots:
    void referenceOfLine_data();
    void referenceOfLine();
    void verseOffsetInChapter_data();
    void verseOffsetInChapter();
};

void TstResultLine::referenceOfLine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("isVerse");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("book");
    QTest::addColumn<QString>("chapter");
    QTest::newRow("nominal: one-word book")
        << "Genesis 1:1  In the beginning" << true << "Genesis 1:"
        << "Genesis"
        << "1";
    QTest::newRow("nominal: name with spaces")
        << "Song of Solomon 2:3  As the apple tree: " << true << "Song of Solomon 2:"
        << "Song of Solomon"
        << "2";
    QTest::newRow("nominal: name with a digit")
        << "1 John 5:7  For there are three" << true << "1 John 5:"
        << "1 John"
        << "5";
    QTest::newRow("nominal: three-digit chapter")
        << "Psalms 119:176  I have gone astray" << true << "Psalms 119:"
        << "Psalms"
        << "119";
    QTest::newRow("nominal: colon in the verse text stays out")
        << "Job 3:1  After this: Job" << true << "Job 3:"
        << "Job"
        << "3";
    QTest::newRow("robustness: the list's hint") << "Click verse to view chapter." << false << ""
                                                 << ""
                                                 << "";
    QTest::newRow("robustness: two spaces but no colon") << "abc  def: x" << false << ""
                                                         << ""
                                                         << "";
    QTest::newRow("robustness: empty line") << "" << false << ""
                                            << ""
                                            << "";
    QTest::newRow("robustness: no space before the chapter") << "Job3:1  x" << true << "Job3:"
                                                             << ""
                                                             << "Job3";
}

void TstResultLine::referenceOfLine() {
    QFETCH(QString, line);
    QFETCH(bool, isVerse);
    const std::optional<scripture::ResultReference> reference = scripture::referenceOf(line);
    QCOMPARE(reference.has_value(), isVerse);
    if (!reference)
        return;
    QTEST(reference->prefix, "prefix");
    QTEST(reference->book, "book");
    QTEST(reference->chapter, "chapter");
}

void TstResultLine::verseOffsetInChapter_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<qsizetype>("offset");
    const QString verse1 = QStringLiteral("1  In the beginning");
    QTest::newRow("nominal: first verse") << "Job 1:1  In the beginning" << qsizetype(0);
    QTest::newRow("nominal: second verse after the first and its line breaks")
        << "Job 1:2  And" << verse1.size() + 4;
    QTest::newRow("robustness: verse no longer in the chapter") << "Job 1:9  Gone" << qsizetype(0);
}

void TstResultLine::verseOffsetInChapter() {
    QFETCH(QString, line);
    QFETCH(qsizetype, offset);
    const QString chapter = QStringLiteral("1  In the beginning\r\n\r\n2  And\r\n\r\n");
    QCOMPARE(scripture::verseOffset(chapter, line, QStringLiteral("Job 1:")), offset);
}

QTEST_GUILESS_MAIN(TstResultLine)
#include "tst_resultline.moc"
