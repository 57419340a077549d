#include "text/generaldate.h"

#include <QTest>

#include <array>

class TestGeneralDate : public QObject {
    Q_OBJECT

private slots:
    void text_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        for (const auto& [name, locale, text] :
             {std::array<const char*, 3>{"nominal: en_GB", "en_GB", "06/12/2026 09:08:24"},
              {"nominal: en_US keeps its AM", "en_US", "12/6/26 9:08:24 AM"},
              {"nominal: de_DE", "de_DE", "06.12.26 09:08:24"}})
            QTest::newRow(name) << QString(locale) << QString(text);
    }
    // The long time of each of these names the time zone; the text never does.
    void text() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        const QLocale writing(locale);
        QVERIFY(writing.timeFormat(QLocale::LongFormat).contains(QLatin1Char('t')));
        const QDateTime moment(QDate(2026, 12, 6), QTime(9, 8, 24));
        QCOMPARE(generalDateText(moment, writing), text);
    }
};

QTEST_GUILESS_MAIN(TestGeneralDate)
#include "tst_generaldate.moc"
