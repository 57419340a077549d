#include "controls/combobox.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "support/appfixture.h"

#include <QAction>
#include <QTest>
#include <QTextBlock>

// Reading through the real window: turning chapters by key, copying verses with their reference
// and opening a search result. Which chapter comes next, which verses a selection touches and
// what a search finds are decided and tested in the core.
class TestReading : public QObject {
    Q_OBJECT
    AppFixture fx;

    FrmBible& w() { return fx.window(); }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    QString shown() { return w().ComboBooks->text() + ' ' + w().ComboChapter->text(); }
    // A verse as the result list shows it, its text read straight from the scripture file.
    QString resultLine(const QString& verse) {
        return verse + "  " + testfiles::verseText(testfiles::bible().lines, verse);
    }

private slots:
    // One window for every test: each shows the chapter it needs.
    void initTestCase() { fx.start(); }

    // The keys show a chapter as picking it does, across books, from anywhere in the window;
    // which chapter is next, at either end of the text too, is the core's to decide.
    void turningChapters() {
        focusOn(w().TextFavoritesList);
        press(Qt::Key_PageDown); // no chapter shown yet: the first of the text
        QCOMPARE(shown(), QStringLiteral("Genesis 1"));
        QCOMPARE(QApplication::focusWidget(), w().TextVerses);
        pick(w().ComboBooks, QStringLiteral("Malachi"));
        pick(w().ComboChapter, QStringLiteral("4"));
        w().TextVerses->setSelStart(200);
        press(Qt::Key_PageDown);
        QCOMPARE(shown(), QStringLiteral("Matthew 1"));
        QCOMPARE(w().ComboChapter->items().size(), 28);
        QCOMPARE(w().TextVerses->selStart(), 0);
        press(Qt::Key_PageUp);
        QCOMPARE(shown(), QStringLiteral("Malachi 4"));
        w().menus.mnuContents->trigger(); // no chapter shown: the one the boxes still name
        press(Qt::Key_PageDown);
        QCOMPARE(shown(), QStringLiteral("Malachi 4"));
        QVERIFY(w().TextVerses->text().startsWith(QStringLiteral("1  For, behold")));
    }

    void copyingWithReference() {
        pick(w().ComboBooks, QStringLiteral("John"));
        pick(w().ComboChapter, QStringLiteral("3"));
        const QString text = w().TextVerses->text();
        w().TextVerses->setSelStart(int(text.indexOf(QStringLiteral("16  For God")) - 8));
        w().TextVerses->setSelLength(12); // from the end of verse 15 into verse 16
        press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(fx.clipboard.text(), resultLine("John 3:15") + "\r\n" + resultLine("John 3:16"));
        QCOMPARE(w().TextVerses->text(), text);
    }

    // An opened result: its verse at the top and marked, the searched words marked; the text,
    // the caret and the selection as they would be without the marks.
    void anOpenedResultIsEasyToSee() {
        w().menus.mnuSearch2->trigger();
        w().TextSearch->setText(QStringLiteral("love one another"));
        pick(w().ComboSearch, QStringLiteral("The Bible")); // picking the book searches
        w().ListVerse->setText(resultLine("John 15:12"));
        const QString text = w().TextVerses->text();
        const int verse = int(text.indexOf(QStringLiteral("12  This is my commandment")));
        QCOMPARE(w().TextVerses->selStart(), verse);
        QCOMPARE(w().TextVerses->selLength(), 0);
        QCOMPARE(w().TextVerses->cursorForPosition(QPoint(6, 6)).block().position(),
                 w().TextVerses->positionOfOffset(verse)); // the verse at the top
        const QList<QTextEdit::ExtraSelection> marks = w().TextVerses->extraSelections();
        QStringList marked;
        for (const QTextEdit::ExtraSelection& mark : marks)
            marked << mark.cursor.selectedText();
        QCOMPARE(marked.count(QStringLiteral("love one another")), 2); // verses 12 and 17
        QVERIFY(marked.last().startsWith(QStringLiteral("12  This is my commandment")));
        QTest::mouseClick(w().TextVerses->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(w().TextVerses->extraSelections().size(), marks.size() - 1); // the verse's
        QCOMPARE(w().TextVerses->text(), text);
    }
};

QTEST_MAIN(TestReading)
#include "tst_reading.moc"
