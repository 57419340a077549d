#include "controls/combobox.h"
#include "controls/textbox.h"
#include "support/appfixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

// The edit keys and the middle click on a real desktop clipboard. Runs on an X display: there
// the clipboard can have no owner at all, which Qt's own paste does not survive.
namespace {

const QString kHeld = QStringLiteral("3\r\n4");

// Keys go where a user's keys go: to the widget with the focus.
QWidget* keyTarget() {
    return QApplication::focusWidget();
}

QWidget* mouseTarget(QWidget* control) {
    if (auto* box = qobject_cast<TextBox*>(control))
        return box->viewport();
    if (auto* combo = qobject_cast<ComboBox*>(control))
        return combo->lineEdit();
    return control;
}

TextControl* textOf(QWidget* control) {
    return dynamic_cast<TextControl*>(control);
}

} // namespace

class TestEditKeys : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> fx;

    FrmBible& w() { return fx->window(); }

    // Shows the control's page, fills it and gives it the focus with the caret at the end.
    QWidget* prepare(const QString& name) {
        auto* control = w().findChild<QWidget*>(name);
        if (!control->isVisible())
            w().menus.mnuSearch2->trigger();
        focusOn(control);
        textOf(control)->setText(QStringLiteral("1:2"));
        textOf(control)->setSelStart(3);
        return control;
    }

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display: run under xvfb-run");
    }
    void init() {
        fx = std::make_unique<AppFixture>();
        fx->useSystemClipboard = true;
        fx->start();
    }
    void cleanup() { fx.reset(); }

    void pasteKeysAndMiddleClick_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("clipboardHolds");
        for (const char* control : {"TextVerses", "TextFavoritesList", "TextFavorites",
                                    "TextSearch", "ComboCategory", "TextVersesFavorites"}) {
            QTest::addRow("robustness: %s, clipboard without owner", control) << control << false;
            QTest::addRow("nominal: %s, clipboard holding text", control) << control << true;
        }
    }
    void pasteKeysAndMiddleClick() {
        QFETCH(QString, control);
        QFETCH(bool, clipboardHolds);
        QWidget* target = prepare(control);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear(QClipboard::Clipboard);
        clipboard->clear(QClipboard::Selection);
        if (clipboardHolds)
            clipboard->setText(kHeld);
        // The reference box keeps digits and separators only, the line break not.
        const bool reference = target == w().TextVersesFavorites;
        const QString pasted = clipboardHolds ? (reference ? QStringLiteral("34") : kHeld) : "";

        QTest::keyClick(keyTarget(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(textOf(target)->text(), "1:2" + pasted);
        QTest::keyClick(keyTarget(), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(textOf(target)->text(), "1:2" + pasted + pasted);
        QTest::mouseClick(mouseTarget(target), Qt::MiddleButton, {}, QPoint(2, 2));
        QCOMPARE(textOf(target)->text(), "1:2" + pasted + pasted);
    }

    // Copy by key puts the text as it is held, CR LF and all, as Edit > Copy does; cut and
    // delete by key go through the same commands.
    void copyCutAndDeleteKeys() {
        auto* list = qobject_cast<TextBox*>(prepare(QStringLiteral("TextFavoritesList")));
        list->setText(QStringLiteral("one\r\ntwo\nthree"));
        list->setSelStart(0);
        list->setSelLength(8);
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one\r\ntwo"));
        QTest::keyClick(list, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(list->text(), QStringLiteral("\nthree"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one\r\ntwo"));
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(list->text(), QStringLiteral("three"));
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(list->selLength(), 5);
    }
};

QTEST_MAIN(TestEditKeys)
#include "tst_editkeys.moc"
