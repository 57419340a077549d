#include "text/exacttext.h"
#include "text/generaldate.h"

#include <QTest>

#include <array>

// A text box's exact text under edits, and the date it is given.
class TestText : public QObject {
    Q_OBJECT

private slots:
    void offsetsCountEachBreakAsHeld_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("offsets"); // the offset of each document position
        const auto row = [](const char* name, const char* text, QList<int> offsets) {
            QTest::newRow(name) << QString(text) << offsets;
        };
        row("nominal: CR LF counts two", "a\r\nb", {0, 1, 3, 4});
        row("nominal: lone LF and lone CR count one", "a\nb\rc", {0, 1, 2, 3, 4, 5});
        row("nominal: CR before CR LF is a break of its own", "\r\r\n", {0, 1, 3});
        row("robustness: LF CR is two breaks", "\n\r", {0, 1, 2});
        row("nominal: empty", "", {0});
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

    // An edit of the document changes only what it touched: every other character, line breaks
    // in their own form and the non-breaking space included, stays.
    void editsKeepWhatTheyDidNotTouch_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("edited");    // the document after the edit
        QTest::addColumn<QList<int>>("report"); // position, removed, added as Qt reports them
        QTest::addColumn<QString>("expected");
        const QString mixed = QStringLiteral("a\u00A0b\rc\nd\r\ne");
        const auto row = [&](const char* name, QStringView edited, const QList<int>& report,
                             QStringView expected, QStringView text) {
            QTest::newRow(name) << text.toString() << edited.toString() << report
                                << expected.toString();
        };
        row("nominal: typing at the end", u"a\u00A0b\nc\nd\nex", {9, 0, 1}, u"a\u00A0b\rc\nd\r\nex",
            mixed);
        row("nominal: a typed break is CR LF", u"a\u00A0b\nc\u2029\nd\ne", {5, 0, 1},
            u"a\u00A0b\rc\r\n\nd\r\ne", mixed);
        row("nominal: deleting a lone CR", u"a\u00A0bc\nd\ne", {3, 1, 0}, u"a\u00A0bc\nd\r\ne",
            mixed);
        row("robustness: the whole text reported, one letter changed", u"a\u00A0B\nc\nd\ne",
            {0, 7, 7}, u"a\u00A0B\rc\nd\r\ne", mixed);
        row("robustness: a report that does not fit the texts", u"a\u00A0b\nc\nd\nE", {5, 9, 1},
            u"a\u00A0b\rc\nd\r\nE", mixed);
        row("robustness: deleting what stands between a lone CR and a lone LF", u"a\n\nb",
            {2, 1, 0}, u"a\r\n\nb", u"a\rX\nb");
        row("robustness: replaced by nothing", {}, {0, 7, 0}, {}, mixed);
        row("nominal: a break typed before a lone LF", u"\n\nb", {0, 0, 1}, u"\r\n\nb", u"\nb");
    }
    void editsKeepWhatTheyDidNotTouch() {
        QFETCH(QString, text);
        QFETCH(QString, edited);
        QFETCH(QList<int>, report);
        ExactText exact(text);
        exact.follow(ExactText(text).documentText(), edited, report[0], report[1], report[2]);
        QTEST(exact.text(), "expected");
    }

    // The text between two offsets keeps its breaks; an offset inside a CR LF lands before the
    // break, one past the end at the end.
    void betweenAndBeyond() {
        const ExactText exact(QStringLiteral("ab\r\ncd\ne"));
        QCOMPARE(exact.between(1, 6), QStringLiteral("b\r\ncd\n"));
        QCOMPARE(exact.between(3, 3), QString());
        QCOMPARE(exact.positionAt(3), 2);
        QCOMPARE(exact.positionAt(99), 7);
    }

    void generalDate_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        for (const auto& [name, locale, text] :
             {std::array<const char*, 3>{"nominal: en_GB", "en_GB", "06/12/2026 09:08:24"},
              {"nominal: en_US keeps its AM", "en_US", "12/6/26 9:08:24 AM"},
              {"nominal: de_DE", "de_DE", "06.12.26 09:08:24"},
              {"nominal: es_ES, its brackets go too", "es_ES", "6/12/26 9:08:24"},
              {"nominal: zh_HK, square brackets", "zh_HK", "6/12/2026 上午9:08:24"}})
            QTest::newRow(name) << QString(locale) << QString(text);
    }
    // The date F5 writes. The long time of each of these names the time zone; the text never does.
    void generalDate() {
        QFETCH(QString, locale);
        const QLocale writing(locale);
        QVERIFY(writing.timeFormat(QLocale::LongFormat).contains(QLatin1Char('t')));
        const QDateTime moment(QDate(2026, 12, 6), QTime(9, 8, 24));
        QTEST(text::generalDateText(moment, writing), "text");
    }
};

QTEST_GUILESS_MAIN(TestText)
#include "tst_text.moc"
