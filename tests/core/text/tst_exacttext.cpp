#include "text/exacttext.h"

#include <QTest>

class TestExactText : public QObject {
    Q_OBJECT

private slots:
    void offsetsCountEachBreakAsHeld_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("offsets"); // the offset of each document position
        QTest::newRow("nominal: CR LF counts two") << QStringLiteral("a\r\nb") << QList{0, 1, 3, 4};
        QTest::newRow("nominal: lone LF and lone CR count one")
            << QStringLiteral("a\nb\rc") << QList{0, 1, 2, 3, 4, 5};
        QTest::newRow("nominal: CR before CR LF is a break of its own")
            << QStringLiteral("\r\r\n") << QList{0, 1, 3};
        QTest::newRow("robustness: LF CR is two breaks")
            << QStringLiteral("\n\r") << QList{0, 1, 2};
        QTest::newRow("nominal: empty") << QString() << QList{0};
    }
    void offsetsCountEachBreakAsHeld() {
        QFETCH(QString, text);
        QFETCH(QList<int>, offsets);
        const ExactText exact(text);
        QCOMPARE(exact.documentText().size() + 1, offsets.size());
        for (int position = 0; position < offsets.size(); ++position) {
            QCOMPARE(exact.offsetAt(position), offsets[position]);
            QCOMPARE(exact.positionAt(offsets[position]), position);
        }
    }

    // An offset inside a CR LF lands before the break, one past the end at the end.
    void offsetsBetweenOrBeyondLand() {
        const ExactText exact(QStringLiteral("a\r\nb"));
        QCOMPARE(exact.positionAt(2), 1);
        QCOMPARE(exact.positionAt(99), 3);
    }

    // An edit of the document changes only what it touched: every other character, line breaks
    // in their own form and the non-breaking space included, stays.
    void editsKeepWhatTheyDidNotTouch_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("edited");    // the document after the edit
        QTest::addColumn<QList<int>>("report"); // position, removed, added as Qt reports them
        QTest::addColumn<QString>("expected");
        const QString mixed = QStringLiteral("a\u00A0b\rc\nd\r\ne");
        QTest::newRow("nominal: typing at the end")
            << mixed << QStringLiteral("a\u00A0b\nc\nd\nex") << QList{9, 0, 1}
            << QStringLiteral("a\u00A0b\rc\nd\r\nex");
        QTest::newRow("nominal: a typed break is CR LF")
            << mixed << QStringLiteral("a\u00A0b\nc\u2029\nd\ne") << QList{5, 0, 1}
            << QStringLiteral("a\u00A0b\rc\r\n\nd\r\ne");
        QTest::newRow("nominal: deleting a lone CR")
            << mixed << QStringLiteral("a\u00A0bc\nd\ne") << QList{3, 1, 0}
            << QStringLiteral("a\u00A0bc\nd\r\ne");
        QTest::newRow("robustness: the whole text reported, one letter changed")
            << mixed << QStringLiteral("a\u00A0B\nc\nd\ne") << QList{0, 7, 7}
            << QStringLiteral("a\u00A0B\rc\nd\r\ne");
        QTest::newRow("robustness: a report that does not fit the texts")
            << mixed << QStringLiteral("a\u00A0b\nc\nd\nE") << QList{5, 9, 1}
            << QStringLiteral("a\u00A0b\rc\nd\r\nE");
        QTest::newRow("robustness: deleting what stands between a lone CR and a lone LF")
            << QStringLiteral("a\rX\nb") << QStringLiteral("a\n\nb") << QList{2, 1, 0}
            << QStringLiteral("a\r\n\nb");
        QTest::newRow("robustness: replaced by nothing")
            << mixed << QString() << QList{0, 7, 0} << QString();
    }
    void editsKeepWhatTheyDidNotTouch() {
        QFETCH(QString, text);
        QFETCH(QString, edited);
        QFETCH(QList<int>, report);
        QFETCH(QString, expected);
        ExactText exact(text);
        exact.follow(ExactText(text).documentText(), edited, report[0], report[1], report[2]);
        QCOMPARE(exact.text(), expected);
    }

    void betweenGivesTheHeldBreaks() {
        const ExactText exact(QStringLiteral("ab\r\ncd\ne"));
        QCOMPARE(exact.between(1, 6), QStringLiteral("b\r\ncd\n"));
        QCOMPARE(exact.between(3, 3), QString());
    }
};

QTEST_GUILESS_MAIN(TestExactText)
#include "tst_exacttext.moc"
