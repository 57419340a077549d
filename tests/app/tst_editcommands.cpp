#include "app/generaldate.h"
#include "app/toolkit/combobox.h"
#include "app/toolkit/listbox.h"
#include "app/toolkit/textbox.h"
#include "support/appfixture.h"

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

void setClipboard(MemoryClipboard& clipboard, const QString& text) {
    if (text == kNoText)
        clipboard.clear();
    else
        clipboard.setText(text);
}

QString clipboardText(const MemoryClipboard& clipboard) {
    return clipboard.hasText() ? clipboard.text() : kNoText;
}

// Shows the page of the control and gives it the focus.
void focusControl(FrmBible& w, QWidget* control) {
    if (!control->isVisible())
        w.menus.mnuSearch2->trigger();
    focusOn(control);
    QCOMPARE(w.activeControl(), control);
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
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<QString>("expectedClipboard");
        QTest::addColumn<QString>("expectedSelection");

        const QString verse = QStringLiteral("In the beginning");
        QTest::newRow("nominal: cut in a text box") << "TextVerses" << verse << 3 << 4 << "old"
                                                    << "cut"
                                                    << "In beginning"
                                                    << "the "
                                                    << "";
        QTest::newRow("nominal: cut across a line break") << "TextVerses"
                                                          << "ab\r\ncd" << 1 << 4 << "old"
                                                          << "cut"
                                                          << "ad"
                                                          << "b\r\nc"
                                                          << "";
        QTest::newRow("nominal: copy in a combo box") << "ComboBooks"
                                                      << "Genesis" << 0 << 3 << "old"
                                                      << "copy"
                                                      << "Genesis"
                                                      << "Gen"
                                                      << "Gen";
        QTest::newRow("nominal: paste over the selection of a combo box")
            << "ComboBooks"
            << "Genesis" << 0 << 7 << "Exodus"
            << "paste"
            << "Exodus"
            << "Exodus"
            << "";
        QTest::newRow("nominal: paste at the caret of a text box") << "TextVerses"
                                                                   << "ab" << 1 << 0 << "X\r\nY"
                                                                   << "paste"
                                                                   << "aX\r\nYb"
                                                                   << "X\r\nY"
                                                                   << "";
        QTest::newRow("nominal: paste into a single-line box") << "TextVersesFavorites"
                                                               << "1:" << 2 << 0 << "16"
                                                               << "paste"
                                                               << "1:16"
                                                               << "16"
                                                               << "";
        QTest::newRow("nominal: delete the selection, clipboard untouched")
            << "TextVerses"
            << "abcdef" << 1 << 2 << "keep"
            << "delete"
            << "adef"
            << "keep"
            << "";
        QTest::newRow("nominal: delete the character after the caret") << "TextVerses"
                                                                       << "abc" << 1 << 0 << "keep"
                                                                       << "delete"
                                                                       << "ac"
                                                                       << "keep"
                                                                       << "";
        QTest::newRow("nominal: delete a line break as one character")
            << "TextVerses"
            << "ab\r\ncd" << 2 << 0 << "keep"
            << "delete"
            << "abcd"
            << "keep"
            << "";
        QTest::newRow("nominal: delete in a combo box") << "ComboBooks"
                                                        << "Genesis" << 0 << 0 << "keep"
                                                        << "delete"
                                                        << "enesis"
                                                        << "keep"
                                                        << "";
        QTest::newRow("nominal: delete in a single-line box") << "TextVersesFavorites"
                                                              << "1:1-6" << 3 << 2 << "keep"
                                                              << "delete"
                                                              << "1:1"
                                                              << "keep"
                                                              << "";
        QTest::newRow("nominal: select all in a combo box selects its text part")
            << "ComboBooks"
            << "Song of Solomon" << 5 << 0 << "keep"
            << "selectAll"
            << "Song of Solomon"
            << "keep"
            << "Song of Solomon";
        QTest::newRow("nominal: select all in a text box with line breaks")
            << "TextVerses"
            << "ab\r\n\r\ncd" << 1 << 0 << "keep"
            << "selectAll"
            << "ab\r\n\r\ncd"
            << "keep"
            << "ab\r\n\r\ncd";
        QTest::newRow("robustness: cut with nothing selected keeps the clipboard")
            << "TextVerses"
            << "abc" << 1 << 0 << "keep"
            << "cut"
            << "abc"
            << "keep"
            << "";
        QTest::newRow("robustness: copy with nothing selected keeps the clipboard")
            << "ComboBooks"
            << "Genesis" << 2 << 0 << "keep"
            << "copy"
            << "Genesis"
            << "keep"
            << "";
        QTest::newRow("robustness: paste without text on the clipboard keeps the selection")
            << "TextVerses"
            << "abc" << 0 << 3 << kNoText << "paste"
            << "abc" << kNoText << "abc";
        QTest::newRow("robustness: paste of an empty clipboard text keeps the selection")
            << "ComboBooks"
            << "Genesis" << 0 << 7 << ""
            << "paste"
            << "Genesis"
            << ""
            << "Genesis";
        QTest::newRow("robustness: delete at the end of the text") << "TextVerses"
                                                                   << "abc" << 3 << 0 << "keep"
                                                                   << "delete"
                                                                   << "abc"
                                                                   << "keep"
                                                                   << "";
    }

    void commandOnTextControl() {
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, clipboard);
        QFETCH(QString, command);
        QFETCH(QString, expectedText);
        QFETCH(QString, expectedClipboard);
        QFETCH(QString, expectedSelection);

        FrmBible& w = fx->window();
        auto* widget = w.findChild<QWidget*>(control);
        auto* target = dynamic_cast<TextControl*>(widget);
        QVERIFY(target);
        focusControl(w, widget);
        target->setText(text);
        target->setSelStart(selStart);
        target->setSelLength(selLength);
        setClipboard(fx->clipboard, clipboard);

        ::command(w, command)->trigger();

        QCOMPARE(target->text(), expectedText);
        QCOMPARE(clipboardText(fx->clipboard), expectedClipboard);
        QCOMPARE(target->selText(), expectedSelection);
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
        auto* widget = w.findChild<QWidget*>(control);
        focusControl(w, widget);
        fx->clipboard.setText(QStringLiteral("keep"));

        ::command(w, command)->trigger();

        QCOMPARE(w.ListVerse->items(), results);
        QCOMPARE(w.ListVerse->text(), results[1]);
        QCOMPARE(w.TextFavoritesList->text(), favorites);
        QCOMPARE(fx->clipboard.text(), QStringLiteral("keep"));
        QCOMPARE(w.activeControl(), widget);
    }

    void timeDateInsertsAtTheCaret() {
        FrmBible& w = fx->window();
        focusOn(w.TextFavoritesList);
        w.TextFavoritesList->setText(QStringLiteral("Love\r\nnotes"));
        w.TextFavoritesList->setSelStart(6);
        const QString before = generalDateText(QDateTime::currentDateTime());
        w.menus.mnuTimeDate->trigger();
        const QString after = generalDateText(QDateTime::currentDateTime());
        const QString text = w.TextFavoritesList->text();
        QVERIFY2(text == "Love\r\n" + before + "notes" || text == "Love\r\n" + after + "notes",
                 qPrintable(text));
        QVERIFY(before.contains(QLatin1Char(' ')));
    }

    void editsRunTheChangeHandler_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("changes");
        for (const char* control : {"TextFavoritesList", "ComboCategory"}) {
            QTest::addRow("nominal: cut in %s", control) << control << "cut" << 1;
            QTest::addRow("nominal: paste in %s", control) << control << "paste" << 1;
            QTest::addRow("nominal: delete in %s", control) << control << "delete" << 1;
            QTest::addRow("nominal: time and date in %s", control) << control << "timeDate" << 1;
            QTest::addRow("nominal: copy in %s", control) << control << "copy" << 0;
            QTest::addRow("nominal: select all in %s", control) << control << "selectAll" << 0;
        }
    }

    // An edit by a command is an edit of the control: the subject's change handler sees it.
    void editsRunTheChangeHandler() {
        QFETCH(QString, control);
        QFETCH(QString, command);
        QFETCH(int, changes);
        FrmBible& w = fx->window();
        auto* widget = w.findChild<QWidget*>(control);
        auto* target = dynamic_cast<TextControl*>(widget);
        focusOn(widget);
        target->setText(QStringLiteral("Faith Hope"));
        target->setSelStart(0);
        target->setSelLength(5);
        fx->clipboard.setText(QStringLiteral("Charity"));
        int counted = 0;
        target->onChange = [&] { ++counted; };
        ::command(w, command)->trigger();
        QCOMPARE(counted, changes);
    }

    void keysOfTheTextBoxesStillWork() {
        FrmBible& w = fx->window();
        focusOn(w.TextVerses);
        w.TextVerses->setText(QStringLiteral("abcd"));
        w.TextVerses->setSelStart(1);
        QTest::keyClick(w.TextVerses, Qt::Key_Delete);
        QCOMPARE(w.TextVerses->text(), QStringLiteral("acd")); // once, not by key and menu
        QTest::keyClick(w.TextVerses, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(w.TextVerses->selText(), QStringLiteral("acd"));
        QTest::keyClick(w.TextVerses, Qt::Key_Delete);
        QCOMPARE(w.TextVerses->text(), QString());

        focusOn(w.ComboBooks);
        w.ComboBooks->setText(QStringLiteral("Genesis"));
        w.ComboBooks->setSelStart(0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QCOMPARE(w.ComboBooks->text(), QStringLiteral("enesis"));
    }

    void timeDateShortcutReachesTheFocusedBox() {
        FrmBible& w = fx->window();
        focusOn(w.TextFavoritesList);
        w.TextFavoritesList->setText(QStringLiteral("Love"));
        w.TextFavoritesList->setSelStart(4);
        int counted = 0;
        w.TextFavoritesList->onChange = [&] { ++counted; };
        QTest::keyClick(w.TextFavoritesList, Qt::Key_F5);
        QVERIFY(w.TextFavoritesList->text().size() > 4);
        QVERIFY(w.TextFavoritesList->text().startsWith(QStringLiteral("Love")));
        QCOMPARE(counted, 1);
    }
};

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
