#include "support/appfixture.h"
#include "text/generaldate.h"

#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using enum placement::Control;

// The edit keys and the middle click, on the desktop's own clipboard. Runs on an X display:
// there the clipboard can have no owner at all, which Qt's own paste does not survive.
namespace {

// A control with its text and selection, the clipboard (null: without owner), a key or "middle"
// for the middle click, and what the text, the clipboard and the selection become.
struct Edit {
    QString control, text;
    int selStart, selLength;
    QString clipboard, key, expectedText, expectedClipboard, expectedSelection;
};

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestEditKeys : public QObject {
    Q_OBJECT
    SystemClipboard systemClipboard;
    AppFixture fx;
    QClipboard* desktop() { return QGuiApplication::clipboard(); }

private slots:
    // One window for every row: each row sets the text, selection and clipboard it needs.
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QFAIL("needs an X display: run under xvfb-run");
        fx.clipboardInUse = &systemClipboard;
        fx.start();
    }

    void editKey_data() {
        QTest::addColumn<Edit>("edit");
        const auto row = [](const QByteArray& name, const Edit& edit) {
            QTest::newRow(name.constData()) << edit;
        };
        const QString text = designName(TextVerses), combo = designName(ComboBooks),
                      line = designName(TextVersesFavorites);
        row("nominal: Ctrl+C copies the CR LF as held",
            {text, "one\r\ntwo\nthree", 0, 8, "old", "Ctrl+C", "one\r\ntwo\nthree", "one\r\ntwo",
             "one\r\ntwo"});
        row("nominal: Ctrl+X cuts across a line break",
            {text, "ab\r\ncd", 1, 4, "old", "Ctrl+X", "ad", "b\r\nc", ""});
        row("nominal: Shift+Ins pastes line breaks at the caret",
            {text, "ab", 1, 0, "X\r\nY", "Shift+Ins", "aX\r\nYb", "X\r\nY", ""});
        row("nominal: a reference box keeps the digits of a paste",
            {line, "1:", 2, 0, "3\r\n4", "Ctrl+V", "1:34", "3\r\n4", ""});
        row("nominal: Del deletes a line break as one character",
            {text, "ab\r\ncd", 2, 0, "keep", "Del", "abcd", "keep", ""});
        row("nominal: Ctrl+A selects a text box's line breaks too",
            {text, "ab\r\n\r\ncd", 1, 0, "keep", "Ctrl+A", "ab\r\n\r\ncd", "keep", "ab\r\n\r\ncd"});
        row("robustness: Ctrl+X with nothing selected keeps the clipboard",
            {text, "abc", 1, 0, "keep", "Ctrl+X", "abc", "keep", ""});
        row("nominal: F5 writes the date at the caret",
            {text, "ab", 1, 0, "keep", "F5", "a<date>b", "keep", ""});
        for (const char* key : {"Ctrl+X", "Ctrl+V", "Del", "Ctrl+A", "F5"}) // no text to edit
            row("robustness: on the Add Verse button, " + QByteArray(key),
                {designName(CommandAddFavorite), "", 0, 0, "keep", key, "", "keep", ""});
        for (const QString& control : {text, combo, line}) {
            row("robustness: Ctrl+V, clipboard without owner, " + control.toLatin1(),
                {control, "1:2", 0, 3, QString(), "Ctrl+V", "1:2", QString(), "1:2"});
            row("robustness: middle click, nothing selected anywhere, " + control.toLatin1(),
                {control, "1:2", 3, 0, QString(), "middle", "1:2", QString(), ""});
        }
    }
    // The key runs its Edit command once, as an edit the page's change handler sees, and the
    // focus stays where it was.
    void editKey() {
        QFETCH(Edit, edit);
        QWidget* widget = fx.control(qPrintable(edit.control));
        auto* target = dynamic_cast<TextControl*>(widget);
        focusOn(widget);
        if (target) {
            target->setText(edit.text);
            target->setSelStart(edit.selStart);
            target->setSelLength(edit.selLength);
        }
        desktop()->clear(QClipboard::Clipboard);
        desktop()->clear(QClipboard::Selection);
        if (!edit.clipboard.isNull())
            desktop()->setText(edit.clipboard);
        const auto changes =
            target ? std::make_unique<QSignalSpy>(widget, SIGNAL(changed())) : nullptr;
        const QString before = text::generalDateText(QDateTime::currentDateTime());
        if (edit.key == QLatin1String("middle")) {
            auto* box = qobject_cast<TextBox*>(widget); // where a user's middle click lands
            auto* combo = qobject_cast<ComboBox*>(widget);
            QTest::mouseClick(box     ? box->viewport()
                              : combo ? combo->lineEdit()
                                      : widget,
                              Qt::MiddleButton, {}, QPoint(2, 2));
        } else {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(edit.key));
        }
        const QString after = text::generalDateText(QDateTime::currentDateTime());
        const QString edited = target ? target->text() : QString();
        QVERIFY2(edited == QString(edit.expectedText).replace("<date>", before) ||
                     edited == QString(edit.expectedText).replace("<date>", after),
                 qPrintable(edited));
        QCOMPARE(desktop()->text(), edit.expectedClipboard);
        QCOMPARE(target ? target->selText() : QString(), edit.expectedSelection);
        QCOMPARE(changes && changes->count() > 0, edit.expectedText != edit.text);
        QCOMPARE(fx.window().activeControl(), widget);
    }

    // The search page, built when first shown, pastes the desktop's selection at a middle click.
    void middleClickOnTheSearchPage() {
        fx.trigger("mnuSearch2");
        TextBox* box = fx.textBox(TextSearch);
        box->setText("love");
        desktop()->setText("one ", QClipboard::Selection);
        QTest::mouseClick(box->viewport(), Qt::MiddleButton, {}, QPoint(2, 2));
        QCOMPARE(box->text(), QStringLiteral("one love"));
        fx.trigger("mnuFavoriteVerses");
    }
};

QTEST_MAIN(TestEditKeys)
#include "tst_editkeys.moc"
