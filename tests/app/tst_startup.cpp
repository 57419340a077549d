#include "mainwindow/loadedforms.h"
#include "support/appfixture.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QTest>

namespace {

// The font of the boxes that show scripture, as "family [bold] [italic] size", or "mixed".
QString displayFont(FrmBible& w) {
    QSet<QString> fonts;
    for (const QWidget* control : w.displayControls()) {
        const QFont f = control->font();
        fonts << f.family() + (f.bold() ? " bold" : "") + (f.italic() ? " italic" : "") + ' ' +
                     QString::number(f.pointSizeF());
    }
    return fonts.size() == 1 ? *fonts.begin() : QStringLiteral("mixed");
}

// A window of the program loaded after the others, that records its closing.
class OtherForm : public QWidget {
public:
    explicit OtherForm(QStringList& closed)
        : m_closed(closed) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        m_closed << QStringLiteral("other");
        event->accept();
    }

private:
    QStringList& m_closed;
};

} // namespace

// Starting the program on the files it finds, and leaving it.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void firstStartCreatesTheDefaultsAndAppliesThem() {
        AppFixture fx;
        fx.start();
        QCOMPARE(QDir(fx.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"Bible.dat", "BkMrk.dat", "Pref.dat", "Verses"}));
        QCOMPARE(fx.readBytes("Pref.dat"), QByteArray("Arial\r\nRegular\r\n8"));
        QCOMPARE(fx.readBytes("BkMrk.dat"), QByteArray("Genesis\r\n1\r\n0"));
        QCOMPARE(displayFont(fx.window()), QStringLiteral("Arial 8"));
        QVERIFY(fx.messages.asked.isEmpty());
    }

    // The user's files stay byte for byte; only a save cut short is cleared away.
    void existingFilesAreLeftAloneAndApplied_data() {
        QTest::addColumn<QByteArray>("prefs");
        QTest::addColumn<QString>("font");
        QTest::newRow("nominal: both style words, a line more")
            << QByteArray("Times New Roman\r\nItalic Bold\r\n12\r\nextra\r\n")
            << "Times New Roman bold italic 12";
        QTest::newRow("robustness: a size that is no number keeps the design size")
            << QByteArray("Arial\r\nBold\r\nbig") << "Arial bold 8.25";
        QTest::newRow("robustness: nan is no number of points either")
            << QByteArray("Arial\r\nBold\r\nnan") << "Arial bold 8.25";
    }
    void existingFilesAreLeftAloneAndApplied() {
        QFETCH(QByteArray, prefs);
        AppFixture fx;
        QDir(fx.folder()).mkdir("Verses");
        fx.writeBytes("Pref.dat", prefs);
        fx.writeBytes("BkMrk.dat", "anything at all");
        fx.writeBytes("Verses/Love.txt", "Love\r\n\r\n text");
        fx.writeBytes("Verses/Love.txt.MHdXad", "Lo");
        fx.start();
        QCOMPARE(fx.readBytes("Pref.dat"), prefs);
        QCOMPARE(fx.readBytes("BkMrk.dat"), QByteArray("anything at all"));
        QCOMPARE(fx.readBytes("Verses/Love.txt"), QByteArray("Love\r\n\r\n text"));
        QCOMPARE(QDir(fx.path("Verses")).entryList(QDir::Files), QStringList{"Love.txt"});
        QTEST(displayFont(fx.window()), "font");
    }

    void bibleProblemIsReportedOnceAndStartUpGoesOn_data() {
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("problem");
        QTest::newRow("robustness: missing")
            << true << QStringLiteral("Bible.dat was not found.\r\nPlease reinstall program.");
        QTest::newRow("robustness: unreadable")
            << false << QStringLiteral("Bible.dat could not be read.\r\nPermission denied");
    }
    void bibleProblemIsReportedOnceAndStartUpGoesOn() {
        QFETCH(bool, missing);
        QFETCH(QString, problem);
        AppFixture fx(missing ? AppFixture::Bible::Missing : AppFixture::Bible::Real);
        fx.files.failRead = [](const QString& path) { return path.endsWith("/Bible.dat"); };
        fx.start();
        QCOMPARE(fx.messages.asked.size(), 1);
        QCOMPARE(fx.messages.asked[0].text,
                 QDir::toNativeSeparators(fx.folder()) + QDir::separator() + problem);
        QCOMPARE(fx.messages.asked[0].buttons, MessageBoxes::OkOnly);
        QCOMPARE(fx.readBytes("Pref.dat"), QByteArray("Arial\r\nRegular\r\n8"));
        QVERIFY(QDir(fx.path("Verses")).exists());
        QVERIFY(fx.window().isVisible());
    }

    void readOnlyFolderDoesNotStopStartUp() {
        AppFixture fx;
        fx.files.failWrite = [](const QString&) { return true; };
        QDir(fx.folder()).mkdir("Verses");
        fx.start();
        QVERIFY(!QFile::exists(fx.path("Pref.dat")));
        QCOMPARE(displayFont(fx.window()), QStringLiteral("MS Sans Serif 8.25"));
        QVERIFY(fx.window().isVisible());
    }

    void leavingClosesTheOtherWindowsFirst_data() {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("nominal: File > Exit") << true;
        QTest::newRow("nominal: the main window's close box") << false;
    }
    // The other windows close first, the last loaded first, then the main window once.
    void leavingClosesTheOtherWindowsFirst() {
        QFETCH(bool, byExit);
        AppFixture fx;
        FrmBible& w = fx.start().window();
        w.menus.mnuSetFont->trigger();
        QPointer<QWidget> dialog = w.findChild<QWidget*>(QStringLiteral("frmFont"));
        QVERIFY(dialog && dialog->isVisible());
        QStringList closed;
        OtherForm other(closed);
        other.show();
        QObject::connect(&w, &FrmBible::queryUnload, &w, [&] {
            closed << (dialog && dialog->isVisible() ? "main, dialog open" : "main");
        });
        if (byExit)
            w.menus.mnuExit->trigger();
        else
            w.close();
        QCOMPARE(closed, (QStringList{"other", "main"}));
        QVERIFY(!w.isVisible());
        QTRY_VERIFY(!dialog); // a closed dialog is deleted
        QVERIFY(fx.app().forms().forms().isEmpty());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
