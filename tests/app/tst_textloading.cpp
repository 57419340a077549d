#include "bibleapp.h"
#include "controls/combobox.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "mainwindow/frmbible.h"
#include "reading/readingarea.h"
#include "searchpage/searchpage.h"
#include "support/fakeplatform.h"

#include <QFile>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <thread>

namespace {

// The real file layer, but a read away from the GUI thread (the read started at start-up) waits
// after reading until the test lets it end.
class HeldFiles : public FileSystem {
public:
    BytesResult readBytes(const QString& path) const override {
        BytesResult read = FileSystem::readBytes(path);
        if (QThread::currentThread() != QCoreApplication::instance()->thread()) {
            reading.release();
            held.acquire();
        }
        return read;
    }
    bool mayReadDirectly() const override { return false; }

    mutable QSemaphore reading;
    mutable QSemaphore held;
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

const QByteArray kJohn3("John 3:16  For God so loved\r\nJohn 3:17  For God sent\r\n");

// The program started on a Bible.dat of two verses, with its text still being read.
struct Program {
    Program() {
        writeFile(bible, kJohn3);
        app.load();
        app.window().show();
        QCoreApplication::processEvents();
        pointer.history.clear();
    }
    QTemporaryDir folder;
    const QString bible = folder.filePath(QStringLiteral("Bible.dat"));
    HeldFiles files;
    ScriptedMessageBoxes messages;
    RecordingMousePointer pointer;
    MemoryClipboard clipboard;
    PdfPrintService printer{folder.path()};
    BibleApp app{Storage{ProgramFolder(folder.path()), files},
                 Services{messages, pointer, clipboard, printer}};
};

enum class Request { Search, Chapter, Lookup };

// What the request shows: the result list, the chapter text or the lookup's result.
QStringList ask(Request request, BibleApp& app) {
    FrmBible& w = app.window();
    switch (request) {
    case Request::Search:
        w.TextSearch->setText(QStringLiteral("3:1"));
        w.ComboSearch->setText(QStringLiteral("The Bible"));
        app.searchPage().Search();
        return w.ListVerse->items();
    case Request::Chapter:
        w.ComboBooks->setText(QStringLiteral("John"));
        w.ComboChapter->setText(QStringLiteral("3"));
        app.readingArea().ComboChapter_Click();
        return {w.TextVerses->text()};
    case Request::Lookup:
        w.TextVersesFavorites->setText(QStringLiteral("3:16"));
        w.ComboBookFavorites->setText(QStringLiteral("John")); // a change of book looks it up
        return {w.TextFavorites->text()};
    }
    return {};
}

} // namespace

// The text is read on a thread of its own at start-up; a request made before that read ends
// waits for it, with the busy pointer, and answers from the whole text as the file now holds it.
class TestTextLoading : public QObject {
    Q_OBJECT
private slots:
    void requestDuringTheReadWaitsForIt_data() {
        QTest::addColumn<Request>("request");
        QTest::addColumn<QByteArray>("fileAfter"); // empty: the file stays as it was read
        QTest::addColumn<QStringList>("shown");
        const QByteArray changed("John 3:16  Changed while read\r\n");
        QTest::newRow("nominal: search")
            << Request::Search << QByteArray()
            << QStringList{"John 3:16  For God so loved", "John 3:17  For God sent"};
        QTest::newRow("nominal: chapter")
            << Request::Chapter << QByteArray()
            << QStringList{"16  For God so loved\r\n\r\n17  For God sent\r\n\r\n"};
        QTest::newRow("nominal: lookup")
            << Request::Lookup << QByteArray() << QStringList{" For God so loved"};
        QTest::newRow("robustness: search, file changed during the read")
            << Request::Search << changed << QStringList{"John 3:16  Changed while read"};
        QTest::newRow("robustness: chapter, file changed during the read")
            << Request::Chapter << changed << QStringList{"16  Changed while read\r\n\r\n"};
        QTest::newRow("robustness: lookup, file changed during the read")
            << Request::Lookup << changed << QStringList{" Changed while read"};
    }

    void requestDuringTheReadWaitsForIt() {
        QFETCH(Request, request);
        QFETCH(QByteArray, fileAfter);
        Program p;
        // Lets the read end once it has read the file and the request is waiting for it.
        std::thread release([&] {
            p.files.reading.acquire();
            QThread::msleep(50);
            if (!fileAfter.isEmpty())
                writeFile(p.bible, fileAfter);
            p.files.held.release();
        });
        const QStringList shown = ask(request, p.app);
        release.join();
        QTEST(shown, "shown");
        QCOMPARE(p.pointer.history, (QList<bool>{true, false}));
    }

    // The result list keeps the lines it found, from the text it searched, after a later
    // request reads the changed file.
    void resultsStayAsFoundWhenTheFileChanges() {
        Program p;
        p.files.held.release();
        const QStringList found = ask(Request::Search, p.app);
        QCOMPARE(found.size(), 2);
        writeFile(p.bible, "John 3:16  Changed\r\n");
        QCOMPARE(ask(Request::Chapter, p.app), QStringList{"16  Changed\r\n\r\n"});
        QCOMPARE(p.app.window().ListVerse->items(), found);
    }
};

QTEST_MAIN(TestTextLoading)
#include "tst_textloading.moc"
