#include "comparedialog/comparedialog.h"
#include "controls/commandbutton.h"
#include "controls/listbox.h"
#include "reading/readingarea.h"
#include "scripture/resultline.h"
#include "search/searchsummary.h"
#include "support/appfixture.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>

using enum placement::Control;

// Reading through the real window: turning chapters by key, copying verses with their reference,
// searching and opening the results by keyboard, and looking a reference up.
class TestReading : public QObject {
    Q_OBJECT
    AppFixture fx;

    ComboBox* chapterBox() { return fx.combo(ComboChapter); }
    TextBox* readingText() { return fx.textBox(TextVerses); }
    TextBox* queryBox() { return fx.textBox(TextSearch); }
    ListBox* resultList() { return fx.control<ListBox>(ListVerse); }
    QLabel* status() { return fx.control<QLabel>("searchStatus"); }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    // A verse as the result list shows it, its text read straight from the scripture file.
    QString resultLine(const QString& verse) {
        return verse + "  " + testfiles::verseText(testfiles::bible().lines, verse);
    }

private slots:
    // One window for every test, its compared modules rendered into a cache of the test's own.
    void initTestCase() {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(fx.path("cache")));
        fx.start();
    }

    // The keys show a chapter as picking it does, across books, from anywhere in the window; each
    // verse then copies as the number its paragraph starts with names it, after added lines too.
    void turningChaptersAndCopying() {
        // At start the book box has the focus, its text selected to type over.
        QCOMPARE(fx.window().focusWidget(), fx.combo(ComboBooks));
        QCOMPARE(fx.combo(ComboBooks)->selLength(), fx.combo(ComboBooks)->text().size());
        focusOn(fx.textBox(TextFavoritesList));
        press(Qt::Key_PageDown); // no chapter shown yet: the first of the text
        QCOMPARE(fx.chapterShown(), QStringLiteral("Genesis 1"));
        QCOMPARE(QApplication::focusWidget(), readingText());
        fx.showChapter(QStringLiteral("Malachi"), QStringLiteral("4"));
        readingText()->setSelStart(200);
        press(Qt::Key_PageDown);
        QCOMPARE(fx.chapterShown(), QStringLiteral("Matthew 1"));
        QCOMPARE(chapterBox()->items().size(), 28);
        QCOMPARE(readingText()->selStart(), 0);
        press(Qt::Key_PageUp);
        QCOMPARE(fx.chapterShown(), QStringLiteral("Malachi 4"));
        fx.trigger("mnuContents"); // no chapter shown: the one the boxes still name
        press(Qt::Key_PageDown);
        QCOMPARE(fx.chapterShown(), QStringLiteral("Malachi 4"));
        QVERIFY(readingText()->text().startsWith(QStringLiteral("1  For, behold")));
        fx.showChapter(QStringLiteral("John"), QStringLiteral("3"));
        press(Qt::Key_Return, Qt::NoModifier);
        press(Qt::Key_Return, Qt::NoModifier);
        const QString text = readingText()->text();
        readingText()->setSelStart(int(text.indexOf(QStringLiteral("16  For God")) - 8));
        readingText()->setSelLength(12); // from the end of verse 15 into verse 16
        press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(fx.clipboard.text(), resultLine("John 3:15") + "\r\n" + resultLine("John 3:16"));
        QCOMPARE(readingText()->text(), text);
    }

    // By keys alone: Enter searches, a pasted line break is a space, the arrow keys open one
    // result after another with the focus kept in the list, Enter goes to the chapter, the
    // boxes step on from the chapter they show, Return in the reference box looks up, and each
    // menu has an Alt key of its own.
    void searchingAndReadingByKeyboard() {
        fx.trigger("mnuSearch2");
        QCOMPARE(status()->text(), search::kChooseWhereHint);
        pick(fx.combo(ComboSearch), QStringLiteral("The Bible")); // the prompt stands
        typeOver(queryBox(), QStringLiteral("love another"));
        queryBox()->setSelStart(4);
        fx.clipboard.setText(QStringLiteral("\r\none"));
        press(Qt::Key_V);
        QCOMPARE(queryBox()->text(), QStringLiteral("love one another"));
        QCOMPARE(queryBox()->selStart(), 8);
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(queryBox()->text(), QStringLiteral("love one another"));
        QCOMPARE(resultList()->count(), 12); // found as a phrase
        QCOMPARE(status()->text(), QStringLiteral("12 verses"));
        pressTab();
        const QStringList results = resultList()->items();
        for (const QString& result : results) {
            press(Qt::Key_Down, Qt::NoModifier);
            QCOMPARE(fx.chapterShown(), result.section(u':', 0, 0));
            QCOMPARE(QApplication::focusWidget(), resultList());
        }
        press(Qt::Key_Home, Qt::NoModifier);
        press(Qt::Key_Return, Qt::NoModifier);
        QCOMPARE(fx.chapterShown(), QStringLiteral("John 13"));
        QCOMPARE(QApplication::focusWidget(), readingText());
        resultList()->setText(results.filter(QStringLiteral("Romans 13:")).constFirst());
        for (ComboBox* box : {fx.combo(ComboBooks), chapterBox()}) // in step
            QCOMPARE(box->itemText(box->currentIndex()), box->text());
        focusOn(chapterBox());
        press(Qt::Key_Down, Qt::NoModifier);
        QCOMPARE(fx.chapterShown(), QStringLiteral("Romans 14"));
        fx.trigger("mnuFavoriteVerses");
        fx.combo(ComboBookFavorites)->setText(QStringLiteral("John"));
        typeOver(fx.control<LineTextBox>(TextVersesFavorites), QStringLiteral("3:16"));
        press(Qt::Key_Return, Qt::NoModifier);
        QVERIFY(fx.textBox(TextFavorites)->text().startsWith(u" For God so loved"));
        QStringList keys;
        for (QAction* menu : fx.window().menuBar()->actions())
            keys << QKeySequence::mnemonic(menu->text()).toString();
        keys << QKeySequence::mnemonic(fx.control<CommandButton>(CommandAddFavorite)->text())
                    .toString();
        QCOMPARE(keys.first(), QStringLiteral("Alt+F"));
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    }

    // An opened result: its verse at the top and marked in a colour of its own, readable in a
    // light palette and a dark one; the searched words marked; the text, the caret and the
    // selection as they would be without the marks.
    void anOpenedResultIsEasyToSee() {
        resultList()->setText(resultLine("John 15:12")); // from the search above
        const QString text = readingText()->text();
        const int verse = int(text.indexOf(QStringLiteral("12  This is my commandment")));
        QCOMPARE(readingText()->selStart(), verse);
        QCOMPARE(readingText()->selLength(), 0);
        QCOMPARE(readingText()->cursorForPosition(QPoint(6, 6)).block().position(),
                 readingText()->positionOfOffset(verse)); // the verse at the top
        const QPalette dark(QColor(40, 40, 40));          // black base, white text
        for (const QPalette& palette : {readingText()->palette(), dark}) {
            readingText()->setPalette(palette);
            const auto marks = readingText()->extraSelections();
            QStringList marked;
            for (const QTextEdit::ExtraSelection& mark : marks)
                marked << mark.cursor.selectedText();
            QCOMPARE(marked.count(QStringLiteral("love one another")), 2); // verses 12 and 17
            QVERIFY(marked.first().startsWith(QStringLiteral("12  This is my commandment")));
            const QColor mark = marks.first().format.background().color();
            QVERIFY(std::abs(mark.hsvHue() - palette.color(QPalette::Highlight).hsvHue()) >= 90);
            QVERIFY(std::abs(mark.lightnessF() - palette.color(QPalette::Text).lightnessF()) > .6);
        }
        QTest::mouseClick(readingText()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(readingText()->extraSelections().size(), 2); // the verse's mark is gone
        QCOMPARE(readingText()->text(), text);
        // Ctrl+F selects the search words to type over.
        fx.trigger("mnuFavoriteVerses");
        focusOn(readingText());
        press(Qt::Key_F);
        QCOMPARE(QApplication::focusWidget(), queryBox());
        QCOMPARE(queryBox()->selLength(), queryBox()->text().size());
    }

    // Back and Forward by key, by the mouse's buttons over any control and from the menu, each
    // place with its top line as it was left; F1 shows the instructions, which name the keys.
    void goingBackAndForward() {
        fx.showChapter(QStringLiteral("Genesis"), QStringLiteral("1"));
        press(Qt::Key_PageDown);
        readingText()->verticalScrollBar()->setValue(7);
        const int top = readingText()->topOffset();
        resultList()->setText(resultLine("John 15:12")); // from the search above
        press(Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(fx.chapterShown(), QStringLiteral("Genesis 2"));
        QCOMPARE(readingText()->topOffset(), top);
        QTest::mousePress(readingText()->viewport(), Qt::BackButton);
        QCOMPARE(fx.chapterShown(), QStringLiteral("Genesis 1"));
        QTest::mousePress(fx.combo(ComboSearch), Qt::ForwardButton);
        QCOMPARE(fx.chapterShown(), QStringLiteral("Genesis 2"));
        fx.trigger("mnuForward");
        QCOMPARE(fx.chapterShown(), QStringLiteral("John 15"));
        QVERIFY(!fx.menuItem("mnuForward")->isEnabled());
        press(Qt::Key_F1, Qt::NoModifier);
        const QString help = readingText()->text();
        press(Qt::Key_Left, Qt::AltModifier); // from the instructions, to the chapter left
        QVERIFY(readingText()->text().startsWith(QStringLiteral("1  I am the true vine")));
        for (const char* item :
             {"mnuBack", "mnuForward", "mnuNextChapter", "mnuPreviousChapter", "mnuGoToReference",
              "mnuBiggerText", "mnuSmallerText", "mnuNormalSize", "mnuCopyWithReference",
              "mnuCompareTranslations", "mnuStopRendering", "mnuSearch2", "mnuContents",
              "mnuTimeDate", "mnuHighlightClear", "mnuAddBookmark", "mnuBookmarks",
              "mnuNoteOnVerse"})
            QVERIFY2(help.contains(fx.menuItem(item)->shortcut().toString() + ": "), item);
    }
    // Going anywhere by typing: Ctrl+L selects the book box's text, so a book typed over it and
    // Enter show the book's first chapter; a reference shows its chapter with the verse at the
    // top and marked; a book picked from the list shows its first chapter, where a bookmark set
    // says so and Go to Bookmark returns; the search box lists the verses of a range.
    void goingAnywhereByTyping() {
        ComboBox* bookBox = fx.combo(ComboBooks);
        press(Qt::Key_L);
        QTest::keyClicks(bookBox, QStringLiteral("Romans"));
        QTest::keyClick(bookBox, Qt::Key_Return);
        QCOMPARE(fx.chapterShown(), QStringLiteral("Romans 1"));
        press(Qt::Key_L);
        QCOMPARE(QApplication::focusWidget(), bookBox);
        QTest::keyClicks(bookBox, QStringLiteral("jn 3:16"));
        QTest::keyClick(bookBox, Qt::Key_Return);
        QCOMPARE(fx.chapterShown(), QStringLiteral("John 3"));
        const QString chapter = readingText()->text();
        QVERIFY(chapter.sliced(readingText()->selStart()).startsWith(u"16  For God so loved"));
        QCOMPARE(readingText()->extraSelections().size(), 1); // the verse, marked
        pick(bookBox, QStringLiteral("Jude"));
        QCOMPARE(fx.chapterShown(), QStringLiteral("Jude 1"));
        QVERIFY(readingText()->text().startsWith(u"1  Jude, the servant"));
        fx.trigger("mnuSetBookmark"); // says where
        QCOMPARE(fx.window().statusBar()->currentMessage(),
                 QStringLiteral("Bookmark set at Jude 1"));
        fx.trigger("mnuSearch2");
        pick(fx.combo(ComboSearch), QStringLiteral("The Bible"));
        typeOver(queryBox(), QStringLiteral("John 3:16-18"));
        press(Qt::Key_Return, Qt::NoModifier);
        QCOMPARE(resultList()->items(),
                 QStringList(
                     {resultLine("John 3:16"), resultLine("John 3:17"), resultLine("John 3:18")}));
        QCOMPARE(status()->text(), QStringLiteral("3 verses"));
        fx.trigger("mnuFavoriteVerses"); // the count is the search page's alone
        QVERIFY(!status()->isVisible());
        fx.showChapter(QStringLiteral("Romans"), QStringLiteral("2"));
        fx.trigger("mnuGoToBookmark");
        QCOMPARE(fx.chapterShown(), QStringLiteral("Jude 1"));
    }

    // Ctrl+K on a verse shows it in every text, Bible.dat first, in a window of its own, copied
    // with its reference; on the instructions it does nothing. Closing the window stops the
    // renderings it started, and the window goes.
    void comparingTranslations() {
        press(Qt::Key_F1, Qt::NoModifier);
        press(Qt::Key_K);
        QVERIFY(!fx.window().findChild<CompareDialog*>());
        fx.showChapter(QStringLiteral("John"), QStringLiteral("3"));
        readingText()->setSelStart(int(readingText()->text().indexOf("16  For God")) + 9);
        focusOn(readingText());
        press(Qt::Key_K);
        auto* dialog = fx.window().findChild<CompareDialog*>();
        QVERIFY(dialog && dialog->isVisible());
        const QString verse = testfiles::verseText(testfiles::bible().lines, "John 3:16");
        QTRY_VERIFY(
            (dialog->findChild<QPushButton*>("cmdCopyComparison")->click(),
             fx.clipboard.text().startsWith("John 3:16\r\n\r\nOrrisant Version\r\n" + verse)));
        QTest::keyClick(dialog, Qt::Key_Escape); // the modules still rendered stop
        QTRY_VERIFY(!fx.window().findChild<CompareDialog*>());
    }
};

QTEST_MAIN(TestReading)
#include "tst_reading.moc"
