#include "controls/textbox.h"
#include "reading/highlightcommands.h"
#include "support/appfixture.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

using enum placement::Control;

// The reader's own marks through the real window: a bookmark added and opened, verses
// highlighted and cleared, a note written and a reference in it opened; after a restart all
// three are there, and the one quick bookmark was never touched.
class TestStudy : public QObject {
    Q_OBJECT
    AppFixture fx;

    TextBox* readingText() { return fx.textBox(TextVerses); }
    void press(int key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    void goTo(const QString& reference) {
        press(Qt::Key_L, Qt::ControlModifier);
        QTest::keyClicks(fx.combo(ComboBooks), reference);
        QTest::keyClick(fx.combo(ComboBooks), Qt::Key_Return);
    }
    // The bookmarks the Bookmark menu lists as it opens.
    QList<QAction*> listedBookmarks() {
        auto* menu = fx.window().findChild<QMenu*>("mnuBookmark");
        emit menu->aboutToShow();
        QList<QAction*> listed;
        for (QAction* item : menu->actions()) {
            if (item->objectName() == "mnuBookmarkListed")
                listed << item;
        }
        return listed;
    }
    // The stretches of the reading text drawn in the colour.
    qsizetype tinted(study::Colour colour) {
        const QColor tint = HighlightCommands::tint(colour, readingText()->palette());
        return std::ranges::count_if(readingText()->extraSelections(), [&](const auto& mark) {
            return mark.format.background().color() == tint;
        });
    }

private slots:
    void initTestCase() { fx.start(); }

    void marksSurviveARestart() {
        const QByteArray quickBookmark = fx.readBytes("BkMrk.dat");
        goTo("John 3:16");
        fx.messages.typed = {QString("For God so loved")};
        press(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(fx.readBytes("Bookmarks.txt"), "John 3:16\tFor God so loved\r\n");
        press(Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(fx.readBytes("Highlights.txt"), "John 3:16\tyellow\r\n");
        QCOMPARE(tinted(study::Colour::Yellow), 1);
        readingText()->setSelStart(0); // verses 1 to 16 blue, then all cleared
        readingText()->setSelLength(int(readingText()->text().indexOf("16  For God")) + 3);
        press(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(fx.readBytes("Highlights.txt").startsWith("John 3:16\tblue\r\nJohn 3:1\tblue"));
        press(Qt::Key_0, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(fx.readBytes("Highlights.txt"), "");
        readingText()->setSelLength(0); // verse 1
        press(Qt::Key_2, Qt::ControlModifier | Qt::ShiftModifier);
        fx.showChapter("Genesis", "1");
        listedBookmarks().value(0)->trigger();
        QCOMPARE(fx.chapterShown(), QStringLiteral("John 3"));
        fx.trigger("mnuBack");
        QCOMPARE(fx.chapterShown(), QStringLiteral("Genesis 1"));

        goTo("Rom 8:28");
        press(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        auto* note = fx.window().findChild<QPlainTextEdit*>("txtNote");
        QVERIFY(note && note->isVisible());
        QTest::keyClicks(note, "Called; see Ps 23:1");
        QTest::keyClick(note, Qt::Key_Return, Qt::ControlModifier); // on the reference: opens it
        QCOMPARE(fx.chapterShown(), QStringLiteral("Psalms 23"));
        QCOMPARE(fx.readBytes("Notes/Romans 8.28.txt"), "Called; see Ps 23:1");

        fx.window().close();
        fx.start();
        QCOMPARE(listedBookmarks().size(), 1);
        goTo("Rom 8:28");
        QCOMPARE(readingText()->accessibleDescription(), QStringLiteral("Notes on verses 28"));
        goTo("John 3:16");
        QCOMPARE(tinted(study::Colour::Green), 1);
        QCOMPARE(fx.readBytes("BkMrk.dat"), quickBookmark);
    }
};

QTEST_MAIN(TestStudy)
#include "tst_study.moc"
