#include "prefs/fontstandins.h"
#include "prefs/preferencesrecord.h"

#include <QTest>

static const QStringList kDebianFonts{"DejaVu Sans",      "DejaVu Sans Mono",
                                      "DejaVu Serif",     "Liberation Mono",
                                      "Liberation Sans",  "Liberation Sans Narrow [1ASC]",
                                      "Liberation Serif", "Z003 [urw]"};

// Pref.dat's lines as start-up and the size keys read them, and the family each font name is
// shown in.
class TestFontLines : public QObject {
    Q_OBJECT
private slots:

    // The dialog takes the style word by equality, start-up by substring; for the four words
    // the program writes they agree.
    void fontStyle_data() {
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
    }
    void fontStyle() {
        QFETCH(QString, word);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        const std::optional<prefs::Style> chosen = prefs::styleFromWord(word);
        QTEST(chosen.has_value(), "known");
        const auto atStart = prefs::requestFromLines({QStringLiteral("Arial"), word});
        QCOMPARE(atStart.family, QStringLiteral("Arial"));
        QCOMPARE(atStart.bold, bold);
        QCOMPARE(atStart.italic, italic);
        QVERIFY(!chosen || (chosen->bold == bold && chosen->italic == italic));
    }

    // With the sizes a step up and down from each (Ctrl+Plus, Ctrl+Minus); "-" for none.
    void fontSize_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("points"); // -1: not a size, the design font's stays
        QTest::addColumn<QString>("steps");
        QTest::newRow("nominal: a listed size") << "12" << 12.0 << "14 11";
        QTest::newRow("nominal: the smallest") << "8" << 8.0 << "9 -";
        QTest::newRow("nominal: a fraction") << "10.5" << 10.5 << "11 10";
        QTest::newRow("robustness: past the largest") << "30" << 30.0 << "- 24";
        for (const char* text : {"", "abc", "0", "-12", "nan", "inf", "1e999"})
            QTest::addRow("robustness: %s", text) << text << -1.0 << "8 -";
    }
    void fontSize() {
        QFETCH(QString, text);
        QFETCH(double, points);
        QCOMPARE(prefs::parseSize(text).value_or(-1.0), points);
        QTEST(prefs::steppedSize(points, 1).value_or("-") + ' ' +
                  prefs::steppedSize(points, -1).value_or("-"),
              "steps");
        const auto request = prefs::requestFromLines({"Arial", "Regular", text});
        QCOMPARE(request.pointSize.value_or(-1.0), points);
    }

    // Every name of the font list shows in an installed family of its kind, made to its
    // measures where Debian has one; Debian's families are what fonts-liberation and
    // fonts-dejavu-core install, one listed with its foundry.
    void fontStandIn_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("family"); // empty: none, the name is left to the system
        const auto row = [](const char* name, const char* font, const char* family,
                            const QStringList& installed = kDebianFonts) {
            QTest::newRow(name) << QString(font) << installed << QString(family);
        };
        row("nominal: Arial", "Arial", "Liberation Sans");
        row("nominal: Arial Narrow", "Arial Narrow", "Liberation Sans Narrow");
        row("nominal: Times New Roman", "Times New Roman", "Liberation Serif");
        row("nominal: Courier New", "Courier New", "Liberation Mono");
        row("nominal: Comic Sans MS", "Comic Sans MS", "DejaVu Sans");
        row("nominal: Comic Sans MS, a handwriting family installed", "Comic Sans MS", "Comic Neue",
            kDebianFonts + QStringList{"Comic Neue"});
        row("nominal: the next of the kind", "Verdana", "Liberation Sans", {"Liberation Sans"});
        row("robustness: the name itself, in another letter case", "Arial", "",
            kDebianFonts + QStringList{"arial"});
        row("robustness: none of its kind", "Terminal", "", {"Liberation Sans"});
    }
    void fontStandIn() {
        QFETCH(QString, name);
        QFETCH(QStringList, installed);
        QTEST(prefs::standInFamily(name, installed).value_or(QString()), "family");
        for (const QString& offered : prefs::fontNames())
            QVERIFY(prefs::standInFamily(offered, kDebianFonts));
    }
};

QTEST_GUILESS_MAIN(TestFontLines)
#include "tst_fontlines.moc"
