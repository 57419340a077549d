#include "controls/combobox.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "support/appfixture.h"
#include "text/generaldate.h"

#include <QAction>
#include <QTest>

namespace {

const QString kNoText = QStringLiteral("<no text>"); // a clipboard without text

QAction* command(FrmBible& w, const QString& name) {
    const QHash<QString, QAction*> actions = {{"cut", w.menus.mnuCut},
                                              {"copy", w.menus.mnuCopy},
                                              {"paste", w.menus.mnuPaste},
                                              {"delete", w.menus.mnuDelete},
                                              {"selectAll", w.menus.mnuSelectAll},
                                              {"timeDate", w.menus.mnuTimeDate}};
    return actions.value(name);
}

// Shows the page of the control and gives it the focus.
QWidget* focusControl(FrmBible& w, const QString& name) {
    auto* control = w.findChild<QWidget*>(name);
    if (!control->isVisible())
        w.menus.mnuSearch2->trigger();
    focusOn(control);
    return control;
}

void row(const char* name, const char* control, const QString& text, int selStart, int selLength,
         const QString& clipboard, const char* command, const QString& expectedText,
         const QString& expectedClipboard, const QString& expectedSelection) {
    QTest::newRow(name) << control << text << selStart << selLength << clipboard << command
                        << expectedText << expectedClipboard << expectedSelection;
}

} // namespace

class TestEditCommands : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> fx;

