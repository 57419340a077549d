#include "controls/listbox.h"
#include "fontdialog/fontdialog.h"
#include "placement/placement.h"
#include "prefs/fontstandins.h"
#include "support/appfixture.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QTest>
#include <QTimer>
#include <QToolTip>

using enum placement::Control;

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

// What a user sees: every box whole inside the window, up to the largest size in Display Fonts.
class TestReadability : public QObject {
    Q_OBJECT
    AppFixture fx;

private slots:
    // The carets sit at the ends of long texts, so a larger font moves their lines down.
    void initTestCase() {
        MainWindow& w = fx.start().window();
        fx.app().searchPage(); // its boxes too, though hidden
        fx.textBox(TextFavorites)->setText(QStringList(9, "For God so loved the world,").join(' '));
        fx.textBox(TextFavoritesList)->setText(QString(40, '\n') + "end");
        auto* results = fx.control<ListBox>(ListVerse);
        results->setItems(QStringList(200, "John 3:16"));
        results->setCurrentIndex(results->model()->index(30, 0));
        for (TextBox* box : w.findChildren<TextBox*>())
            box->setSelStart(int(box->text().size()));
    }

    void chosenFontIsAppliedSavedAndReadable_data() {
        QTest::addColumn<QStringList>("font"); // family, style, size
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("shown");
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
            return !saved && path.endsWith("/Pref.dat");
        };
        fx.messages.asked.clear();
        const QByteArray before = fx.readBytes("Pref.dat");
        MainWindow& w = fx.window();
        fx.trigger("mnuFavoriteVerses"); // the search page's boxes change while hidden
        QPointer<FontDialog> dialog = openFontDialog(fx);
        QTRY_VERIFY(dialog->isVisible()); // over the window; the core's table covers the edges
        const QPoint offset = dialog->frameGeometry().center() - w.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 1, qPrintable(QString::number(offset.x())));
        for (int part = 0; const char* list : {"ListFonts", "ListFontStyle", "ListSize"})
            choose(dialog->findChild<ListBox*>(list), font[part++]);
        QCOMPARE(fx.readBytes("Pref.dat"),
                 saved ? (font.join("\r\n") + "\r\n").toLatin1() : before);
        QCOMPARE(fx.messages.asked.isEmpty(), saved); // a failed save is reported
        QTEST(displayFont(w), "shown");
        QCOMPARE(QFontInfo(fx.textBox(TextVerses)->font())
                     .family(), // the system's own choice is no guess
                 prefs::standInFamily(font[0], QFontDatabase::families()).value_or(font[0]));
        QTest::keyClick(dialog->findChild<ListBox*>("ListFonts"), Qt::Key_Escape);
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

    // Bigger text from the keyboard and the wheel goes the way of Display Fonts, open or not.
    void fontSizeSteps() {
        fx.files.failWrite = [](const QString&) { return false; };
        TextBox* reading = fx.textBox(TextVerses);
        QVERIFY(fx.writeBytes("Pref.dat", "Arial\r\nItalic\r\n12\r\nmore"));
        const auto stepTo = [&](const QKeySequence& keys, const char* size) {
            QTest::keySequence(reading, keys);
            QCOMPARE(reading->font().pointSizeF(), QByteArray(size).toDouble());
            QCOMPARE(fx.readBytes("Pref.dat"), "Arial\r\nItalic\r\n" + QByteArray(size) + "\r\n");
        };
        stepTo(QKeySequence::ZoomIn, "14");
        const QPointF middle = reading->viewport()->rect().center();
        QWheelEvent wheel(middle, reading->mapToGlobal(middle), {}, {0, -120}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(reading->viewport(), &wheel);
        QCOMPARE(displayFont(fx.window()), "Comic Sans MS italic 12");
        QPointer<FontDialog> dialog = openFontDialog(fx);
        auto* sizes = dialog->findChild<ListBox*>("ListSize");
        choose(sizes, "9"); // where the next steps begin
        QApplication::setActiveWindow(&fx.window());
        stepTo(QKeySequence::ZoomOut, "8");
        QCOMPARE(sizes->text(), "8");
        stepTo(QKeySequence(Qt::CTRL | Qt::Key_0), "9");
        dialog->close();
    }

    // What a screen reader says of each box: the caption the window shows for it, then its tip;
    // and of Display Fonts, a dialog, its title.
    void screenReaderNamesEachBox_data() {
        for (const char* column : {"control", "name", "description"})
            QTest::addColumn<QString>(column);
        const auto row = [](QLatin1String control, const char* name, const char* description) {
            QTest::newRow(control.data()) << QString(control) << name << description;
        };
        row(designName(ComboBooks), "Book", "");
        row(designName(ComboChapter), "Chapter", "");
        row(designName(TextSearch), "Search words",
            "Enter search words, phrase, or verse and select book.");
        row(designName(ComboSearch), "Book to search", "Select Book to Search");
        row(designName(ListVerse), "Results", "List Results (click to view)");
        row(designName(ComboBookFavorites), "Book to look up", "Select Book");
        row(designName(TextVersesFavorites), "Reference", "Enter Verse(s)");
        row(designName(TextFavorites), "Verse", "Verse");
        row(designName(ComboCategory), "Subject", "Select or Enter New Category");
        row(QLatin1String("frmFont"), "Display Fonts", "");
    }
    void screenReaderNamesEachBox() {
        QFETCH(QString, control);
        QWidget* box = control == "frmFont" ? openFontDialog(fx) : fx.control(qPrintable(control));
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(box);
        QTEST(heard->text(QAccessible::Name), "name");
        QTEST(heard->text(QAccessible::Description), "description");
        QCOMPARE(heard->role() == QAccessible::Dialog, box->isWindow());
        if (box->isWindow())
            box->close();
    }

    // The window as a user resizes it, and where it opens next time.
    void windowGrowsAndIsRemembered() {
        MainWindow& w = fx.window();
        for (const QSize& asked : {QSize(1200, 760), QSize(300, 200)}) {
            w.resize(asked);
            QTRY_COMPARE(w.size(), asked.expandedTo(w.minimumSizeHint()));
            const auto layout = placement::windowLayout(w.centralWidget()->size());
            for (auto it = layout.cbegin(); it != layout.cend(); ++it) {
                const QRect placed = fx.control(it.key())->geometry();
                QVERIFY2(placed.topLeft() == it->topLeft() && placed.width() == it->width() &&
                             placed.height() >= it->height(), // the font may make it taller
                         designName(it.key()).data());
            }
        }
        // A real message box opens centred over the window, wherever and however large it is.
        QPoint offset;
        QTimer::singleShot(0, &w, [&] {
            QWidget* box = QApplication::activeModalWidget();
            offset = box->frameGeometry().center() - w.frameGeometry().center();
            box->close();
        });
        WidgetMessageBoxes(&w).ask("Centred?", MessageBoxes::OkOnly, "Vellumark");
        QVERIFY2(offset.manhattanLength() <= 1, qPrintable(QString::number(offset.y())));
        auto* results = fx.control<ListBox>(ListVerse);
        fx.trigger("mnuSearch2");
        results->setItems({QString(300, 'x'), "John 3:16"});
        for (int row : {0, 1}) {
            const QRect item = results->visualRect(results->model()->index(row, 0));
            QHelpEvent help(QEvent::ToolTip, item.center(), results->mapToGlobal(item.center()));
            QApplication::sendEvent(results->viewport(), &help);
            QCOMPARE(QToolTip::text(), row ? results->toolTip() : results->items().constFirst());
        }
        w.move(40, 30);
        w.resize(900, 600);
        w.setWindowState(Qt::WindowMaximized);
        QVERIFY(w.close());
        QCOMPARE(fx.start().window().geometry(), QRect(40, 30, 900, 600));
        QVERIFY(fx.window().isMaximized());
    }
};

QTEST_MAIN(TestReadability)
#include "tst_readability.moc"
