#include "reading/readinghistory.h"
#include "reading/startplace.h"
#include "scripture/bookcatalogue.h"
#include "scripture/versetext.h"
#include "settings/settingsfile.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using reading::ReadingPlace;

namespace {

// "Psalms 23@120": a chapter and its top line, "Psalms 23" at the top of the chapter.
ReadingPlace placeOf(const QString& text) {
    const QStringList parts = text.split('@');
    const qsizetype space = parts[0].lastIndexOf(' ');
    return {{parts[0].left(space), parts[0].sliced(space + 1).toInt()}, parts.value(1).toLong()};
}

QString textOf(const std::optional<ReadingPlace>& place) {
    if (!place)
        return QStringLiteral("none");
    const QString chapter = place->chapter.book + ' ' + QString::number(place->chapter.chapter);
    return place->top ? chapter + '@' + QString::number(place->top) : chapter;
}

} // namespace

// The places Back and Forward walk, and the place the program opens at.
class TestReadingPlaces : public QObject {
    Q_OBJECT
private slots:
    // Steps: a place read; "=" and a place: the top line it was left at; "<" Back; "(" Back
    // while the instructions are shown; ">" Forward. What each Back and Forward shows.
    void history_data() {
        for (const char* column : {"steps", "shown"})
            QTest::addColumn<QStringList>(column);
        QTest::addColumn<bool>("canGoBack");
        QTest::addColumn<bool>("canGoForward");
        const auto row = [](const char* name, const QStringList& steps, const QStringList& shown,
                            bool canGoBack, bool canGoForward) {
            QTest::newRow(name) << steps << shown << canGoBack << canGoForward;
        };
        row("nominal: back to the first and forward again",
            {"Genesis 1", "Exodus 2@7", "Psalms 23", "<", "<", "<", ">"},
            {"Exodus 2@7", "Genesis 1", "none", "Exodus 2@7"}, true, true);
        row("nominal: reading elsewhere after going back drops the places ahead",
            {"Genesis 1", "Exodus 2", "Psalms 23", "<", "<", "John 3", ">", "<"},
            {"Exodus 2", "Genesis 1", "none", "Genesis 1"}, false, true);
        row("nominal: a place keeps the top line it was left at, and no other chapter's",
            {"Genesis 1", "=Genesis 1@90", "=Exodus 2@5", "Exodus 2", "<"}, {"Genesis 1@90"}, false,
            true);
        row("nominal: the same chapter again is the same place",
            {"Genesis 1", "Exodus 2", "Exodus 2@40", "<", ">"}, {"Genesis 1", "Exodus 2@40"}, true,
            false);
        row("nominal: from the instructions, back to the chapter read last",
            {"Genesis 1", "Exodus 2", "(", "<"}, {"Exodus 2", "Genesis 1"}, false, true);
        row("robustness: nothing read yet", {"<", "(", ">"}, {"none", "none", "none"}, false,
            false);
        QStringList hundredAndOne;
        for (const scripture::Book& book : scripture::catalogue())
            for (int chapter = 1; chapter <= book.chapters && hundredAndOne.size() < 101; ++chapter)
                hundredAndOne << QString::fromLatin1(book.name) + ' ' + QString::number(chapter);
        QStringList oldestKept = hundredAndOne.mid(1, 99);
        std::ranges::reverse(oldestKept);
        row("robustness: the oldest place goes past 100 places",
            hundredAndOne + QStringList(100, "<"), oldestKept << "none", false, true);
    }
    void history() {
        QFETCH(QStringList, steps);
        ReadingHistory history;
        QStringList shown;
        for (const QString& step : steps) {
            if (step == "<" || step == "(")
                shown << textOf(history.back(step == "<"));
            else if (step == ">")
                shown << textOf(history.forward());
            else if (step.startsWith('='))
                history.keepTop(placeOf(step.sliced(1)));
            else
                history.visit(placeOf(step));
        }
        QTEST(shown, "shown");
        QTEST(history.canGoBack(true), "canGoBack");
        QTEST(history.canGoForward(), "canGoForward");
    }

    // The settings file as the last run left it, over a Bible.dat of two chapters; a window
    // closed on the welcome or help text opens on it next time, on the same page.
    void startPlace_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<bool>("searchPage");
        const auto row = [](const char* name, const char* reading, const char* opened,
                            bool searchPage) {
            QTest::newRow(name) << QByteArray(reading) << QString(opened) << searchPage;
        };
        row("nominal: the chapter, its top line and the page",
            "[Reading]\nbook=Psalms\nchapter=23\npage=search\ntopLine=12\n", "Psalms 23@12", true);
        row("nominal: the first start", "", "none", false);
        row("nominal: the welcome or help text shown last", "[Reading]\npage=favorites\n", "none",
            false);
        row("robustness: Bible.dat lost the chapter", "[Reading]\nbook=John\nchapter=3\n", "none",
            false);
        row("robustness: a top line past the chapter's end",
            "[Reading]\nbook=Psalms\nchapter=23\ntopLine=99999\n", "Psalms 23@31", false);
        row("robustness: a top line below 0, a page in other letters",
            "[Reading]\nbook=Genesis\nchapter=1\ntopLine=-4\npage=Search\n", "Genesis 1", false);
        row("robustness: a top line no number", "[Reading]\nbook=Genesis\nchapter=1\ntopLine=x\n",
            "Genesis 1", false);
        row("robustness: no book of the text", "[Reading]\nbook=Hezekiah\nchapter=1\n", "none",
            false);
        row("robustness: past the book's last chapter", "[Reading]\nbook=Psalms\nchapter=151\n",
            "none", false);
        row("robustness: a file cut short", "[Reading]\nbook=Psalms\nchap", "none", false);
        row("robustness: stray bytes before the group",
            "\xFF\xFE[Reading]\r\nbook=Psalms\r\nchapter=23", "none", false);
    }
    void startPlace() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, searchPage);
        const VerseText text("Genesis 1:1  In the beginning God created the heaven and the "
                             "earth.\r\nPsalms 23:1  The LORD is my shepherd.\r\n");
        QTemporaryDir folder;
        const QString path = folder.filePath("Vellumark.ini");
        QVERIFY(testfiles::put(path, stored));
        FileSystem files;
        SettingsFile settings(files, path);
        settings.load();
        const auto opened = [&] {
            reading::StartPlace start = reading::savedStartPlace(settings);
            if (start.place)
                start.place = reading::placeInText(*start.place, text);
            return start;
        };
        const reading::StartPlace start = opened();
        QTEST(textOf(start.place), "opened");
        QCOMPARE(start.searchPageShown, searchPage);
        reading::keepStartPlace(settings, start);
        QCOMPARE(textOf(opened().place), textOf(start.place));
        reading::keepStartPlace(settings, {std::nullopt, !searchPage});
        QVERIFY(!reading::savedStartPlace(settings).place);
        QCOMPARE(opened().searchPageShown, !searchPage);
    }
};

QTEST_GUILESS_MAIN(TestReadingPlaces)
#include "tst_readingplaces.moc"
