#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "fontdialog/frmfont.h"
#include "mainwindow/loadedforms.h"
#include "support/appfixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTest>

namespace {

FrmFont* openDialog(AppFixture& fx) {
    fx.window().menus.mnuSetFont->trigger();
    QApplication::processEvents();
    return fx.window().findChild<FrmFont*>();
}

void closeDialog(FrmFont* dialog) {
    QPointer<FrmFont> gone = dialog;
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(gone.isNull());
}

// A user's click on the item of that text.
void choose(ListBox* list, const QString& item) {
    const QModelIndex index = list->model()->index(int(list->items().indexOf(item)), 0);
    QVERIFY(index.isValid());
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    QCOMPARE(list->text(), item);
}

void verifyDisplayFont(FrmBible& w, const QString& family, bool bold, bool italic, double size) {
    for (QWidget* control : w.displayControls()) {
        const QFont font = control->font();
        QVERIFY2(font.family() == family, qPrintable(control->objectName() + ' ' + font.family()));
        QVERIFY2(font.bold() == bold, qPrintable(control->objectName()));
        QVERIFY2(font.italic() == italic, qPrintable(control->objectName()));
        QVERIFY2(font.pointSizeF() == size, qPrintable(control->objectName()));
    }
}

QStringList selections(const FrmFont* dialog) {
    return {dialog->ListFonts->text(), dialog->ListFontStyle->text(), dialog->ListSize->text()};
}

} // namespace

