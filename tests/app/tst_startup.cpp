#include "controls/combobox.h"
#include "controls/listbox.h"
#include "placement/placement.h"
#include "reading/readingarea.h"
#include "searchpage/searchpage.h"
#include "support/appfixture.h"

#include <QDir>
#include <QProcess>
#include <QScrollBar>
#include <QSemaphore>
#include <QTest>
#include <QThread>

#include <thread>

using enum placement::Control;

namespace {

// A request of the user's, and what it shows: the result list, the chapter or the lookup's verse.
using Request = std::function<QStringList(AppFixture& fx)>;

} // namespace

Q_DECLARE_METATYPE(Request)

// Starting the program on the files it finds. A request made before the text's own thread has
// read it waits, with the busy pointer, and answers from the whole text as the file now holds it.
class TestStartup : public QObject {
    Q_OBJECT
    QSemaphore reading, held;

private slots:
    // A first start writes the defaults; the user's files stay byte for byte and are applied,
    // whatever their names, and a problem is reported once.
    void startUp_data() {
        QTest::addColumn<QByteArray>("prefs"); // none: a first start
        for (const char* column : {"trouble", "font", "message"})
            QTest::addColumn<QString>(column);
        const auto row = [](const char* name, const QByteArray& prefs, const char* trouble,
                            const char* font, const char* message) {
            QTest::newRow(name) << prefs << QString(trouble) << QString(font) << QString(message);
        };
        row("nominal: a first start", {}, "", "Arial 8", "");
        row("robustness: a size of nan keeps the design size", "Arial\r\nBold\r\nnan", "",
            "Arial bold 8.25", "");
        row("robustness: Bible.dat unreadable", {}, "unreadable", "Arial 8",
            "%1/Bible.dat could not be read.\r\nPermission denied");
        row("robustness: no Bible.dat", {}, "Bible.dat", "Arial 8",
            "%1/Bible.dat was not found.\r\nPut Bible.dat in that folder.");
        row("robustness: a file where the Verses folder goes", {}, "Verses", "Arial 8",
            "The folder %1/Verses could not be made: Not a directory\r\nThe display font, the "
            "bookmark and the favorite verses will not be saved.");
    }
    void startUp() {
        QFETCH(QByteArray, prefs);
        QFETCH(QString, trouble);
        QFETCH(QString, message);
        AppFixture fx;
        const bool firstStart = prefs.isNull();
        if (!firstStart) {
            QDir(fx.folder()).mkdir("Verses");
            fx.writeBytes("Pref.dat", prefs);
            fx.writeBytes("BkMrk.dat", "anything at all");
            fx.writeBytes("Verses/Love.txt", "Love\r\n\r\n text");
            fx.writeBytes("Verses/Love.txt.MHdXad", "the user's own");
        }
        if (trouble == "unreadable")
            fx.files.failRead = [](const QString& path) { return path.endsWith("/Bible.dat"); };
        if (trouble == "Verses")
            fx.writeBytes("Verses", "in the way");
        if (trouble == "Bible.dat")
            QVERIFY(QFile::remove(fx.path("Bible.dat")));
        fx.start();
        QCOMPARE(fx.readBytes("Pref.dat"), firstStart ? "Arial\r\nRegular\r\n8" : prefs);
        QCOMPARE(fx.readBytes("BkMrk.dat"), firstStart ? "Genesis\r\n1\r\n0" : "anything at all");
        QCOMPARE(QDir(fx.path("Verses")).exists(), trouble != "Verses");
        QCOMPARE(QDir(fx.path("Verses")).entryList(QDir::Files),
                 firstStart ? QStringList() : QStringList({"Love.txt", "Love.txt.MHdXad"}));
        QTEST(displayFont(fx.window()), "font");
        QCOMPARE(fx.messages.asked.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(fx.messages.asked[0].text, message.arg(QDir::toNativeSeparators(fx.folder())));
            QVERIFY(fx.messages.asked[0].overAWindow);
        }
        QVERIFY(fx.window().isVisible());
        QVERIFY(!fx.window().findChild<QWidget*>(designName(TextSearch))); // built when first shown
        fx.trigger("mnuSearch2");
        QCOMPARE(fx.window().displayControls().size(), 5);
        QTEST(displayFont(fx.window()), "font");
    }

    // The search page, built when first shown, takes its designed place, in the tab order too,
    // and offers the Edit menu on a right click.
    void searchPageBuiltWhenFirstShown() {
        AppFixture fx;
        MainWindow& w = fx.start().window();
        fx.trigger("mnuSearch2");
        QCOMPARE(QApplication::focusWidget(), fx.textBox(TextSearch));
        focusOn(fx.textBox(TextVerses));
        for (const placement::Control next : {ComboSearch, TextSearch, ListVerse, ComboBooks}) {
            pressTab();
            QWidget* control = fx.control(next);
            QVERIFY2(control == QApplication::focusWidget() ||
                         control->isAncestorOf(QApplication::focusWidget()),
                     designName(next).data());
        }
        QCOMPARE(fx.control(Label2)->geometry(),
                 placement::windowLayout(w.centralWidget()->size()).value(Label2));
        QVERIFY(fx.textBox(TextSearch)->actions().contains(w.menus().copy));
    }

