#include "controls/combobox.h"
#include "controls/textbox.h"
#include "scripture/bookcatalogue.h"
#include "scripture/scripturetext.h"
#include "support/appfixture.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTest>

namespace {

// The reading area as a user leaves it after reading a chapter and moving the caret.
void readAt(AppFixture& fx, const QString& book, const QString& chapter, int caret) {
    FrmBible& w = fx.window();
    w.ComboBooks->setText(book);
    w.ComboChapter->setText(chapter);
    w.TextVerses->setText(
        fx.app().scripture().chapterText(book + ' ' + chapter + ':').value_or(QString()));
    w.TextVerses->setSelStart(caret);
}

QString chapterText(AppFixture& fx, const QString& prefix) {
    return fx.app().scripture().chapterText(prefix).value_or(QString());
}

} // namespace

class TestBookmarkCommands : public QObject {
    Q_OBJECT
private slots:
    void setThenGoToBookmark() {
        AppFixture fx;
        fx.start();
        FrmBible& w = fx.window();
        readAt(fx, "Genesis", "3", 10);
        w.menus.mnuSetBookmark->trigger();
        readAt(fx, "Psalms", "23", 120);
        w.menus.mnuSetBookmark->trigger(); // replaces the first
        QCOMPARE(fx.readBytes("BkMrk.dat"), QByteArray("Psalms\r\n23\r\n120"));
        QVERIFY(fx.messages.asked.isEmpty());

        readAt(fx, "John", "3", 0);
        focusOn(w.ComboBookFavorites);
        fx.pointer.history.clear();
        w.menus.mnuGoToBookmark->trigger();
        QApplication::processEvents();
        QCOMPARE(w.ComboBooks->text(), QStringLiteral("Psalms"));
        QCOMPARE(w.ComboChapter->text(), QStringLiteral("23"));
        QCOMPARE(w.ComboChapter->items(), books::chapterList(150)); // not John's 21
        QCOMPARE(w.TextVerses->text(), chapterText(fx, "Psalms 23:"));
        QCOMPARE(w.TextVerses->selStart(), 120);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.TextVerses));
        QCOMPARE(fx.pointer.history, (QList<bool>{true, false}));
    }

    void goToBookmark_data() {
        QTest::addColumn<QByteArray>("record");
        for (const char* column : {"book", "chapter", "prefix"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<int>("chapters");
        QTest::addColumn<int>("caret"); // -1: at the end of the text
        const auto row = [](const char* name, const char* record, const char* book,
                            const char* chapter, const char* prefix, int chapters, int caret) {
            QTest::newRow(name) << QByteArray(record) << book << chapter << prefix << chapters
                                << caret;
        };
        row("nominal: the default record", "Genesis\r\n1\r\n0", "Genesis", "1", "Genesis 1:", 50,
            0);
        row("nominal: position past the end", "Obadiah\r\n1\r\n99999", "Obadiah", "1",
            "Obadiah 1:", 1, -1);
        row("nominal: unchecked texts select nothing", "Books\r\nChapter\r\n7", "Books", "Chapter",
            "", 0, 0);
        row("nominal: trailing line break", "Jude\r\n1\r\n5\r\n", "Jude", "1", "Jude 1:", 1, 5);
        row("robustness: empty file", "", "", "", "", 0, 0);
        row("robustness: book only", "Psalms", "Psalms", "", "", 150, 0);
        row("robustness: no position", "Psalms\r\n23", "Psalms", "23", "Psalms 23:", 150, 0);
        row("robustness: position not a number", "Psalms\r\n23\r\nten", "Psalms", "23",
            "Psalms 23:", 150, 0);
        row("robustness: negative position", "Psalms\r\n23\r\n-40", "Psalms", "23",
            "Psalms 23:", 150, 0);
    }
    void goToBookmark() {
        QFETCH(QByteArray, record);
        QFETCH(QString, book);
        QFETCH(QString, chapter);
        QFETCH(QString, prefix);
        QFETCH(int, chapters);
        QFETCH(int, caret);
        AppFixture fx;
        fx.writeBytes("BkMrk.dat", record);
        fx.start();
        FrmBible& w = fx.window();
        w.menus.mnuGoToBookmark->trigger();
        QCOMPARE(w.ComboBooks->text(), book);
        QCOMPARE(w.ComboChapter->text(), chapter);
        QCOMPARE(w.ComboChapter->items(), books::chapterList(chapters));
        const QString text = prefix.isEmpty() ? QString() : chapterText(fx, prefix);
        QCOMPARE(w.TextVerses->text(), text);
        QCOMPARE(w.TextVerses->selStart(), caret < 0 ? int(text.size()) : caret);
        QVERIFY(fx.messages.asked.isEmpty());
    }

    void missingFilesChangeNothingButThePointer() {
        AppFixture fx;
        fx.start();
        FrmBible& w = fx.window();
        const QString welcome = w.TextVerses->text();
        QVERIFY(QFile::remove(fx.path("BkMrk.dat")));
        fx.pointer.history.clear();
        w.menus.mnuGoToBookmark->trigger();
        QCOMPARE(w.ComboBooks->text(), QStringLiteral("Books"));
        QCOMPARE(w.TextVerses->text(), welcome);
        QCOMPARE(fx.pointer.history, (QList<bool>{true, false}));
        QVERIFY(fx.messages.asked.isEmpty());
    }

    void missingBibleSetsOnlyTheBoxes() {
        AppFixture fx(AppFixture::Bible::Missing);
        fx.writeBytes("BkMrk.dat", "Psalms\r\n23\r\n120");
        fx.start();
        FrmBible& w = fx.window();
        const QString welcome = w.TextVerses->text();
        fx.messages.asked.clear();
        w.menus.mnuGoToBookmark->trigger();
        QCOMPARE(w.ComboBooks->text(), QStringLiteral("Psalms"));
        QCOMPARE(w.ComboChapter->text(), QStringLiteral("23"));
        QCOMPARE(w.TextVerses->text(), welcome);
        QVERIFY(fx.messages.asked.isEmpty());
    }

    void failedWriteIsReported() {
        AppFixture fx;
        fx.start();
        FrmBible& w = fx.window();
        const QString path = fx.path("BkMrk.dat");
        fx.files.failWrite = [path](const QString& p) { return p == path; };
        readAt(fx, "Psalms", "23", 120);
        w.menus.mnuSetBookmark->trigger();
        QCOMPARE(fx.messages.asked.size(), 1);
        QVERIFY(fx.messages.asked.first().text.contains(QStringLiteral("bookmark")));
        QCOMPARE(fx.messages.asked.first().buttons, MessageBoxes::OkOnly);
        QCOMPARE(fx.readBytes("BkMrk.dat"), QByteArray("Genesis\r\n1\r\n0"));
    }

    void failedReadIsReported() {
        AppFixture fx;
        fx.start();
        FrmBible& w = fx.window();
        const QString path = fx.path("BkMrk.dat");
        fx.files.failRead = [path](const QString& p) { return p == path; };
        w.menus.mnuGoToBookmark->trigger();
        QCOMPARE(fx.messages.asked.size(), 1);
        QCOMPARE(w.ComboBooks->text(), QStringLiteral("Books"));
        QVERIFY(!fx.pointer.isBusy());
    }
};

QTEST_MAIN(TestBookmarkCommands)
#include "tst_bookmarkcommands.moc"
