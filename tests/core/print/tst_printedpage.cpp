#include "print/printedpage.h"

#include <QTest>

class TestPrintedPage : public QObject {
    Q_OBJECT

private slots:
    void margins_data() {
        QTest::addColumn<QMarginsF>("chosen");
        QTest::addColumn<QMarginsF>("unprintable");
        QTest::addColumn<QMarginsF>("margins");

        QTest::newRow("nominal: small margins and border make way for 20 mm")
            << QMarginsF(3.5, 3.5, 3.5, 3.5) << QMarginsF(4, 4, 4, 4) << QMarginsF(20, 20, 20, 20);
        QTest::newRow("robustness: a printer that cannot print as close keeps its border")
            << QMarginsF() << QMarginsF(25, 5, 21, 30) << QMarginsF(25, 20, 21, 30);
        QTest::newRow("robustness: larger margins the user chose are kept")
            << QMarginsF(30, 10, 20.5, 40) << QMarginsF() << QMarginsF(30, 20, 20.5, 40);
    }
    void margins() {
        QFETCH(QMarginsF, chosen);
        QFETCH(QMarginsF, unprintable);
        QFETCH(QMarginsF, margins);
        QCOMPARE(printedpage::margins(chosen, unprintable), margins);
    }

    void names_data() {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("name");
        QTest::newRow("nominal: a subject") << "Love"
                                            << "Vellumark - Love";
        QTest::newRow("robustness: a list not saved under a subject")
            << ""
            << "Vellumark - Favorite Verses";
    }
    void names() {
        QFETCH(QString, subject);
        QFETCH(QString, name);
        QCOMPARE(printedpage::subjectDocumentName(subject), name);
    }
};

QTEST_GUILESS_MAIN(TestPrintedPage)
#include "tst_printedpage.moc"
