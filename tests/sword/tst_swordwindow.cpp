#include "modulefolder.h"
#include "support/appfixture.h"

#include <QStatusBar>
#include <QTest>

using enum placement::Control;

// Another translation read through the window: picked by its key, shown at the chapter read and
// named in the caption, opened again at the next start, and Bible.dat again once it has gone.
class TestSwordWindow : public QObject {
    Q_OBJECT
    QTemporaryDir m_home; // no ~/.sword, and a cache of the test's own

    QString caption(AppFixture& fx) { return fx.window().windowTitle().section(" ~ ", 1); }
    QString chapter(AppFixture& fx) { return fx.textBox(TextVerses)->text(); }

private slots:
    void initTestCase() {
        qputenv("HOME", m_home.path().toUtf8());
        qputenv("XDG_CACHE_HOME", m_home.filePath("cache").toUtf8());
    }

    void readsAnotherText() {
        ModuleFolder module("KJV", {});
        module.write({"John 3:16=For God so loved.", "John 3:17=For God sent."});
        qputenv("SWORD_PATH", module.path().toUtf8());
        AppFixture fx;
        fx.start();
        fx.showChapter("John", "3");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_2, Qt::ControlModifier);
        QTRY_COMPARE(caption(fx), "Test Bible");
        QCOMPARE(chapter(fx), "16  For God so loved.\r\n\r\n17  For God sent.\r\n\r\n");
        QCOMPARE(fx.chapterShown(), "John 3");
        QVERIFY(fx.window().close());
        fx.start();
        QTRY_COMPARE(caption(fx), "Test Bible");
        QVERIFY(chapter(fx).startsWith(u"16  For God so loved."));
        QVERIFY(fx.window().close());
        QVERIFY(QFile::remove(module.path() + "/mods.d/test.conf"));
        fx.start();
        QCOMPARE(fx.window().statusBar()->currentMessage(),
                 QStringLiteral("The text Test is not there any more: the Orrisant Version is "
                                "shown."));
        QCOMPARE(caption(fx), "Orrisant Version");
        QVERIFY(chapter(fx).startsWith(u"1  There was a man of the Pharisees"));
    }
};

QTEST_MAIN(TestSwordWindow)
#include "tst_swordwindow.moc"
