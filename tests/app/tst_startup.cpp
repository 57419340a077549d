#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "support/appfixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void firstStartCreatesDefaultsByteForByte() {
        AppFixture fx;
        fx.start();
        QDir folder(fx.folder());
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"Bible.dat", "BkMrk.dat", "Pref.dat", "Verses"}));
        QVERIFY(QDir(fx.path("Verses")).isEmpty());
        QCOMPARE(fx.readBytes("Pref.dat"), QByteArray("Arial\r\nRegular\r\n8"));
        QCOMPARE(fx.readBytes("BkMrk.dat"), QByteArray("Genesis\r\n1\r\n0"));
        QVERIFY(fx.messages.asked.isEmpty());
        // The default record is read back and applied in the same start-up.
        for (QWidget* control : fx.window().displayControls()) {
            QCOMPARE(control->font().family(), QStringLiteral("Arial"));
            QCOMPARE(control->font().pointSizeF(), 8.0);
            QVERIFY(!control->font().bold() && !control->font().italic());
        }
        QCOMPARE(fx.pointer.history, (QList<bool>{true, false}));
    }

    void existingFilesAreLeftAlone() {
        AppFixture fx;
        QDir(fx.folder()).mkdir("Verses");
        fx.writeBytes("Pref.dat", "Times New Roman\r\nItalic Bold\r\n12\r\nextra\r\n");
        fx.writeBytes("BkMrk.dat", "anything at all");
        fx.writeBytes("Verses/Love.txt", "Love\r\n\r\n text");
        fx.start();
        QCOMPARE(fx.readBytes("Pref.dat"),
                 QByteArray("Times New Roman\r\nItalic Bold\r\n12\r\nextra\r\n"));
        QCOMPARE(fx.readBytes("BkMrk.dat"), QByteArray("anything at all"));
        QCOMPARE(fx.readBytes("Verses/Love.txt"), QByteArray("Love\r\n\r\n text"));
        const QFont font = fx.window().TextVerses->font();
        QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
        QVERIFY(font.bold() && font.italic()); // both words are in the style line
        QCOMPARE(font.pointSizeF(), 12.0);
    }

    void leftoverSaveIsClearedAtStartUp() {
        AppFixture fx;
        QDir(fx.folder()).mkdir("Verses");
        fx.writeBytes("Verses/Love.txt", "Love");
        fx.writeBytes("Verses/Love.txt.MHdXad", "Lo");
        fx.start();
        QCOMPARE(QDir(fx.path("Verses")).entryList(QDir::Files), QStringList{"Love.txt"});
        QCOMPARE(fx.window().ComboCategory->count(), 1);
    }

    void preferencesThatCannotBeAppliedKeepTheDesignFont_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<double>("size");
        QTest::newRow("robustness: size not a number")
            << QByteArray("Arial\r\nBold\r\nbig") << "Arial" << true << 8.25;
        QTest::newRow("robustness: one line only")
            << QByteArray("Verdana") << "Verdana" << false << 8.25;
        QTest::newRow("robustness: empty file") << QByteArray() << "MS Sans Serif" << false << 8.25;
    }
    void preferencesThatCannotBeAppliedKeepTheDesignFont() {
        QFETCH(QByteArray, record);
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QFETCH(double, size);
        AppFixture fx;
        fx.writeBytes("Pref.dat", record);
        fx.start();
        for (QWidget* control : fx.window().displayControls()) {
            QCOMPARE(control->font().family(), family);
            QCOMPARE(control->font().bold(), bold);
            QCOMPARE(control->font().pointSizeF(), size);
        }
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
        AppFixture fx(missing ? AppFixture::Bible::Missing : AppFixture::Bible::Real);
        fx.files.failRead = [](const QString& path) { return path.endsWith("/Bible.dat"); };
        fx.start();
        QCOMPARE(fx.messages.asked.size(), 1);
        const auto& asked = fx.messages.asked.first();
        QFETCH(QString, problem);
        QCOMPARE(asked.text, QDir::toNativeSeparators(fx.folder()) + QDir::separator() + problem);
        QCOMPARE(asked.title, QStringLiteral("Bible ORV"));
        QCOMPARE(asked.buttons, MessageBoxes::OkOnly);
        QVERIFY(QDir(fx.path("Verses")).exists());
        QVERIFY(QFile::exists(fx.path("Pref.dat")));
        QVERIFY(QFile::exists(fx.path("BkMrk.dat")));
    }

    void readOnlyFolderDoesNotStopStartUp() {
        AppFixture fx;
        fx.files.failWrite = [](const QString&) { return true; };
        QDir(fx.folder()).mkdir("Verses");
        fx.start();
        QVERIFY(!QFile::exists(fx.path("Pref.dat")));
        QCOMPARE(fx.window().TextVerses->font().family(), QStringLiteral("MS Sans Serif"));
        QVERIFY(fx.window().isVisible());
    }

    void stateAfterStartUp() {
        AppFixture fx;
        fx.start();
        FrmBible& w = fx.window();
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("Lanternfield Software - Vellumark ~ Orrisant Version"));
        QCOMPARE(w.ComboBooks->text(), QStringLiteral("Books"));
        QCOMPARE(w.ComboBooks->count(), 67);
        QCOMPARE(w.ComboBooks->itemText(39), QStringLiteral("***************"));
        QCOMPARE(w.ComboBookFavorites->count(), 67);
        QCOMPARE(w.ComboBookFavorites->text(), QStringLiteral("Books"));
        QCOMPARE(w.ComboSearch->count(), 68);
        QCOMPARE(w.ComboSearch->itemText(0), QStringLiteral("The Bible"));
        QCOMPARE(w.ComboSearch->itemText(40), QStringLiteral("***************"));
        QCOMPARE(w.ComboSearch->text(), QStringLiteral("Select Book"));
        QCOMPARE(w.ComboChapter->text(), QStringLiteral("Chapter"));
        QCOMPARE(w.ComboChapter->count(), 0);
        QCOMPARE(w.ListVerse->items(), QStringList{"Click verse to view chapter."});
        QCOMPARE(w.TextSearch->text(),
                 QStringLiteral("Enter search words, phrase, or verse and select book."));
        QCOMPARE(w.ComboCategory->text(), QStringLiteral("Select Subject"));
        QCOMPARE(w.TextFavoritesList->text(), QString());
        QCOMPARE(w.TextVersesFavorites->text(), QString());
        QCOMPARE(w.TextFavorites->text(), QString());

        const QString welcome = w.TextVerses->text();
        const QStringList lines = welcome.split("\r\n");
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines.first(), QStringLiteral("VELLUMARK"));
        QCOMPARE(lines.at(8), QStringLiteral("This program is funded by our sponsor"));
        QVERIFY(!welcome.endsWith("\r\n"));

        for (QWidget* shown : {(QWidget*)w.Label1, (QWidget*)w.ComboBooks, (QWidget*)w.ComboChapter,
                               (QWidget*)w.TextVerses, (QWidget*)w.Label3, (QWidget*)w.Label4,
                               (QWidget*)w.ComboBookFavorites, (QWidget*)w.TextVersesFavorites,
                               (QWidget*)w.TextFavorites, (QWidget*)w.ComboCategory,
                               (QWidget*)w.CommandAddFavorite, (QWidget*)w.TextFavoritesList})
            QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
        for (QWidget* hidden : {(QWidget*)w.Label2, (QWidget*)w.TextSearch, (QWidget*)w.ComboSearch,
                                (QWidget*)w.ListVerse, (QWidget*)w.LabelCategory})
            QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));

        QCOMPARE(QApplication::focusWidget() == w.ComboBooks ||
                     QApplication::focusWidget() == w.ComboBooks->lineEdit(),
                 true);
        QCOMPARE(w.activeControl(), w.ComboBooks);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