class TestFontDialog : public QObject {
    Q_OBJECT
private slots:
    void firstOpeningKeepsFontsAndEndsTheFile() {
        AppFixture fx;
        fx.start();
        FrmFont* dialog = openDialog(fx);
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible() && dialog->isWindow());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Display Fonts"));
        QCOMPARE(dialog->Label1->text(), QStringLiteral("&Font:"));
        QCOMPARE(dialog->Label2->text(), QStringLiteral("Font st&yle:"));
        QCOMPARE(dialog->Label3->text(), QStringLiteral("&Size"));
        QCOMPARE(dialog->Label2->buddy(), static_cast<QWidget*>(dialog->ListFontStyle));
        QCOMPARE(dialog->ListFonts->count(), 14);
        QCOMPARE(dialog->ListFontStyle->items(),
                 (QStringList{"Regular", "Italic", "Bold", "Bold Italic"}));
        QCOMPARE(dialog->ListSize->count(), 11);
        QCOMPARE(selections(dialog), (QStringList{"Arial", "Regular", "8"}));
        QCOMPARE(fx.readBytes("Pref.dat"), QByteArray("Arial\r\nRegular\r\n8\r\n"));
        verifyDisplayFont(fx.window(), "Arial", false, false, 8.0);
        // A window of its own that Exit finds and closes.
        QVERIFY(QApplication::topLevelWidgets().contains(dialog));
        QVERIFY(fx.app().forms().forms().contains(dialog));
        QVERIFY(fx.messages.asked.isEmpty());
    }

    void everyChoiceAppliesAndSaves() {
        AppFixture fx;
        fx.start();
        FrmFont* dialog = openDialog(fx);
        FrmBible& w = fx.window();
        choose(dialog->ListFonts, "Courier New");
        verifyDisplayFont(w, "Courier New", false, false, 8.0);
        QCOMPARE(fx.readBytes("Pref.dat"), QByteArray("Courier New\r\nRegular\r\n8\r\n"));
        choose(dialog->ListFontStyle, "Italic");
        verifyDisplayFont(w, "Courier New", false, true, 8.0);
        choose(dialog->ListFontStyle, "Bold");
        verifyDisplayFont(w, "Courier New", true, false, 8.0);
        choose(dialog->ListSize, "12");
        verifyDisplayFont(w, "Courier New", true, false, 12.0);
        QCOMPARE(fx.readBytes("Pref.dat"), QByteArray("Courier New\r\nBold\r\n12\r\n"));
        // The rest of the main window keeps its design fonts.
        for (QWidget* control :
             QList<QWidget*>{w.ComboBooks, w.ComboChapter, w.ComboCategory, w.TextVersesFavorites,
                             w.CommandAddFavorite, w.Label3}) {
            QCOMPARE(control->font().family(), QStringLiteral("MS Sans Serif"));
            QCOMPARE(control->font().pointSizeF(), 8.25);
            QCOMPARE(control->font().italic(), false);
        }
        QVERIFY(w.Label3->font().bold());
        QVERIFY(!w.ComboBooks->font().bold());
        QCOMPARE(dialog->ListFonts->font().family(), QStringLiteral("MS Sans Serif"));
    }

    void nextStartAppliesTheChoice() {
        QByteArray saved;
        {
            AppFixture fx;
            fx.start();
            FrmFont* dialog = openDialog(fx);
            choose(dialog->ListFonts, "Times New Roman");
            choose(dialog->ListFontStyle, "Bold Italic");
            choose(dialog->ListSize, "12");
            saved = fx.readBytes("Pref.dat");
        }
        QCOMPARE(saved, QByteArray("Times New Roman\r\nBold Italic\r\n12\r\n"));
        AppFixture next;
        next.writeBytes("Pref.dat", saved);
        next.start();
        verifyDisplayFont(next.window(), "Times New Roman", true, true, 12.0);
    }

    void handEditedValues_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QByteArray>("savedAfterOpening");
        QTest::newRow("nominal: Italic Bold is both but no style of the list")
            << QByteArray("Verdana\r\nItalic Bold\r\n10") << QStringList{"Verdana", "", "10"}
            << true << true << QByteArray("Verdana\r\n\r\n10\r\n");
        QTest::newRow("nominal: lower-case bold is no style")
            << QByteArray("Verdana\r\nbold\r\n10") << QStringList{"Verdana", "", "10"} << false
            << false << QByteArray("Verdana\r\n\r\n10\r\n");
        QTest::newRow("robustness: unknown font and size")
            << QByteArray("Garamond\r\nBold\r\n13") << QStringList{"", "Bold", ""} << true << false
            << QByteArray("\r\nBold\r\n\r\n");
        QTest::newRow("robustness: one line")
            << QByteArray("Courier") << QStringList{"Courier", "", ""} << false << false
            << QByteArray("Courier\r\n\r\n\r\n");
    }
    void handEditedValues() {
        QFETCH(QByteArray, record);
        QFETCH(QStringList, selected);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QByteArray, savedAfterOpening);
        AppFixture fx;
        fx.writeBytes("Pref.dat", record);
        fx.start();
        const QFont before = fx.window().TextVerses->font();
        QCOMPARE(before.bold(), bold);
        QCOMPARE(before.italic(), italic);
        FrmFont* dialog = openDialog(fx);
        QCOMPARE(selections(dialog), selected);
        // Values no item equals run no click: the start-up font stays.
        verifyDisplayFont(fx.window(), before.family(), bold, italic, before.pointSizeF());
        QCOMPARE(fx.readBytes("Pref.dat"), savedAfterOpening);
    }

    // One instance: showing it again brings it forward without loading it again; closing it
    // undoes nothing and reopening shows the last choices.
    void showingAgainAndReopening() {
        AppFixture fx;
        fx.start();
        FrmFont* dialog = openDialog(fx);
        choose(dialog->ListFonts, "Verdana");
        choose(dialog->ListSize, "16");
        fx.writeBytes("Pref.dat", "Times New Roman\r\nBold\r\n20");
        QCOMPARE(openDialog(fx), dialog);
        QCOMPARE(fx.window().findChildren<FrmFont*>().size(), 1);
        QCOMPARE(selections(dialog), (QStringList{"Verdana", "Regular", "16"}));
        QCOMPARE(fx.readBytes("Pref.dat"), QByteArray("Times New Roman\r\nBold\r\n20"));
        choose(dialog->ListSize, "16"); // a click on the selected line saves again
        closeDialog(dialog);
        QVERIFY(!fx.app().forms().forms().contains(dialog));
        verifyDisplayFont(fx.window(), "Verdana", false, false, 16.0);
        dialog = openDialog(fx);
        QVERIFY(dialog);
        QCOMPARE(selections(dialog), (QStringList{"Verdana", "Regular", "16"}));
    }

    void fileDeletedWhileRunning() {
        AppFixture fx;
        fx.start();
        QVERIFY(QFile::remove(fx.path("Pref.dat")));
        FrmFont* dialog = openDialog(fx);
        QCOMPARE(selections(dialog), (QStringList{"", "", ""}));
        QVERIFY(!QFile::exists(fx.path("Pref.dat")));
        verifyDisplayFont(fx.window(), "Arial", false, false, 8.0);
        choose(dialog->ListFontStyle, "Italic");
        QCOMPARE(fx.readBytes("Pref.dat"), QByteArray("\r\nItalic\r\n\r\n"));
        verifyDisplayFont(fx.window(), "Arial", false, true, 8.0);
    }

    void failedSavesAreReported() {
        AppFixture fx;
        fx.start();
        const QString path = fx.path("Pref.dat");
        fx.files.failWrite = [path](const QString& p) { return p == path; };
        FrmFont* dialog = openDialog(fx);
        QCOMPARE(fx.messages.asked.size(), 1); // three saves while loading, one message
        QCOMPARE(fx.messages.asked.first().buttons, MessageBoxes::OkOnly);
        choose(dialog->ListSize, "14");
        QCOMPARE(fx.messages.asked.size(), 2);
        verifyDisplayFont(fx.window(), "Arial", false, false, 14.0); // the choice still applies
        QCOMPARE(fx.readBytes("Pref.dat"), QByteArray("Arial\r\nRegular\r\n8"));
    }
};

QTEST_MAIN(TestFontDialog)
#include "tst_fontdialog.moc"
