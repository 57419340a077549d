#include "placement/placement.h"

#include <QTest>

namespace {

const QSize kArea(619, 404);

} // namespace

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void controls_data() {
        QTest::addColumn<QRect>("designed");
        QTest::addColumn<int>("neededHeight");
        QTest::addColumn<QList<QRect>>("others");
        QTest::addColumn<QRect>("placed");

        const QRect box(440, 8, 169, 43);
        const QRect below(312, 64, 297, 329);
        QTest::newRow("nominal: a line that fits leaves the box as designed")
            << box << 30 << QList<QRect>{below} << box;
        QTest::newRow("nominal: a taller line grows the box downward, just enough")
            << box << 49 << QList<QRect>{below} << QRect(440, 8, 169, 49);
        QTest::newRow("robustness: growth stops at the control below")
            << box << 80 << QList<QRect>{below} << QRect(440, 8, 169, 56);
        QTest::newRow("robustness: a control beside or above is not in the way")
            << box << 80 << QList<QRect>{QRect(10, 60, 400, 300), QRect(440, 0, 169, 8)}
            << QRect(440, 8, 169, 80);
        QTest::newRow("robustness: a control below sharing only the last column is in the way")
            << box << 80 << QList<QRect>{QRect(608, 64, 9, 9)} << QRect(440, 8, 169, 56);
        QTest::newRow("robustness: with nothing below, the client area's bottom is the limit")
            << QRect(0, 380, 100, 10) << 40 << QList<QRect>{} << QRect(0, 380, 100, 24);
        QTest::newRow("robustness: a place past the right edge ends at the edge")
            << QRect(360, 32, 297, 49) << 0 << QList<QRect>{} << QRect(360, 32, 259, 49);
        QTest::newRow("robustness: a place past the bottom edge ends at the edge")
            << QRect(0, 380, 100, 40) << 0 << QList<QRect>{} << QRect(0, 380, 100, 24);
    }
    void controls() {
        QFETCH(QRect, designed);
        QFETCH(int, neededHeight);
        QFETCH(QList<QRect>, others);
        const QRect within = placement::withinArea(designed, kArea);
        QTEST(placement::grownToHold(within, neededHeight, others, kArea), "placed");
    }

    void dialogs_data() {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QPoint>("topLeft");

        // A 275 x 100 dialog on a 1280 x 800 screen.
        QTest::newRow("nominal: centred over its window")
            << QRect(100, 50, 620, 440) << QPoint(272, 220);
        QTest::newRow("robustness: a window past the right and bottom edges")
            << QRect(1000, 700, 620, 440) << QPoint(1005, 700);
        QTest::newRow("robustness: a window past the left and top edges")
            << QRect(-600, -400, 620, 440) << QPoint(0, 0);
    }
    void dialogs() {
        QFETCH(QRect, owner);
        QFETCH(QPoint, topLeft);
        const QRect screen(0, 0, 1280, 800);
        QCOMPARE(placement::centredOver(QSize(275, 100), owner, screen).topLeft(), topLeft);
        QCOMPARE(placement::centredOver(QSize(2000, 900), owner, screen).topLeft(), QPoint(0, 0));
    }
};

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_placement.moc"