    // The next start opens the chapter where reading stopped, its top line as it was, beside the
    // page that was showing and the subject last shown, while its file is there.
    void opensWhereReadingStopped() {
        AppFixture fx;
        QVERIFY(QDir(fx.folder()).mkdir(QStringLiteral("Verses")));
        QVERIFY(fx.writeBytes("Verses/Hope.txt", "Romans 5:5"));
        fx.start();
        pick(fx.combo(ComboCategory), QStringLiteral("Hope"));
        fx.showChapter(QStringLiteral("Psalms"), QStringLiteral("119"));
        fx.textBox(TextVerses)->verticalScrollBar()->setValue(41);
        const int top = fx.textBox(TextVerses)->topOffset();
        fx.trigger("mnuSearch2");
        QVERIFY(fx.window().close());
        fx.start();
        QCOMPARE(fx.chapterShown() + ' ' + QString::number(fx.combo(ComboChapter)->count()),
                 QStringLiteral("Psalms 119 150"));
        QVERIFY(top > 0 && fx.textBox(TextVerses)->topOffset() == top);
        QVERIFY(fx.textBox(TextSearch)->isVisible());
        QCOMPARE(fx.combo(ComboCategory)->text() + '|' + fx.textBox(TextFavoritesList)->text(),
                 QStringLiteral("Hope|Romans 5:5"));
        QVERIFY(QFile::remove(fx.path("Verses/Hope.txt")));
        QVERIFY(fx.window().close());
        fx.start();
        QCOMPARE(fx.combo(ComboCategory)->text(), QStringLiteral("Select Subject"));
        QCOMPARE(QDir(fx.path("Verses")).entryList(QDir::Files), QStringList());
    }

    void requestDuringTheReadWaitsForIt_data() {
        QTest::addColumn<Request>("request");
        QTest::addColumn<QByteArray>("fileAfter"); // empty: the file stays as it was read
        QTest::addColumn<QStringList>("shown");
        const QByteArray changed("John 3:16  Changed while read\r\n");
        QTest::newRow("nominal: search") << Request([](AppFixture& fx) {
            fx.app().searchPage().search(QStringLiteral("3:1"), std::nullopt);
            return fx.control<ListBox>(ListVerse)->items();
        }) << QByteArray() << QStringList{"John 3:16  For God so loved", "John 3:17  For God sent"};
        QTest::newRow("robustness: chapter, file changed during the read")
            << Request([](AppFixture& fx) {
                   fx.combo(ComboBooks)->setText(QStringLiteral("John"));
                   fx.combo(ComboChapter)->setText(QStringLiteral("3"));
                   fx.app().readingArea().onChapterPicked();
                   return QStringList{fx.textBox(TextVerses)->text()};
               })
            << changed << QStringList{"16  Changed while read\r\n\r\n"};
        QTest::newRow("robustness: lookup, file changed during the read")
            << Request([](AppFixture& fx) {
                   fx.control<LineTextBox>(TextVersesFavorites)->setText(QStringLiteral("3:16"));
                   fx.combo(ComboBookFavorites)->setText(QStringLiteral("John")); // looks it up
                   return QStringList{fx.textBox(TextFavorites)->text()};
               })
            << changed << QStringList{" Changed while read"};
    }
    // Starts on a Bible.dat of two verses; the read away from the GUI thread (the one started at
    // start-up) waits after reading until the request is waiting for it.
    void requestDuringTheReadWaitsForIt() {
        QFETCH(Request, request);
        QFETCH(QByteArray, fileAfter);
        AppFixture fx;
        fx.writeBytes("Bible.dat", "John 3:16  For God so loved\r\nJohn 3:17  For God sent\r\n");
        fx.files.afterRead = [this] {
            if (QThread::currentThread() != QCoreApplication::instance()->thread()) {
                reading.release();
                held.acquire();
            }
        };
        fx.start(false);
        fx.pointer.history.clear();
        std::thread release([&] {
            reading.acquire();
            QThread::msleep(50);
            if (!fileAfter.isEmpty())
                fx.writeBytes("Bible.dat", fileAfter);
            held.release();
        });
        const QStringList shown = request(fx);
        release.join();
        QTEST(shown, "shown");
        QCOMPARE(fx.pointer.history, (QList<bool>{true, false}));
    }

    // A search from a terminal needs no display and leaves the folder as it was: the lines the
    // search page lists, in UTF-8, and the exit status grep would give.
    void searchFromTheCommandLine() {
        QTemporaryDir folder;
        QVERIFY(testfiles::put(folder.filePath("Bible.dat"),
                               "1 John 1:1  Caf\xe9\r\nJohn 1:1  CAF\xc9"));
        QProcess program;
        program.setEnvironment({"PATH=" + qEnvironmentVariable("PATH")}); // no display named
        program.start(QCoreApplication::applicationDirPath() + "/vellumark",
                      {"--folder", folder.path(), "--search", "café", "--in", "John"});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.readAll() + QByteArray::number(program.exitCode()),
                 "John 1:1  CAF\xc3\x89\n0");
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"Bible.dat"});
        // Its mistakes are told there too, never in a window that would keep the terminal waiting.
        program.setEnvironment({"DISPLAY=:99"}); // a display named, though none is there
        program.start(program.program(), {"--search"});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), 2);
        QVERIFY(program.readAllStandardError().contains("--search"));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
