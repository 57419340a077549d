#include "controls/listbox.h"
#include "controls/textbox.h"
#include "fontdialog/frmfont.h"
#include "support/appfixture.h"

#include <QAction>
#include <QImage>
#include <QTest>
#include <QWindow>

namespace {

FrmFont* openFontDialog(FrmBible& w) {
    w.menus.mnuSetFont->trigger();
    QApplication::processEvents();
    return w.findChild<FrmFont*>();
}

// A user's click on the item of that text.
void choose(ListBox* list, const QString& item) {
    const QModelIndex index = list->model()->index(int(list->items().indexOf(item)), 0);
    QVERIFY(index.isValid());
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

// Whether anything dark is painted.
bool hasInk(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < 200)
                return true;
    return false;
}

} // namespace

// What a user sees: every box whole inside the window, at every font size in Display Fonts.
class TestReadability : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> fx;

private slots:
    // The carets sit at the ends of long texts, so a larger font moves their lines down.
    void initTestCase() {
        fx = std::make_unique<AppFixture>();
        FrmBible& w = fx->start().window();
        w.TextFavorites->setText(verseText(QStringLiteral("John 3:16")));
        w.TextFavoritesList->setText(QString(40, QLatin1Char('\n')) + QStringLiteral("end"));
        w.ListVerse->setItems(QStringList(200, QStringLiteral("John 3:16")));
        w.ListVerse->setCurrentIndex(w.ListVerse->model()->index(30, 0));
        for (TextBox* box : w.findChildren<TextBox*>())
            box->setSelStart(int(box->text().size()));
    }
    void cleanupTestCase() { fx.reset(); }

    void chosenFontIsAppliedSavedAndReadable_data() {
        QTest::addColumn<QStringList>("font"); // family, style, size
        QTest::addColumn<bool>("saved");
        QTest::newRow("nominal: the smallest size, 8 pt")
            << QStringList{"Times New Roman", "Regular", "8"} << true;
        QTest::newRow("robustness: the largest size, 24 pt")
            << QStringList{"Courier New", "Bold Italic", "24"} << true;
        QTest::newRow("robustness: Pref.dat cannot be written, the font still applies")
            << QStringList{"Times New Roman", "Italic", "12"} << false;
    }
    // Each choice applies to the boxes that show scripture, and is saved.
    void chosenFontIsAppliedSavedAndReadable() {
        QFETCH(QStringList, font);
        QFETCH(bool, saved);
        fx->files.failWrite = [saved](const QString& path) {
            return !saved && path.endsWith(QStringLiteral("/Pref.dat"));
        };
        fx->messages.asked.clear();
        const QByteArray before = fx->readBytes(QStringLiteral("Pref.dat"));
        FrmBible& w = fx->window();
        w.menus.mnuFavoriteVerses->trigger(); // the search page's boxes change while hidden
        FrmFont* dialog = openFontDialog(w);
        choose(dialog->ListFonts, font[0]);
        choose(dialog->ListFontStyle, font[1]);
        choose(dialog->ListSize, font[2]);
        QCOMPARE(fx->readBytes(QStringLiteral("Pref.dat")),
                 saved ? (font.join("\r\n") + "\r\n").toLatin1() : before);
        QCOMPARE(fx->messages.asked.isEmpty(), saved); // a failed save is reported
        for (QWidget* control : w.displayControls()) {
            const QFont f = control->font();
            QVERIFY2(f.family() == font[0] && f.bold() == font[1].contains("Bold") &&
                         f.italic() == font[1].contains("Italic") &&
                         f.pointSizeF() == font[2].toDouble(),
                     qPrintable(control->objectName()));
        }
        dialog->close();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QRect area = w.centralWidget()->rect();
        const QList<QWidget*> all =
            w.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QAction* page : {w.menus.mnuFavoriteVerses, w.menus.mnuSearch2}) {
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
                    // The caret's place is inside, and the line there is painted.
                    const QRect caretLine(0, text->cursorRect().top(), text->viewport()->width(),
                                          text->cursorRect().height());
                    QVERIFY2(text->viewport()->rect().contains(caretLine), name.constData());
                    QVERIFY2(hasInk(text->viewport()->grab(caretLine).toImage()), name.constData());
                } else if (auto* list = qobject_cast<ListBox*>(box)) {
                    QVERIFY2(
                        list->viewport()->rect().contains(list->visualRect(list->currentIndex())),
                        name.constData());
                }
            }
        }
    }

    void tipsNameTheControlsAndTheFrameHasNoMaximise() {
        FrmBible& w = fx->window();
        for (QWidget* control : w.findChildren<QWidget*>())
            if (!control->toolTip().isEmpty())
                QCOMPARE(control->accessibleName(), control->toolTip());
        QVERIFY(!w.windowHandle()->flags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowHandle()->flags().testFlag(Qt::WindowCloseButtonHint));
    }

    // The core's table covers a window at the screen's edges.
    void fontDialogOpensOverTheWindowAndEscClosesIt() {
        FrmBible& w = fx->window();
        w.move(200, 150);
        QTRY_COMPARE(w.pos(), QPoint(200, 150));
        QPointer<FrmFont> dialog = openFontDialog(w);
        QTRY_VERIFY(dialog->isVisible());
        const QPoint offset = dialog->frameGeometry().center() - w.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 1, qPrintable(QString::number(offset.x())));
        QTest::keyClick(dialog->ListFonts, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
    }
};

QTEST_MAIN(TestReadability)
#include "tst_readability.moc"
