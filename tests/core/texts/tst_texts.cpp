#include "reading/caretverse.h"
#include "storage/filesystem.h"
#include "support/testfiles.h"
#include "texts/comparison.h"
#include "texts/textshelf.h"
#include "texts/verseline.h"

#include <QDir>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>

#include <stop_token>
#include <thread>

namespace {

// A module library that hands over the verses it is given ("Gen 1:1 text"), as the SWORD
// library's does: book by book, until the sink stops it.
struct FakeModules {
    QList<texts::ModuleFacts> modules;
    QByteArrayList verses;
    QString problem;
    QString unreadable; // the one module whose verses cannot be read
};

class FakeLibrary : public texts::ModuleLibrary {
public:
    explicit FakeLibrary(FakeModules given)
        : fake(std::move(given)) {}
    const FakeModules fake;

    QString version() const override { return QStringLiteral("1.9.0"); }
    QList<texts::ModuleFacts> bibleModules() override { return fake.modules; }
    QString readVerses(const QString& name, texts::VerseSink& sink) override {
        const QByteArrayList& verses = fake.verses;
        if (name == fake.unreadable)
            return QStringLiteral("it is locked.");
        QByteArray book;
        bool wanted = false;
        for (qsizetype i = 0; i < verses.size() && !sink.stopped(); ++i) {
            const QByteArrayList parts = verses[i].split(' ');
            if (parts[0] != std::exchange(book, parts[0]))
                wanted = sink.beginBook(book);
            const QByteArrayList place = parts[1].split(':');
            if (wanted)
                sink.verse(place[0].toInt(), place[1].toInt(),
                           verses[i].sliced(parts[0].size() + parts[1].size() + 2));
        }
        return fake.problem;
    }
};

// Module Test's data, and three more modules named alike; each shelf opened is a new start.
struct Shelf {
    QTemporaryDir folder;
    FileSystem files;
    FakeModules library;
    int opened = 0;

    explicit Shelf(const QByteArrayList& verses = {}) {
        QDir(folder.path()).mkpath("data");
        testfiles::put(path("data/ot.bzz"), "verses");
        library.verses = verses;
        library.modules = {{"Test", "TST", "A test", "Version=1.0\n", path("data")},
                           {"Other", "KJV", "Another", {}, {}},
                           {"KJV", "AV", "A\tthird\n", {}, {}},
                           {"Fourth", "av", "A fourth", {}, {}}};
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    texts::TextShelf open(const QString& missing = {}) {
        return {files, path("Bible.dat"), path("cache"), [this, missing] {
                    ++opened;
                    if (!missing.isEmpty())
                        return texts::OpenedLibrary{nullptr, missing};
                    return texts::OpenedLibrary{std::make_unique<FakeLibrary>(library), {}};
                }};
    }
    texts::Rendering render(const texts::Progress& progress = {}, std::stop_token stop = {}) {
        texts::TextShelf shelf = open();
        return shelf.fileOf(shelf.texts()[1], progress, std::move(stop));
    }
    QStringList cached() const { return QDir(path("cache")).entryList(QDir::Files, QDir::Name); }
};

} // namespace

// Bible text modules, rendered once into the form Bible.dat is read in and kept until they change,
// beside Bible.dat; and the names the user gives them.
class TestTexts : public QObject {
    Q_OBJECT

private slots:
    void verseLine_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("nominal: every line break one space")
            << QByteArray("a\nb\r\nc\td\ve\ff\xC2\x85g\xE2\x80\xA8h\xE2\x80\xA9i")
            << QByteArray("a b c d e f g h i");
        QTest::newRow("nominal: runs of spaces and breaks, none at the ends")
            << QByteArray("  \n a  \n\n b \r\n") << QByteArray("a b");
        QTest::newRow("robustness: what only looks like a break stays")
            << QByteArray("\x08\xC2\xA0x\x0E\xE2\x80\x94\xE2\x80")
            << QByteArray("\x08\xC2\xA0x\x0E\xE2\x80\x94\xE2\x80");
    }
    void verseLine() {
        QFETCH(QByteArray, text);
        QTEST(texts::verseLine(text), "line");
    }

