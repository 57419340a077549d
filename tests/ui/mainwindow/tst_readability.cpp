#include "controls/listbox.h"
#include "controls/textbox.h"
#include "fontdialog/fontdialog.h"
#include "prefs/fontstandins.h"
#include "support/appfixture.h"

#include <QAction>
#include <QFontDatabase>
#include <QTest>

namespace {

FontDialog* openFontDialog(AppFixture& fx) {
    fx.menuItem("mnuSetFont")->trigger();
    QApplication::processEvents();
    return fx.window().findChild<FontDialog*>();
}

void choose(ListBox* list, const QString& item) {
    const QModelIndex index = list->model()->index(int(list->items().indexOf(item)), 0);
    QVERIFY(index.isValid());
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

} // namespace

// What a user sees: every box whole inside the window, at every font size in Display Fonts.
class TestReadability : public QObject {
    Q_OBJECT
    AppFixture fx;

private slots:
    // The carets sit at the ends of long texts, so a larger font moves their lines down.
    void initTestCase() {
        MainWindow& w = fx.start().window();
        fx.textBox("TextFavorites")
            ->setText(QStringList(9, QStringLiteral("For God so loved the world,")).join(' '));
        fx.textBox("TextFavoritesList")->setText(QString(40, '\n') + QStringLiteral("end"));
        auto* results = fx.control<ListBox>("ListVerse");
        results->setItems(QStringList(200, QStringLiteral("John 3:16")));
        results->setCurrentIndex(results->model()->index(30, 0));
        for (TextBox* box : w.findChildren<TextBox*>())
            box->setSelStart(int(box->text().size()));
    }

    void chosenFontIsAppliedSavedAndReadable_data() {
        QTest::addColumn<QStringList>("font"); // family, style, size
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("shown");
        QTest::newRow("nominal: the smallest size, 8 pt")
            << QStringList{"Times New Roman", "Regular", "8"} << true << "Times New Roman 8";
        QTest::newRow("robustness: the largest size, 24 pt")
            << QStringList{"Courier New", "Bold Italic", "24"} << true
            << "Courier New bold italic 24";
        QTest::newRow("robustness: Pref.dat cannot be written, the font still applies")
            << QStringList{"Comic Sans MS", "Italic", "12"} << false << "Comic Sans MS italic 12";
    }
    void chosenFontIsAppliedSavedAndReadable() {
        QFETCH(QStringList, font);
        QFETCH(bool, saved);
        fx.files.failWrite = [saved](const QString& path) {
            return !saved && path.endsWith(QStringLiteral("/Pref.dat"));
        };
        fx.messages.asked.clear();
        const QByteArray before = fx.readBytes(QStringLiteral("Pref.dat"));
        MainWindow& w = fx.window();
        fx.menuItem("mnuFavoriteVerses")->trigger(); // the search page's boxes change while hidden
        QPointer<FontDialog> dialog = openFontDialog(fx);
        QTRY_VERIFY(dialog->isVisible()); // over the window; the core's table covers the edges
        const QPoint offset = dialog->frameGeometry().center() - w.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 1, qPrintable(QString::number(offset.x())));
        const auto list = [&](const char* name) { return dialog->findChild<ListBox*>(name); };
        choose(list("ListFonts"), font[0]);
        choose(list("ListFontStyle"), font[1]);
        choose(list("ListSize"), font[2]);
        QCOMPARE(fx.readBytes(QStringLiteral("Pref.dat")),
                 saved ? (font.join("\r\n") + "\r\n").toLatin1() : before);
        QCOMPARE(fx.messages.asked.isEmpty(), saved); // a failed save is reported
        QTEST(displayFont(w), "shown");
        QCOMPARE(QFontInfo(fx.textBox("TextVerses")->font())
                     .family(), // the system's own choice is no guess
                 prefs::standInFamily(font[0], QFontDatabase::families()).value_or(font[0]));
        QTest::keyClick(list("ListFonts"), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QRect area = w.centralWidget()->rect();
        const QList<QWidget*> all =
            w.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QAction* page : {fx.menuItem("mnuFavoriteVerses"), fx.menuItem("mnuSearch2")}) {
            page->trigger();
            QApplication::processEvents();
            for (QWidget* box : w.displayControls()) {
                if (!box->isVisible())
                    continue;
                const QByteArray name = box->objectName().toUtf8();
                QVERIFY2(area.contains(box->geometry()), name.constData());
                for (QWidget* other : all)
                    if (other != box && other->isVisible())
                        QVERIFY2(!other->geometry().intersects(box->geometry()), name.constData());
                if (auto* text = qobject_cast<TextBox*>(box)) {
                    const QRect caretLine(0, text->cursorRect().top(), text->viewport()->width(),
                                          text->cursorRect().height());
                    QVERIFY2(text->viewport()->rect().contains(caretLine), name.constData());
                    QVERIFY2(!inkIn(text->viewport()->grab(caretLine).toImage(), 200).isEmpty(),
                             name.constData());
                } else if (auto* list = qobject_cast<ListBox*>(box)) {
                    QVERIFY2(
                        list->viewport()->rect().contains(list->visualRect(list->currentIndex())),
                        name.constData());
                }
            }
        }
    }
};

QTEST_MAIN(TestReadability)
#include "tst_readability.moc"
