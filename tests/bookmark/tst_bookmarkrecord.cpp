#include "bookmark/bookmarkrecord.h"

#include <QTest>

#include <limits>

using bookmark::Position;

class TestBookmarkRecord : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("chapter");
        QTest::addColumn<int>("caret");
        QTest::newRow("nominal: three lines") << QStringList{"Psalms", "23", "120"} << "Psalms"
                                              << "23" << 120;
        QTest::newRow("nominal: lines after the third are ignored")
            << QStringList{"Genesis", "1", "0", "Exodus", "7"} << "Genesis"
            << "1" << 0;
        QTest::newRow("nominal: beyond 16 bits")
            << QStringList{"Psalms", "119", "40000"} << "Psalms"
            << "119" << 40000;
        QTest::newRow("nominal: unchecked texts") << QStringList{"Books", "Chapter", "0"} << "Books"
                                                  << "Chapter" << 0;
        QTest::newRow("robustness: empty file") << QStringList{} << ""
                                                << "" << 0;
        QTest::newRow("robustness: book only") << QStringList{"Psalms"} << "Psalms"
                                               << "" << 0;
        QTest::newRow("robustness: no position") << QStringList{"Psalms", "23"} << "Psalms"
                                                 << "23" << 0;
        QTest::newRow("robustness: word") << QStringList{"Psalms", "23", "abc"} << "Psalms"
                                          << "23" << 0;
        QTest::newRow("robustness: negative") << QStringList{"Psalms", "23", "-5"} << "Psalms"
                                              << "23" << 0;
        QTest::newRow("robustness: fraction") << QStringList{"Psalms", "23", "12.5"} << "Psalms"
                                              << "23" << 0;
        QTest::newRow("robustness: digits then text")
            << QStringList{"Psalms", "23", "12a"} << "Psalms"
            << "23" << 0;
        QTest::newRow("robustness: surrounding spaces")
            << QStringList{"Psalms", "23", " 42 "} << "Psalms"
            << "23" << 42;
        QTest::newRow("robustness: past the int range")
            << QStringList{"Psalms", "23", "99999999999999999999999"} << "Psalms"
            << "23" << std::numeric_limits<int>::max();
    }
    void parse() {
        QFETCH(QStringList, lines);
        QFETCH(QString, book);
        QFETCH(QString, chapter);
        QFETCH(int, caret);
        const Position position = bookmark::parse(lines);
        QCOMPARE(position.book, book);
        QCOMPARE(position.chapter, chapter);
        QCOMPARE(position.caretOffset, caret);
    }

    void formatIsReadBack() {
        const QString record = bookmark::format("Song of Solomon", "2", 1234);
        QCOMPARE(record, QStringLiteral("Song of Solomon\r\n2\r\n1234"));
        const Position position = bookmark::parse(record.split(QStringLiteral("\r\n")));
        QCOMPARE(position.book, QStringLiteral("Song of Solomon"));
        QCOMPARE(position.chapter, QStringLiteral("2"));
        QCOMPARE(position.caretOffset, 1234);
    }
};

QTEST_GUILESS_MAIN(TestBookmarkRecord)
#include "tst_bookmarkrecord.moc"
