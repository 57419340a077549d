#include "prefs/displayfont.h"
#include "prefs/fontstandins.h"
#include "prefs/preferencesrecord.h"
#include "prefs/sizesteps.h"
#include "report/failurerun.h"
#include "storage/storage.h"
#include "support/faultyfilesystem.h"
#include "support/testfiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

static const QStringList kDebianFonts{"DejaVu Sans",      "DejaVu Sans Mono",
                                      "DejaVu Serif",     "Liberation Mono",
                                      "Liberation Sans",  "Liberation Sans Narrow [1ASC]",
                                      "Liberation Serif", "Z003 [urw]"};

// The display font as start-up, the Display Fonts lists and the size keys set it, what it saves,
// the steps of the size keys, the failures told of saves made together, Pref.dat's lines as
// start-up reads them, and the family each font name is shown in.
class TestDisplayFont : public QObject {
    Q_OBJECT

    // Family, "bold" and "italic" where chosen so, and the size shown.
    static QString shown(const prefs::DisplayFont& font) {
        const prefs::FontChoice& c = font.choice();
        return QStringList{c.family.value_or("-"), c.bold.value_or(false) ? "bold" : "",
                           c.italic.value_or(false) ? "italic" : "",
                           QString::number(font.pointSize())}
            .join(' ')
            .simplified();
    }

private slots:
    // After start-up, each step a list's pick ("Style=Bold") or a size key: "+" Bigger Text,
    // "-" Smaller Text, "0" Normal Size.
    void choices_data() {
        QTest::addColumn<QByteArray>("saved"); // "?": Pref.dat cannot be read
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("sizeChanges");
        const auto row = [](const char* name, const QByteArray& saved, const QStringList& steps,
                            const char* shown, const QByteArray& after, int sizeChanges) {
            QTest::newRow(name) << saved << steps << QString(shown) << after << sizeChanges;
        };
        row("nominal: start-up, by substring, only switching on", "Times\r\nItalic Bold\r\n12", {},
            "Times bold italic 12", "Times\r\nItalic Bold\r\n12", 1);
        row("nominal: each pick changes its part, saved as the lists show", "Arial\r\nBold\r\n8",
            {"Family=Verdana", "Style=Italic"}, "Verdana italic 8", "Verdana\r\nItalic\r\n\r\n", 1);
        row("nominal: the keys step and go back, keeping Pref.dat's font and style",
            "Arial\r\nItalic\r\n12\r\nmore", {"+", "+", "0"}, "Arial italic 12",
            "Arial\r\nItalic\r\n12\r\n", 4);
        row("nominal: a size picked starts the steps afresh; a font pick keeps the size",
            "Arial\r\nBold\r\n8", {"+", "Size=12", "0", "-", "0", "-", "Family=Verdana"},
            "Verdana bold 11", "Verdana\r\n\r\n12\r\n", 6);
        row("robustness: past the list's end, Normal Size before a step", "Arial\r\nRegular\r\n24",
            {"+", "0", "-"}, "Arial 22", "Arial\r\nRegular\r\n22\r\n", 2);
        row("robustness: no style word nor size, nothing shown changes", "Arial\r\nRegular\r\nnan",
            {"Style=bold", "Size=x"}, "Arial 8.25", "\r\nbold\r\nx\r\n", 0);
        row("robustness: unreadable, shown and not written over", "?", {"+"}, "- 9", "?", 1);
    }
    void choices() {
        QFETCH(QByteArray, saved);
        QFETCH(QStringList, steps);
        QTemporaryDir dir;
        FaultyFileSystem files;
        files.failRead = [&](const QString&) { return saved == "?"; };
        Storage storage{ProgramFolder(dir.path()), files};
        QVERIFY(testfiles::put(dir.filePath("Pref.dat"), saved));
        prefs::DisplayFont font(storage, 8.25);
        QSignalSpy sizes(&font, &prefs::DisplayFont::sizeChanged);
        if (saved == "?")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("display font was not read"));
        font.takeSaved();
        prefs::FontLines lists;
        prefs::SizeSteps keys;
        for (const QString& step : steps) {
            const qsizetype part =
                QStringList{"Family", "Style", "Size"}.indexOf(step.section('=', 0, 0));
            // A key with no size to give saves nothing.
            FileSystem::Result written{saved != "?", {}};
            if (part >= 0) {
                (part == 0   ? lists.font
                 : part == 1 ? lists.style
                             : lists.size) = step.section('=', 1);
                written = font.choose(prefs::FontPart(part), lists);
            } else if (const std::optional<double> size =
                           step == "0" ? keys.backToStart(font.pointSize())
                                       : keys.step(font.pointSize(), step == "+" ? 1 : -1))
                written = font.chooseSize(*size);
            QCOMPARE(written.ok, saved != "?");
        }
        QTEST(shown(font), "shown");
        QTEST(testfiles::bytesOf(dir.filePath("Pref.dat")), "after");
        QTEST(int(sizes.size()), "sizeChanges");
    }

    // Saves in order, "o" kept, "x" failed, a run of them between "[" and "]"; "1" for each
    // failure told.
    void failuresTold_data() {
        QTest::addColumn<QString>("saves");
        QTest::addColumn<QString>("told");
        QTest::newRow("nominal: outside a run, each failure") << QString("xox") << QString("101");
        QTest::newRow("nominal: in a run, the first only") << QString("[oxx]x") << QString("0101");
        QTest::newRow("robustness: a second run tells its own")
            << QString("[x][x]") << QString("11");
    }
    void failuresTold() {
        QFETCH(QString, saves);
        report::FailureRun run;
        QString told;
        for (const QChar save : saves) {
            if (save == '[')
                run.begin();
            else if (save == ']')
                run.end();
            else
                told += run.tells(save == 'o') ? '1' : '0';
        }
        QTEST(told, "told");
    }

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

QTEST_MAIN(TestDisplayFont)
#include "tst_displayfont.moc"
