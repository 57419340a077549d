#include "prefs/preferencesrecord.h"

#include <QTest>

using preferences::Style;

class TestPreferencesRecord : public QObject {
    Q_OBJECT
private slots:
    // The dialog takes the style word by equality, start-up by substring; for the four words
    // the program writes they agree.
    void styleWords_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("known");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("nominal: Regular") << "Regular" << true << false << false;
        QTest::newRow("nominal: Italic") << "Italic" << true << false << true;
        QTest::newRow("nominal: Bold") << "Bold" << true << true << false;
        QTest::newRow("nominal: Bold Italic") << "Bold Italic" << true << true << true;
        QTest::newRow("robustness: Italic Bold") << "Italic Bold" << false << true << true;
        QTest::newRow("robustness: lower case") << "bold" << false << false << false;
        QTest::newRow("robustness: empty") << "" << false << false << false;
    }
    void styleWords() {
        QFETCH(QString, word);
        QFETCH(bool, known);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        const std::optional<Style> chosen = preferences::styleFromWord(word);
        QCOMPARE(chosen.has_value(), known);
        const preferences::FontRequest atStart =
            preferences::requestFromLines({QStringLiteral("Arial"), word});
        QCOMPARE(atStart.bold, bold);
        QCOMPARE(atStart.italic, italic);
        if (chosen) {
            QCOMPARE(chosen->bold, bold);
            QCOMPARE(chosen->italic, italic);
        }
    }

    void everyListedValueReadsBack() {
        QVERIFY(preferences::fontNames().contains(QStringLiteral("Times New Roman")));
        QCOMPARE(preferences::fontNames().size(), 14);
        for (const QString& size : preferences::sizes())
            QCOMPARE(preferences::parseSize(size), std::optional<double>(size.toDouble()));
        const QString record = preferences::savedRecord(QStringLiteral("Courier New"), QString(),
                                                        QStringLiteral("12"));
        QCOMPARE(record, QStringLiteral("Courier New\r\n\r\n12\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestPreferencesRecord)
#include "tst_preferencesrecord.moc"