    // The 66 books under the program's names and in its order; or why a module cannot be rendered.
    void rendering_data() {
        QTest::addColumn<QByteArrayList>("verses");
        QTest::addColumn<QString>("rendered"); // or why not
        QTest::newRow("nominal: the books in the program's order")
            << QByteArrayList{"Rom 1:1 r", "Gen 1:1 g", "Gen 10:2 t", "Tob 1:1 x", "Jas 1:1 j"}
            << "Genesis 1:1  g\nGenesis 10:2  t\nRomans 1:1  r\nJames 1:1  j\n";
        QTest::newRow("robustness: no verse of the 66")
            << QByteArrayList{"Tob 1:1 t", "Gen 1:1 "}
            << "Test cannot be rendered: it holds no verse of the 66 books.";
        QTest::newRow("robustness: no cache folder can be made")
            << QByteArrayList{"Gen 1:1 g"}
            << "Test cannot be rendered: The folder %1/cache could not be made: Not a directory";
    }
    void rendering() {
        QFETCH(QByteArrayList, verses);
        QFETCH(QString, rendered);
        Shelf fx(verses);
        if (rendered.contains("/cache"))
            QVERIFY(testfiles::put(fx.path("cache"), "in the way"));
        const texts::Rendering rendering = fx.render();
        QCOMPARE(rendering.path.isEmpty() ? rendering.problem
                                          : FileSystem::decode(testfiles::bytesOf(rendering.path)),
                 rendered.replace("%1", fx.folder.path()));
        QCOMPARE(fx.cached().size(), int(rendering.problem.isEmpty()));
    }

    // Progress counts the 66 books done; a rendering asked to stop writes nothing.
    void progressAndStop() {
        Shelf fx({"Gen 1:1 g", "Tob 1:1 t", "Exod 1:1 e", "Rev 1:1 r"});
        QList<int> done;
        QCOMPARE(fx.render([&](int books, int of) { done << books * 100 + of; }).problem, "");
        QVERIFY(QFile::remove(fx.path("data/ot.bzz")));
        std::stop_source stop;
        const texts::Rendering stopped = fx.render(
            [&](int books, int) { done << books, stop.request_stop(); }, stop.get_token());
        QVERIFY(stopped.stopped && stopped.path.isEmpty() && stopped.problem.isEmpty());
        QCOMPARE(done, (QList<int>{166, 266, 6666, 1}));
        QCOMPARE(fx.cached().size(), 1);
        // One waiting for another's turn with the library stops waiting when asked to.
        texts::TextShelf shelf = fx.open();
        QSemaphore inside, release;
        std::jthread first([&] {
            shelf.fileOf(shelf.texts()[1], [&](int, int) { inside.release(), release.acquire(); });
        });
        inside.acquire();
        QVERIFY(shelf.fileOf(shelf.texts()[1], {}, stop.get_token()).stopped);
        release.release(66);
    }

    // The user's cache folder: XDG_CACHE_HOME when it is an absolute path, else ~/.cache.
    void cacheFolder() {
        QCOMPARE(texts::cacheFolder("/var/c/", "/home/u"), "/var/c/Vellumark");
        for (const char* notAbsolute : {"", "c"})
            QCOMPARE(texts::cacheFolder(notAbsolute, "/home/u"), "/home/u/.cache/Vellumark");
    }

