#include "controls/combobox.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "fontdialog/frmfont.h"
#include "shell/placeholders.h"
#include "support/appfixture.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QWindow>

namespace {

FrmFont* openFontDialog(FrmBible& w) {
    w.menus.mnuSetFont->trigger();
    QApplication::processEvents();
    return w.findChild<FrmFont*>();
}

// How wide the dark pixels of a picture spread.
int inkWidth(const QImage& picture) {
    int left = picture.width();
    int right = -1;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < 200) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right - left + 1;
}

// The box paints all of its text, as wide as the text drawn with room to spare. A text wider
// than the box is scrolled to show the caret at its end, and its start is cut.
bool showsWhole(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    const QFontMetrics metrics = edit->fontMetrics();
    QImage whole(metrics.horizontalAdvance(text) + 20, metrics.height() + 4, QImage::Format_RGB32);
    whole.fill(Qt::white);
    QPainter painter(&whole);
    painter.setFont(edit->font());
    painter.drawText(10, 2 + metrics.ascent(), text);
    painter.end();
    return inkWidth(edit->grab().toImage()) >= inkWidth(whole) - 1;
}

} // namespace

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

    void boxesShowTheirCaretLine_data() {
        QTest::addColumn<QString>("size");
        QTest::newRow("nominal: the smallest size, 8 pt") << "8";
        QTest::newRow("nominal: the largest size, 24 pt") << "24";
    }
    void boxesShowTheirCaretLine() {
        QFETCH(QString, size);
        FrmBible& w = fx->window();
        w.TextSearch->setText(placeholders::kSearchPrompt);
        w.menus.mnuFavoriteVerses->trigger(); // the search page's boxes change while hidden
        FrmFont* dialog = openFontDialog(w);
        dialog->ListSize->setText(size);
        dialog->close();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QRect area = w.centralWidget()->rect();
        for (QAction* page : {w.menus.mnuFavoriteVerses, w.menus.mnuSearch2}) {
            page->trigger();
            QApplication::processEvents();
            if (w.TextSearch->isVisible()) { // a word typed over the wrapped prompt
                focusOn(w.TextSearch);       // which selects the whole prompt
                QTest::keyClicks(w.TextSearch, QStringLiteral("charity"));
                QCOMPARE(w.TextSearch->text(), QStringLiteral("charity"));
            }
            for (QWidget* box : w.displayControls()) {
                if (!box->isVisible())
                    continue;
                const QByteArray name = box->objectName().toUtf8();
                QVERIFY2(area.contains(box->geometry()), name.constData());
                for (QWidget* other :
                     w.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    if (other != box && other->isVisible())
                        QVERIFY2(!other->geometry().intersects(box->geometry()), name.constData());
                if (auto* text = qobject_cast<TextBox*>(box)) {
                    // The caret's place is inside, and the line there is painted.
                    const QRect caretLine(0, text->cursorRect().top(), text->viewport()->width(),
                                          text->cursorRect().height());
                    QVERIFY2(text->viewport()->rect().contains(caretLine), name.constData());
                    QVERIFY2(inkWidth(text->viewport()->grab(caretLine).toImage()) > 0,
                             name.constData());
                } else if (auto* list = qobject_cast<ListBox*>(box))
                    QVERIFY2(
                        list->viewport()->rect().contains(list->visualRect(list->currentIndex())),
                        name.constData());
            }
        }
    }

    void comboBoxesShowTheirWholeText() {
        FrmBible& w = fx->window();
        int checked = 0;
        for (QAction* page : {w.menus.mnuFavoriteVerses, w.menus.mnuSearch2}) {
            page->trigger();
            QApplication::processEvents();
            for (ComboBox* combo : w.findChildren<ComboBox*>()) {
                if (!combo->isVisible())
                    continue;
                const QString kept = combo->text();
                const QStringList texts = combo->items() << kept;
                for (const QString& text : texts)
                    QVERIFY2(showsWhole(combo->lineEdit(), text), qPrintable(text));
                combo->lineEdit()->setText(kept);
                ++checked;
            }
        }
        QVERIFY(checked >= 5);
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
