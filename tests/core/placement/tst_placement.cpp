#include "placement/placement.h"
#include "placement/windowplace.h"
#include "settings/settingsfile.h"

#include <QTest>

Q_DECLARE_METATYPE(placement::Control)

namespace {

using placement::Control;
using enum placement::Control;
using Controls = QList<Control>;

const QSize kArea(619, 404);
const Controls kReading{Label1, ComboBooks, ComboChapter, TextVerses};
const Controls kSearchPage{Label2, TextSearch, ComboSearch, ListVerse};
const Controls kFavoritesPage{Label4, ComboBookFavorites, TextVersesFavorites, TextFavorites,
                              Label3, ComboCategory,      CommandAddFavorite,  TextFavoritesList};

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

    // Each row checks one control's place, and that every control lies inside the client area,
    // at least as large as designed and clear of the controls shown with it.
    void windowLayout_data() {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<Control>("control");
        QTest::addColumn<QRect>("placed");
        const auto row = [](const char* name, QSize area, Control control, QRect placed) {
            QTest::newRow(name) << area << control << placed;
        };
        row("nominal: a pixel more", {620, 405}, ListVerse, {312, 64, 298, 330});
        const QSize screen(1280, 1024); // 661 x 620 more
        row("nominal: reading area", screen, TextVerses, {8, 32, 627, 975});
        row("nominal: result list", screen, ListVerse, {642, 64, 628, 949});
        row("nominal: looked-up verses", screen, TextFavorites, {690, 32, 590, 204});
        row("nominal: subject caption", screen, Label3, {642, 243, 48, 17});
        row("nominal: subject text", screen, TextFavoritesList, {642, 275, 628, 730});
        row("nominal: 3840 x 2160", {3840, 2160}, TextFavoritesList, {1922, 559, 1908, 1582});
        row("robustness: tall and narrow", {619, 2160}, TextVerses, {8, 32, 297, 2111});
        row("robustness: smaller than designed", {300, 200}, TextVerses, {8, 32, 297, 355});
    }
    void windowLayout() {
        QFETCH(QSize, area);
        QFETCH(Control, control);
        const QMap<Control, QRect> layout = placement::windowLayout(area);
        QTEST(layout.value(control), "placed");
        const QMap<Control, QRect> designed = placement::windowLayout(kArea);
        const QRect client(QPoint(), area.expandedTo(kArea));
        QCOMPARE(layout.size(), kReading.size() + kSearchPage.size() + kFavoritesPage.size());
        for (const Controls& page : {kSearchPage, kFavoritesPage})
            for (const Control shown : kReading + page) {
                const QRect place = layout.value(shown);
                const QString name = designName(shown);
                QVERIFY2(client.contains(place) && place.width() >= designed[shown].width() &&
                             place.height() >= designed[shown].height(),
                         qPrintable(name));
                for (const Control other : kReading + page)
                    QVERIFY2(other == shown || !place.intersects(layout.value(other)),
                             qPrintable(name + " over " + designName(other)));
            }
        QCOMPARE(placement::frameCorner(area), client.bottomRight() - QPoint(2, 3));
    }

    // At the designed size every control is where the window has always had it, in the order
    // of the controls.
    void designedLayout() {
        const QList<QRect> designed{
            {8, 8, 105, 17},   {120, 8, 121, 21},  {248, 8, 65, 21},   {8, 32, 297, 355},
            {320, 8, 113, 17}, {440, 8, 169, 43},  {312, 32, 121, 21}, {312, 64, 297, 329},
            {320, 8, 104, 17}, {424, 8, 113, 21},  {544, 8, 65, 19},   {360, 32, 259, 49},
            {312, 88, 48, 17}, {360, 88, 169, 21}, {536, 88, 73, 25},  {312, 120, 297, 265}};
        QCOMPARE(placement::windowLayout(kArea).values(), designed);
    }

    // The window's place from the settings' x, y, width, height and maximized ("-": missing) on a
    // 1280 x 1024 screen with a 1920 x 1080 one to its right; an invalid rectangle for none.
    void windowPlaces_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QRect>("placed");
        const QRect centred(190, 162, 900, 700);
        const auto row = [](const char* name, const char* stored, QRect placed) {
            QTest::newRow(name) << QString(stored) << placed;
        };
        row("nominal: as left, maximized", "100 80 900 700 true", {100, 80, 900, 700});
        row("nominal: on the second screen", "1500 100 800 600 false", {1500, 100, 800, 600});
        row("nominal: partly off the left edge", "-852 80 900 700 -", {-852, 80, 900, 700});
        row("robustness: off every screen, centred", "50000 80 900 700 -", centred);
        row("robustness: 47 pixels on screen are too few", "-853 80 900 700 -", centred);
        row("robustness: title bar above the screen", "100 -10 900 700 -", centred);
        row("robustness: smaller than the minimum", "100 80 100 50 -", {100, 80, 619, 423});
        row("robustness: one pixel wide and high", "100 80 1 1 -", {100, 80, 619, 423});
        row("robustness: larger than the screen", "0 0 5000 1000000 -", {0, 0, 1280, 1024});
        row("robustness: wider than its screen, moved onto it", "418 105 1500 950 -",
            {0, 74, 1280, 950});
        row("robustness: no number", "100 80 wide 700 -", {});
        row("robustness: a number missing", "100 - 900 700 -", {});
        row("robustness: the first number missing", "- 80 900 700 -", {});
        row("robustness: the height missing", "100 80 900 - -", {});
        row("robustness: beyond any screen", "1000001 0 900 700 -", {});
        row("robustness: wider than any screen may be", "100 80 1000001 700 -", {});
        row("robustness: as far as a screen may be", "100 1000000 900 700 -", centred);
        row("robustness: as far left as a screen may be", "-1000000 80 900 700 -", centred);
        row("robustness: the least int", "-2147483648 80 900 700 -", {});
        row("robustness: the greatest int", "100 2147483647 900 700 -", {});
    }
    void windowPlaces() {
        QFETCH(QString, stored);
        FileSystem files;
        SettingsFile settings(files, QString());
        const QStringList keys{"x", "y", "width", "height", "maximized"};
        for (qsizetype i = 0; i < keys.size(); ++i)
            if (const QString value = stored.split(' ').value(i); value != "-")
                settings.setValue("Window/" + keys[i], value);
        const std::optional<placement::WindowPlace> saved = placement::savedWindowPlace(settings);
        const QList<QRect> screens{{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}};
        QTEST(saved ? placement::restoredPlace(saved->normal, {619, 423}, screens) : QRect(),
              "placed");
        QCOMPARE(saved && saved->maximized, stored.endsWith("true"));
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
        const QRect screen(0, 0, 1280, 800);
        QTEST(placement::centredOver(QSize(275, 100), owner, screen).topLeft(), "topLeft");
        QCOMPARE(placement::centredOver(QSize(2000, 900), owner, screen).topLeft(), QPoint(0, 0));
    }
};

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_placement.moc"
