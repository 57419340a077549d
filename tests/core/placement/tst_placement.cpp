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
        const auto row = [](const char* name, QRect designed, int needed, QList<QRect> others,
                            QRect placed) {
            QTest::newRow(name) << designed << needed << others << placed;
        };
        const QRect box(440, 8, 169, 43);
        const QRect below(312, 64, 297, 329);
        row("nominal: a line that fits leaves the box as designed", box, 30, {below}, box);
        row("nominal: a taller line grows the box downward, just enough", box, 49, {below},
            {440, 8, 169, 49});
        row("robustness: growth stops at the control below", box, 80, {below}, {440, 8, 169, 56});
        row("robustness: a control beside or above is not in the way", box, 80,
            {{10, 60, 400, 300}, {440, 0, 169, 8}}, {440, 8, 169, 80});
        row("robustness: a control below sharing only the last column is in the way", box, 80,
            {{608, 64, 9, 9}}, {440, 8, 169, 56});
        row("robustness: with nothing below, the client area's bottom is the limit",
            {0, 380, 100, 10}, 40, {}, {0, 380, 100, 24});
        row("robustness: a place past the right edge ends at the edge", {360, 32, 297, 49}, 0, {},
            {360, 32, 259, 49});
        row("robustness: a place past the bottom edge ends at the edge", {0, 380, 100, 40}, 0, {},
            {0, 380, 100, 24});
    }
    void controls() {
        QFETCH(QRect, designed);
        QFETCH(int, neededHeight);
        QFETCH(QList<QRect>, others);
        const QRect within = placement::withinArea(designed, kArea);
        QTEST(placement::grownToHold(within, neededHeight, others, kArea), "placed");
    }

    void dialogs_data() { // a 275 x 100 dialog on a 1280 x 800 screen
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QPoint>("topLeft");
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