private slots:
    void init() {
        fx = std::make_unique<AppFixture>();
        fx->start();
    }
    void cleanup() { fx.reset(); }

    void commandOnTextControl_data() {
        for (const char* column : {"control", "text"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        for (const char* column :
             {"clipboard", "command", "expectedText", "expectedClipboard", "expectedSelection"})
            QTest::addColumn<QString>(column);
        row("nominal: cut across a line break", "TextVerses", "ab\r\ncd", 1, 4, "old", "cut", "ad",
            "b\r\nc", "");
        row("nominal: copy in a combo box", "ComboBooks", "Genesis", 0, 3, "old", "copy", "Genesis",
            "Gen", "Gen");
        row("nominal: paste over the selection of a combo box", "ComboBooks", "Genesis", 0, 7,
            "Exodus", "paste", "Exodus", "Exodus", "");
        row("nominal: paste at the caret of a text box", "TextVerses", "ab", 1, 0, "X\r\nY",
            "paste", "aX\r\nYb", "X\r\nY", "");
        row("nominal: paste into a single-line box", "TextVersesFavorites", "1:", 2, 0, "16",
            "paste", "1:16", "16", "");
        row("nominal: delete the selection, clipboard untouched", "TextVerses", "abcdef", 1, 2,
            "keep", "delete", "adef", "keep", "");
        row("nominal: delete a line break as one character", "TextVerses", "ab\r\ncd", 2, 0, "keep",
            "delete", "abcd", "keep", "");
        row("nominal: delete in a combo box", "ComboBooks", "Genesis", 0, 0, "keep", "delete",
            "enesis", "keep", "");
        row("nominal: delete in a single-line box", "TextVersesFavorites", "1:1-6", 3, 2, "keep",
            "delete", "1:1", "keep", "");
        row("nominal: select all in a combo box selects its text part", "ComboBooks",
            "Song of Solomon", 5, 0, "keep", "selectAll", "Song of Solomon", "keep",
            "Song of Solomon");
        row("nominal: select all in a text box with line breaks", "TextVerses", "ab\r\n\r\ncd", 1,
            0, "keep", "selectAll", "ab\r\n\r\ncd", "keep", "ab\r\n\r\ncd");
        row("robustness: cut with nothing selected keeps the clipboard", "TextVerses", "abc", 1, 0,
            "keep", "cut", "abc", "keep", "");
        row("robustness: copy with nothing selected keeps the clipboard", "ComboBooks", "Genesis",
            2, 0, "keep", "copy", "Genesis", "keep", "");
        row("robustness: paste without text on the clipboard keeps the selection", "TextVerses",
            "abc", 0, 3, kNoText, "paste", "abc", kNoText, "abc");
        row("robustness: paste of an empty clipboard text keeps the selection", "ComboBooks",
            "Genesis", 0, 7, "", "paste", "Genesis", "", "Genesis");
        row("robustness: delete at the end of the text", "TextVerses", "abc", 3, 0, "keep",
            "delete", "abc", "keep", "");
    }
    void commandOnTextControl() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, clipboard);
        QFETCH(QString, command);
        FrmBible& w = fx->window();
        QWidget* widget = focusControl(w, control);
        auto* target = dynamic_cast<TextControl*>(widget);
        QVERIFY(target);
        target->setText(text);
        target->setSelStart(selStart);
        target->setSelLength(selLength);
        if (clipboard == kNoText)
            fx->clipboard.clear();
        else
            fx->clipboard.setText(clipboard);

        ::command(w, command)->trigger();

        QTEST(target->text(), "expectedText");
        QTEST(fx->clipboard.hasText() ? fx->clipboard.text() : kNoText, "expectedClipboard");
        QTEST(target->selText(), "expectedSelection");
        QCOMPARE(w.activeControl(), widget); // a menu command never moves the focus
    }

    void commandWithoutEditableText_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("command");
        for (const char* control : {"ListVerse", "CommandAddFavorite"})
            for (const char* name : {"cut", "copy", "paste", "delete", "selectAll", "timeDate"})
                QTest::addRow("robustness: %s on %s", name, control) << control << name;
    }
    // The result list and the button hold no editable text: the commands leave them, the
    // other controls and the clipboard as they were.
    void commandWithoutEditableText() {
        QFETCH(QString, control);
        QFETCH(QString, command);
        FrmBible& w = fx->window();
        const QStringList results = {QStringLiteral("Genesis 1:1  In the beginning"),
                                     QStringLiteral("John 1:1  In the beginning was the Word")};
        w.ListVerse->setItems(results);
        w.ListVerse->setText(results[1]);
        const QString favorites = w.TextFavoritesList->text();
        QWidget* widget = focusControl(w, control);
        fx->clipboard.setText(QStringLiteral("keep"));

        ::command(w, command)->trigger();

        QCOMPARE(w.ListVerse->items(), results);
        QCOMPARE(w.ListVerse->text(), results[1]);
        QCOMPARE(w.TextFavoritesList->text(), favorites);
        QCOMPARE(fx->clipboard.text(), QStringLiteral("keep"));
        QCOMPARE(w.activeControl(), widget);
    }

    void editsRunTheChangeHandler_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("changes");
        for (const char* control : {"TextFavoritesList", "ComboCategory"}) {
            for (const char* name : {"cut", "paste", "delete", "timeDate"})
                QTest::addRow("nominal: %s in %s", name, control) << control << name << 1;
            for (const char* name : {"copy", "selectAll"})
                QTest::addRow("nominal: %s in %s", name, control) << control << name << 0;
        }
    }
    // An edit by a command is an edit of the control: the subject's change handler sees it.
    void editsRunTheChangeHandler() {
        QFETCH(QString, control);
        QFETCH(QString, command);
        QWidget* widget = focusControl(fx->window(), control);
        auto* target = dynamic_cast<TextControl*>(widget);
        target->setText(QStringLiteral("Faith Hope"));
        target->setSelStart(0);
        target->setSelLength(5);
        fx->clipboard.setText(QStringLiteral("Charity"));
        int counted = 0;
        const auto count = [&] { ++counted; };
        if (auto* box = qobject_cast<TextBox*>(widget))
            QObject::connect(box, &TextBox::changed, widget, count);
        else if (auto* combo = qobject_cast<ComboBox*>(widget))
            QObject::connect(combo, &ComboBox::changed, widget, count);
        else if (auto* line = qobject_cast<LineTextBox*>(widget))
            QObject::connect(line, &LineTextBox::changed, widget, count);
        ::command(fx->window(), command)->trigger();
        QTEST(counted, "changes");
    }

    // F5 reaches Time/Date, which inserts the general date at the caret as one edit.
    void timeDateShortcutInsertsAtTheCaret() {
        FrmBible& w = fx->window();
        focusOn(w.TextFavoritesList);
        w.TextFavoritesList->setText(QStringLiteral("Love\r\nnotes"));
        w.TextFavoritesList->setSelStart(6);
        int counted = 0;
        QObject::connect(w.TextFavoritesList, &TextBox::changed, &w, [&] { ++counted; });
        const QString before = generalDateText(QDateTime::currentDateTime());
        QTest::keyClick(w.TextFavoritesList, Qt::Key_F5);
        const QString after = generalDateText(QDateTime::currentDateTime());
        const QString text = w.TextFavoritesList->text();
        QVERIFY2(text == "Love\r\n" + before + "notes" || text == "Love\r\n" + after + "notes",
                 qPrintable(text));
        QVERIFY(before.contains(QLatin1Char(' ')));
        QCOMPARE(counted, 1);
    }

    // The Del and Ctrl+A shortcuts of the menu must not stop or double the keys of the boxes.
    void keysOfTheTextBoxesStillWork() {
        FrmBible& w = fx->window();
        focusOn(w.TextVerses);
        w.TextVerses->setText(QStringLiteral("abcd"));
        w.TextVerses->setSelStart(1);
        QTest::keyClick(w.TextVerses, Qt::Key_Delete);
        QCOMPARE(w.TextVerses->text(), QStringLiteral("acd")); // once, not by key and menu
        QTest::keyClick(w.TextVerses, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(w.TextVerses->selText(), QStringLiteral("acd"));
        focusOn(w.ComboBooks);
        w.ComboBooks->setText(QStringLiteral("Genesis"));
        w.ComboBooks->setSelStart(0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QCOMPARE(w.ComboBooks->text(), QStringLiteral("enesis"));
    }
};

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