    // Bible.dat, a module's name or its abbreviation, in any case; Bible.dat without the library.
    void find_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("problem");
        QTest::newRow("nominal: Bible.dat") << "bIBLE.DAT" << 0 << "";
        QTest::newRow("nominal: a module's name") << "test" << 1 << "";
        QTest::newRow("nominal: its abbreviation") << "tst" << 1 << "";
        QTest::newRow("nominal: a name before an abbreviation") << "kjv" << 3 << "";
        QTest::newRow("robustness: an abbreviation two share")
            << "AV" << -1 << "AV is the abbreviation of more than one text; name one of them:\n";
        QTest::newRow("robustness: no such text")
            << "NIV" << -1 << "no text is named NIV; the texts are named:\n";
    }
    void find() {
        QFETCH(QString, name);
        QFETCH(QString, problem);
        Shelf fx;
        texts::TextShelf shelf = fx.open();
        const texts::TextShelf::Found found = shelf.find(name);
        QTEST(found.index, "index");
        if (!problem.isEmpty())
            problem += "  Bible.dat\n  Test, TST\n  Other, KJV\n  KJV, AV\n  Fourth, av\n";
        QCOMPARE(found.problem, problem);
        QCOMPARE(fx.opened, int(found.index != 0));
    }

    // What the command line is told: the texts, or the file a name leads to, or why not.
    void commandLine() {
        Shelf fx({"Gen 1:1 g"});
        texts::TextShelf shelf = fx.open();
        QCOMPARE(shelf.resolve("Bible.dat").path, fx.path("Bible.dat"));
        QCOMPARE(fx.opened, 0);
        QCOMPARE(texts::listing(shelf.texts()),
                 "Bible.dat\tOrrisant Version\nTest\tA test\n"
                 "Other\tAnother\nKJV\tA third \nFourth\tA fourth\n");
        const texts::TextShelf::Resolved resolved = shelf.resolve("TST");
        QCOMPARE(resolved.path + QString::number(resolved.exitStatus), fx.render().path + "0");
        fx.library.problem = "it is locked.";
        QVERIFY(QFile::remove(resolved.path));
        const texts::TextShelf::Resolved locked = fx.open().resolve("TST");
        QCOMPARE(locked.problem + QString::number(locked.exitStatus),
                 "Test cannot be rendered: it is locked.\n2");
        texts::TextShelf none = fx.open("it is missing");
        const texts::TextShelf::Resolved unknown = none.resolve("TST");
        QCOMPARE(unknown.problem + QString::number(unknown.exitStatus),
                 "no text is named TST; the texts are named:\n"
                 "  Bible.dat\nThe SWORD library's texts cannot be listed: it is missing\n2");
    }

    // The verse at the caret in every text, Bible.dat first, each under its description; a text
    // without it, or that cannot be read, says why. A comparison asked to stop ends where it is.
    void compare_data() {
        QTest::addColumn<QByteArray>("bibleDat"); // none: no file
        QTest::addColumn<QString>("unreadable");
        QTest::addColumn<int>("caret"); // in "John 3\r\n\r\n15  W\r\n\r\n16  F\r\n\r\n"
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<QString>("compared");
        const QByteArray bible = "John 3:15  Whoever\r\nJohn 3:16  For God\r\nJohn 3:17  Sent\r\n";
        QTest::newRow("nominal: the verse in every text")
            << bible << "" << 22 << false
            << "John 3:16|Orrisant Version: For God|A test: So loved|Another: So loved";
        QTest::newRow("nominal: the caret at the verse's number")
            << bible << "" << 10 << false
            << "John 3:15|Orrisant Version: Whoever|A test: (not in this text)|"
               "Another: (not in this text)";
        QTest::newRow("robustness: a module that cannot be rendered")
            << bible << "Other" << 20 << false
            << "John 3:16|Orrisant Version: For God|A test: So loved|"
               "Another: (Other cannot be rendered: it is locked.)";
        QTest::newRow("robustness: no Bible.dat, asked to stop")
            << QByteArray() << "" << 23 << true
            << "John 3:16|Orrisant Version: (%1/Bible.dat could not be read)";
        QTest::newRow("robustness: the caret before the first verse")
            << bible << "" << 7 << false << "";
    }
    void compare() {
        QFETCH(QByteArray, bibleDat);
        QFETCH(bool, stopped);
        QFETCH(QString, compared);
        Shelf fx({"John 3:16 So loved", "John 3:18 Not"});
        fx.library.modules = {fx.library.modules[0], {"Other", {}, "Another", {}, fx.path("data")}};
        QFETCH(QString, unreadable);
        fx.library.unreadable = unreadable;
        if (!bibleDat.isNull())
            QVERIFY(testfiles::put(fx.path("Bible.dat"), bibleDat));
        QFETCH(int, caret);
        const std::optional<scripture::Reference> verse =
            reading::verseAtCaret({"John", 3}, u"John 3\r\n\r\n15  W\r\n\r\n16  F\r\n\r\n", caret);
        QCOMPARE(verse.has_value(), !compared.isEmpty());
        if (!verse)
            return;
        std::stop_source stop;
        if (stopped)
            stop.request_stop();
        texts::TextShelf shelf = fx.open();
        QString shown = verse->formatted();
        for (const texts::Text& text : shelf.texts())
            if (const auto found = texts::compareIn(shelf, text, *verse, {}, stop.get_token()))
                shown += '|' + found->description + ": " +
                         (found->words.isEmpty() ? '(' + found->absence + ')' : found->words);
        QCOMPARE(shown, compared.replace("%1", QDir::toNativeSeparators(fx.folder.path())));
    }

    // What is copied of a comparison begins with its reference, with the program's line breaks.
    void copiedWithReference() {
        const scripture::Reference verse{42, 3, 16, 3, 16};
        QCOMPARE(texts::copiedWithReference(verse, "A test\nSo loved"),
                 "John 3:16\r\nA test\r\nSo loved");
        QCOMPARE(texts::copiedWithReference(verse, "John 3:16\n\nA"), "John 3:16\r\n\r\nA");
    }

    // The library is looked for beside the executable, then where it is installed.
    void libraryLoader() {
        QCOMPARE(texts::openLibrary({"/a.so", "/b.so"}).problem,
                 "the library that reads SWORD modules is missing; looked for /a.so and /b.so");
        const texts::OpenedLibrary notOne = texts::openLibrary({QString(VELLUMARK_TEST_BIBLE)});
        QVERIFY(!notOne.library && !notOne.problem.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
