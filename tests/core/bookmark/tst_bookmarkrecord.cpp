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
        const auto row = [](const char* name, const QStringList& lines, int caret) {
            QTest::newRow(name) << lines << lines.value(0) << lines.value(1) << caret;
        };
        row("nominal: three lines", {"Psalms", "23", "120"}, 120);
        row("nominal: lines after the third are ignored", {"Genesis", "1", "0", "Exodus", "7"}, 0);
        row("nominal: beyond 16 bits", {"Psalms", "119", "40000"}, 40000);
        row("robustness: empty file", {}, 0);
        row("robustness: book only", {"Psalms"}, 0);
        row("robustness: no position", {"Psalms", "23"}, 0);
        row("robustness: word", {"Psalms", "23", "abc"}, 0);
        row("robustness: negative", {"Psalms", "23", "-5"}, 0);
        row("robustness: fraction", {"Psalms", "23", "12.5"}, 0);
        row("robustness: digits then text", {"Psalms", "23", "12a"}, 0);
        row("robustness: surrounding spaces", {"Psalms", "23", " 42 "}, 42);
        row("robustness: past the int range", {"Psalms", "23", "99999999999999999999999"},
            std::numeric_limits<int>::max());
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
