#include "controls/combobox.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "reading/readingarea.h"
#include "searchpage/searchpage.h"
#include "support/appfixture.h"

#include <QSemaphore>
#include <QTest>
#include <QThread>

#include <thread>

namespace {

const QByteArray kJohn3("John 3:16  For God so loved\r\nJohn 3:17  For God sent\r\n");

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
    std::unique_ptr<AppFixture> fx;
    QSemaphore reading;
    QSemaphore held;

    // Starts on a Bible.dat of two verses; a read away from the GUI thread (the one started at
    // start-up) waits after reading until the test lets it end.
    void startHeld() {
        fx = std::make_unique<AppFixture>(AppFixture::Bible::Missing);
        fx->writeBytes(QStringLiteral("Bible.dat"), kJohn3);
        fx->files.afterRead = [this] {
            if (QThread::currentThread() != QCoreApplication::instance()->thread()) {
                reading.release();
                held.acquire();
            }
        };
        fx->start(false);
        fx->pointer.history.clear();
    }

private slots:
    void cleanup() {
        fx.reset();
        reading.acquire(reading.available());
        held.acquire(held.available());
    }

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
        startHeld();
        // Lets the read end once it has read the file and the request is waiting for it.
        std::thread release([&] {
            reading.acquire();
            QThread::msleep(50);
            if (!fileAfter.isEmpty())
                fx->writeBytes(QStringLiteral("Bible.dat"), fileAfter);
            held.release();
        });
        const QStringList shown = ask(request, fx->app());
        release.join();
        QTEST(shown, "shown");
        QCOMPARE(fx->pointer.history, (QList<bool>{true, false}));
    }

    // The result list keeps the lines it found, from the text it searched, after a later
    // request reads the changed file.
    void resultsStayAsFoundWhenTheFileChanges() {
        held.release();
        startHeld();
        const QStringList found = ask(Request::Search, fx->app());
        QCOMPARE(found.size(), 2);
        fx->writeBytes(QStringLiteral("Bible.dat"), "John 3:16  Changed\r\n");
        QCOMPARE(ask(Request::Chapter, fx->app()), QStringList{"16  Changed\r\n\r\n"});
        QCOMPARE(fx->app().window().ListVerse->items(), found);
    }
};

QTEST_MAIN(TestTextLoading)
#include "tst_textloading.moc"
