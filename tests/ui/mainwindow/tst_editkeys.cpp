#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/textbox.h"
#include "support/appfixture.h"
#include "text/generaldate.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

// The edit keys and the middle click, on the desktop's own clipboard. Runs on an X display:
// there the clipboard can have no owner at all, which Qt's own paste does not survive.
namespace {

QWidget* mouseTarget(QWidget* control) {
    if (auto* box = qobject_cast<TextBox*>(control))
        return box->viewport();
    if (auto* combo = qobject_cast<ComboBox*>(control))
        return combo->lineEdit();
    return control;
}

} // namespace

class TestEditKeys : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> fx;
    QClipboard* desktop() { return QGuiApplication::clipboard(); }

private slots:
    // One window for every row: each row sets the text, selection and clipboard it needs.
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display: run under xvfb-run");
        fx = std::make_unique<AppFixture>();
        fx->useSystemClipboard = true;
        fx->start();
    }
    void cleanupTestCase() { fx.reset(); }

    void editKey_data() {
        for (const char* column : {"control", "text"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        for (const char* column :
             {"clipboard", "key", "expectedText", "expectedClipboard", "expectedSelection"})
            QTest::addColumn<QString>(column);
        const auto row = [](const QByteArray& name, const char* control, const char* text,
                            int start, int length, const QString& clipboard, const char* key,
                            const char* expectedText, const QString& expectedClipboard,
                            const char* expectedSelection) {
            QTest::newRow(name.constData())
                << control << text << start << length << clipboard << key << expectedText
                << expectedClipboard << expectedSelection;
        };
        const char* kText = "TextVerses";
        const char* kCombo = "ComboBooks";
        const char* kLine = "TextVersesFavorites";
        row("nominal: Ctrl+C copies the CR LF as held", kText, "one\r\ntwo\nthree", 0, 8, "old",
            "Ctrl+C", "one\r\ntwo\nthree", "one\r\ntwo", "one\r\ntwo");
        row("nominal: Ctrl+X cuts across a line break", kText, "ab\r\ncd", 1, 4, "old", "Ctrl+X",
            "ad", "b\r\nc", "");
        row("nominal: Shift+Ins pastes line breaks at the caret", kText, "ab", 1, 0, "X\r\nY",
            "Shift+Ins", "aX\r\nYb", "X\r\nY", "");
        row("nominal: a reference box keeps the digits of a paste", kLine, "1:", 2, 0, "3\r\n4",
            "Ctrl+V", "1:34", "3\r\n4", "");
        row("nominal: Del deletes a line break as one character", kText, "ab\r\ncd", 2, 0, "keep",
            "Del", "abcd", "keep", "");
        row("nominal: Ctrl+A selects a text box's line breaks too", kText, "ab\r\n\r\ncd", 1, 0,
            "keep", "Ctrl+A", "ab\r\n\r\ncd", "keep", "ab\r\n\r\ncd");
        row("robustness: Ctrl+X with nothing selected keeps the clipboard", kText, "abc", 1, 0,
            "keep", "Ctrl+X", "abc", "keep", "");
        row("nominal: F5 writes the date at the caret", kText, "ab", 1, 0, "keep", "F5", "a<date>b",
            "keep", "");
        for (const char* key : {"Ctrl+X", "Ctrl+V", "Del", "Ctrl+A", "F5"}) // no text to edit
            row("robustness: on the Add Verse button, " + QByteArray(key), "CommandAddFavorite", "",
                0, 0, "keep", key, "", "keep", "");
        for (const QByteArray control : {kText, kCombo, kLine}) {
            row("robustness: Ctrl+V, clipboard without owner, " + control, control.constData(),
                "1:2", 0, 3, QString(), "Ctrl+V", "1:2", QString(), "1:2");
            row("robustness: middle click, nothing selected anywhere, " + control,
                control.constData(), "1:2", 3, 0, QString(), "middle", "1:2", QString(), "");
        }
    }
    // The key runs its Edit command once, as an edit the page's change handler sees, and the
    // focus stays where it was.
    void editKey() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, clipboard);
        QFETCH(QString, key);
        QFETCH(QString, expectedText);
        QFETCH(QString, expectedClipboard);
        FrmBible& w = fx->window();
        auto* widget = w.findChild<QWidget*>(control);
        auto* target = dynamic_cast<TextControl*>(widget);
        focusOn(widget);
        if (target) {
            target->setText(text);
            target->setSelStart(selStart);
            target->setSelLength(selLength);
        }
        desktop()->clear(QClipboard::Clipboard);
        desktop()->clear(QClipboard::Selection);
        if (!clipboard.isNull()) // a null text: a clipboard without owner
            desktop()->setText(clipboard);
        const auto changes =
            target ? std::make_unique<QSignalSpy>(widget, SIGNAL(changed())) : nullptr;

        const QString before = generalDateText(QDateTime::currentDateTime());
        if (key == QLatin1String("middle"))
            QTest::mouseClick(mouseTarget(widget), Qt::MiddleButton, {}, QPoint(2, 2));
        else
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
        const QString after = generalDateText(QDateTime::currentDateTime());

        const QString edited = target ? target->text() : QString();
        QVERIFY2(edited == QString(expectedText).replace("<date>", before) ||
                     edited == QString(expectedText).replace("<date>", after),
                 qPrintable(edited));
        QCOMPARE(desktop()->text(), expectedClipboard);
        QTEST(target ? target->selText() : QString(), "expectedSelection");
        QCOMPARE(changes && changes->count() > 0, expectedText != text);
        QCOMPARE(w.activeControl(), widget);
    }
};

QTEST_MAIN(TestEditKeys)
#include "tst_editkeys.moc"
