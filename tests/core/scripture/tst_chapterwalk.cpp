#include "reading/readinghistory.h"
#include "reading/startplace.h"
#include "reading/textswitchplace.h"
#include "reading/typedplace.h"
#include "scripture/bookcatalogue.h"
#include "scripture/chaptertext.h"
#include "scripture/chapterwalk.h"
#include "scripture/versespans.h"
#include "search/termmarks.h"
#include "settings/settingsfile.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using scripture::ChapterPlace;
Q_DECLARE_METATYPE(std::optional<ChapterPlace>)

namespace {

// "Psalms 23@120": a chapter and the offset its top line starts at; without "@", at its top.
reading::ReadingPlace placeOf(const QString& text) {
    const QStringList parts = text.split('@');
    const qsizetype space = parts[0].lastIndexOf(' ');
    return {{parts[0].left(space), parts[0].sliced(space + 1).toInt()}, parts.value(1).toLong()};
}

QString textOf(const std::optional<reading::ReadingPlace>& p) {
    const QString top = p && p->top ? '@' + QString::number(p->top) : QString();
    return p ? p->chapter.book + ' ' + QString::number(p->chapter.chapter) + top : "none";
}

} // namespace

// Turning chapters, the places Back and Forward walk, the place the program opens at, the verses
// a selection touches, and the searched words a chapter marks.
class TestChapterWalk : public QObject {
    Q_OBJECT
    const VerseText& m_text = testfiles::bible().text;
    const QStringList& m_lines = testfiles::bible().lines;

private slots:

    // Every chapter once, in the catalogue's order, forwards and back, and nothing beyond.
    void walksEveryChapterInOrder() {
        QList<ChapterPlace> expected;
        for (const scripture::Book& book : scripture::catalogue())
            for (int chapter = 1; chapter <= book.chapters; ++chapter)
                expected.append({QString::fromLatin1(book.name), chapter});
        using scripture::Turn, scripture::turnedChapter; // from the chapter shown, not the named
        QList<ChapterPlace> forwards = {scripture::firstChapter()};
        while (const auto next = turnedChapter(Turn::Next, forwards.last(), expected[9]))
            forwards.append(*next);
        QCOMPARE(forwards, expected);
        QList<ChapterPlace> backwards = {expected.last()};
        while (const auto previous = turnedChapter(Turn::Previous, backwards.first(), expected[9]))
            backwards.prepend(*previous);
        QCOMPARE(backwards, expected);
    }

    // Next ("+") and Previous ("-") Chapter with none shown (""): the chapter the boxes name,
    // else the first. Turning from a chapter shown is walked above.
    void turnsAChapter_data() {
        QTest::addColumn<QStringList>("turn"); // the turn, shown, named, opened
        QTest::newRow("nominal: previous with none shown, the chapter the boxes name")
            << QStringList{"-", "", "Job 1", "Job 1"};
        QTest::newRow("robustness: next with none shown or named")
            << QStringList{"+", "", "", "Genesis 1"};
    }
    void turnsAChapter() {
        QFETCH(QStringList, turn);
        const auto chapter = [&](int i) {
            return turn[i].isEmpty() ? std::nullopt : std::optional(placeOf(turn[i]).chapter);
        };
        const std::optional<ChapterPlace> opened = scripture::turnedChapter(
            turn[0] == "+" ? scripture::Turn::Next : scripture::Turn::Previous, chapter(1),
            chapter(2));
        QCOMPARE(opened ? opened->book + ' ' + QString::number(opened->chapter) : "", turn[3]);
    }

    // Steps: a place read; "=" and a place: the top line it was left at; "<" Back; "(" Back
    // while the instructions are shown; ">" Forward. Shown: what each Back and Forward shows,
    // then whether Back and Forward lead anywhere.
    void walksThePlacesRead_data() {
        for (const char* column : {"steps", "shown"})
            QTest::addColumn<QStringList>(column);
        const auto row = [](const char* name, const QStringList& steps, const QStringList& shown) {
            QTest::newRow(name) << steps << shown;
        };
        row("nominal: back to the first, forward again",
            {"Genesis 1", "Exodus 2@7", "Psalms 23", "<", "<", "<", ">"},
            {"Exodus 2@7", "Genesis 1", "none", "Exodus 2@7", "back", "forward"});
        row("nominal: reading after going back drops the places ahead",
            {"Genesis 1", "Exodus 2", "Psalms 23", "<", "<", "John 3", ">", "<"},
            {"Exodus 2", "Genesis 1", "none", "Genesis 1", "forward"});
        row("nominal: a place keeps the top line it was left at, no other chapter's",
            {"Genesis 1", "=Genesis 1@90", "=Exodus 2@5", "Exodus 2", "<"},
            {"Genesis 1@90", "forward"});
        row("nominal: the same chapter again is the same place",
            {"Genesis 1", "Genesis 1@3", "Exodus 2", "Exodus 2@40", "<", "<", ">"},
            {"Genesis 1@3", "none", "Exodus 2@40", "back"});
        row("nominal: from the instructions, back to the chapter read last",
            {"Genesis 1", "Exodus 2", "(", "<"}, {"Exodus 2", "Genesis 1", "forward"});
        row("robustness: from the instructions, back to the one place read", {"Genesis 1", "("},
            {"Genesis 1"});
        row("robustness: nothing read yet", {"<", "(", ">"}, {"none", "none", "none"});
        QStringList hundredAndOne, kept; // "Genesis 1" to "Genesis 101", and backwards
        for (int chapter = 1; chapter <= 101; ++chapter)
            kept.prepend((hundredAndOne << QString("Genesis %1").arg(chapter)).last());
        row("robustness: the oldest place goes past 100 places",
            hundredAndOne + QStringList(100, "<"),
            kept.mid(1, 99) + QStringList{"none", "forward"});
    }
    void walksThePlacesRead() {
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
        if (history.canGoBack(true))
            shown << "back";
        if (history.canGoForward())
            shown << "forward";
        QTEST(shown, "shown");
    }

    // The settings file as the last run left it, over a Bible.dat of two chapters; a window
    // closed on the welcome or help text opens on it next time.
    void opensWhereReadingStopped_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("opened");
        const auto row = [](const char* name, const char* stored, const char* opened) {
            QTest::newRow(name) << QByteArray("[Reading]\n") + stored << QString(opened);
        };
        row("nominal: the chapter, its top line, the page, the subject",
            "book=Psalms\nchapter=23\npage=search\ntopLine=12\ntext=KJV\n"
            "[Favorites]\nsubject= Hope = Joy\n",
            "search: Psalms 23@12 in Hope = Joy of KJV");
        row("nominal: the first start", "", "none");
        row("nominal: the welcome or help text shown last", "page=favorites\n", "none");
        row("robustness: Bible.dat lost the chapter", "book=John\nchapter=3\n", "none");
        row("robustness: a top line past the end", "book=Psalms\nchapter=23\ntopLine=99999",
            "Psalms 23@31");
        row("robustness: a top line below 0, a page in capitals",
            "book=Genesis\nchapter=1\ntopLine=-4\npage=Search\n", "Genesis 1");
        row("robustness: a top line no number", "book=Genesis\nchapter=1\ntopLine=x", "Genesis 1");
        row("robustness: a damaged file", "\xFF\xFE\x01\r\nbook=Psalms\r\nchap", "none");
    }
    void opensWhereReadingStopped() {
        QFETCH(QByteArray, stored);
        QTemporaryDir folder;
        QVERIFY(testfiles::put(folder.filePath("Vellumark.ini"), stored));
        FileSystem files;
        SettingsFile settings(files, folder.filePath("Vellumark.ini"));
        settings.load();
        const VerseText bible(
            "Genesis 1:1  In the beginning\r\nPsalms 23:1  The LORD is my shepherd.\r\n");
        reading::StartPlace start;
        const auto opened = [&] {
            start = reading::savedStartPlace(settings);
            if (start.place)
                start.place = reading::placeInText(*start.place, bible);
            return (start.searchPageShown ? "search: " : "") + textOf(start.place) +
                   (start.subject.isEmpty() ? "" : " in " + start.subject) +
                   (start.text.isEmpty() ? "" : " of " + start.text);
        };
        const QString shown = opened();
        QTEST(shown, "opened");
        reading::keepStartPlace(settings, start); // read back as it was
        QCOMPARE(opened(), shown);
        reading::keepStartPlace(settings, {std::nullopt, !start.searchPageShown, {}, {}});
        QCOMPARE(opened(), shown.startsWith("search") ? "none" : "search: none");
    }

    // Another text read in place of the one shown: the verse at the top stays at the top.
    void placeInAnotherText_data() {
        QTest::addColumn<QString>("shown"); // a place in the first text
        QTest::addColumn<QString>("other"); // where it goes in the second
        const auto row = [](const char* name, const char* shown, const char* other) {
            QTest::newRow(name) << QString(shown) << QString(other);
        };
        row("nominal: the top line's verse, its first line", "John 3@22", "John 3@8");
        row("nominal: within a verse, to its start", "John 3@25", "John 3@8");
        row("nominal: a verse the other lacks, to the one before", "John 3@11", "John 3");
        row("robustness: a verse beyond the other's last", "John 3@40", "John 3@19");
        row("robustness: a chapter the other lacks", "John 4", "none");
    }
    void placeInAnotherText() {
        QFETCH(QString, shown);
        const VerseText first("John 3:1  aaaa\r\nJohn 3:2  bbbb\r\nJohn 3:3  cc\r\n"
                              "John 3:4  dd\r\nJohn 4:1  e\r\n");
        const VerseText second("John 3:1  x\r\nJohn 3:3  yyyy\r\nJohn 3:3  again\r\n");
        const reading::ReadingPlace place = placeOf(shown);
        const QString shownText = scripture::chapterText(first, place.chapter).text;
        QTEST(textOf(reading::sameVerseIn(place, shownText, second)), "other");
    }
    // At start, the place saved in a module's text is shown as saved once that text is read.
    void placeAwaitingItsText() {
        const VerseText module("Psalms 23:1  The LORD is my shepherd.\r\n");
        const reading::PlaceAwaitingText awaiting{"WEB", placeOf("Psalms 23@99")};
        QCOMPARE(textOf(reading::awaitedPlace(awaiting, "WEB", module)), "Psalms 23@31"); // its end
        QCOMPARE(textOf(reading::awaitedPlace(awaiting, "KJV", module)), "none");
    }

    void typedChapter_data() {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("chapter");
        QTest::addColumn<int>("number");
        const auto row = [](const char* name, const char* book, const char* chapter, int number) {
            QTest::newRow(name) << book << chapter << number;
        };
        row("nominal: a book with spaces", "Song of Solomon", "8", 8);
        row("nominal: a leading zero, the last digit", "Psalms", "029", 29);
        row("robustness: a sign", "Genesis", "-1", 0);
        row("robustness: too large", "Genesis", "99999999999", 0);
    }
    void typedChapter() {
        QFETCH(QString, book);
        QFETCH(QString, chapter);
        QFETCH(int, number);
        QCOMPARE(scripture::typedChapter(book, chapter), (ChapterPlace{book, number}));
    }

    // Where a book or a reference typed into the book box takes the reader.
    void placeTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("place"); // book, chapter and verse; empty: nowhere
        const auto row = [](const char* name, const char* typed, const char* place) {
            QTest::newRow(name) << QString(typed) << QString(place);
        };
        row("nominal: a book", "Romans", "Romans 1:0");
        row("nominal: a chapter", "Ps 23", "Psalms 23:0");
        row("nominal: a range across chapters", "Gen 1:31-2:2", "Genesis 1:31");
        row("robustness: no book", "Rome", "");
    }
    void placeTyped() {
        QFETCH(QString, typed);
        const std::optional<scripture::VersePlace> place = reading::placeTyped(typed);
        QTEST(place ? QString("%1 %2:%3")
                          .arg(place->chapter.book)
                          .arg(place->chapter.chapter)
                          .arg(place->verse)
                    : QString(),
              "place");
    }

    // Copied verses are the file's own lines of every verse the selection touches, each named
    // by the number its paragraph starts with in the text as edited.
    void copiesTheVersesTouched_data() {
        // Places (where text is typed, the selection's ends): a verse and the characters into its
        // span as loaded, or back from the next verse's start.
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("places");
        QTest::addColumn<QList<int>>("verses");
        const auto row = [](const char* name, const char* typed, QList<int> places,
                            QList<int> verses) {
            QTest::newRow(name) << QString(typed) << places << verses;
        };
        row("nominal: caret at the start", "", {1, 0, 1, 0, 1, 0}, {1});
        row("nominal: from the first verse's second character", "", {1, 0, 1, 1, 2, 3}, {1, 2});
        row("nominal: across two boundaries", "", {1, 0, 15, 10, 17, 1}, {15, 16, 17});
        row("nominal: lines added at the top", "\r\n\r\n", {1, 0, 16, 20, 16, 20}, {16});
        row("nominal: a number typed names the verse", "\n5 ", {16, 20, 16, 30, 16, 30}, {5});
        row("robustness: a verse split in two", "\r\n", {16, 20, 16, 30, 16, 30}, {16});
        row("robustness: above the first verse", "\r\n\r\n", {1, 0, 1, 0, 1, 0}, {});
        row("robustness: a number without a space starts none", "\r\n3:16 ",
            {16, 20, 15, 0, 16, 30}, {15, 16});
        row("robustness: ending where a verse begins", "", {1, 0, 15, 10, 17, 0}, {15, 16});
        row("robustness: caret in the breaks after a verse", "", {1, 0, 16, -2, 16, -2}, {16});
        row("robustness: caret at the very end", "", {1, 0, 37, 0, 37, 0}, {36});
    }
    void copiesTheVersesTouched() {
        QFETCH(QString, typed);
        QFETCH(QList<int>, places);
        QFETCH(QList<int>, verses);
        const QString prefix = "John 3:";
        QString chapter = scripture::chapterText(m_text, {"John", 3}).text;
        std::vector<scripture::VerseSpan> spans = scripture::verseSpans(chapter);
        QCOMPARE(spans.size(), std::size_t(36));
        const auto at = [&](int verse, int into) {
            if (verse > int(spans.size()))
                return chapter.size();
            return into < 0 ? spans[std::size_t(verse)].start + into
                            : spans[std::size_t(verse - 1)].start + into;
        };
        const qsizetype typedAt = at(places[0], places[1]);
        QList<qsizetype> ends; // moved on by the text typed before them
        for (int i : {2, 4})
            ends << at(places[i], places[i + 1]) +
                        (at(places[i], places[i + 1]) > typedAt ? typed.size() : 0);
        spans = scripture::verseSpans(chapter.insert(typedAt, typed));
        const scripture::VerseRange touched = scripture::versesTouched(spans, ends[0], ends[1]);
        QStringList expected;
        for (const int verse : verses)
            expected << m_lines.filter(
                QRegularExpression(QStringLiteral("^John 3:%1  ").arg(verse)));
        QCOMPARE(scripture::referencedLines(m_text, prefix, spans, touched), expected.join("\r\n"));
    }

    void marksTheSearchedWords_data() {
        for (const char* column : {"query", "byPhrase", "text", "marked"})
            QTest::addColumn<QString>(column); // marked: the marked characters, in term order
        const auto row = [](const char* name, const char* query, const char* byPhrase,
                            const char* text, const char* marked) {
            QTest::newRow(name) << query << byPhrase << text << marked;
        };
        row("nominal: the phrase", "  love one another ", "yes", "ye Love one another; love",
            "Love one another");
        row("nominal: each word, inside longer words too", "another love one", "", "Beloved, gone",
            "loveone");
        row("robustness: a trailing separator adds no empty mark", "love?", "", "love?", "love");
        row("robustness: the same word twice marks once", "love love", "", "love", "love");
        row("robustness: a one-letter word marks each of its places", "a", "", "Isaac", "aa");
    }
    void marksTheSearchedWords() {
        QFETCH(QString, query);
        QFETCH(QString, byPhrase);
        QFETCH(QString, text);
        QString found;
        const auto encoding = TextEncoding::Windows1252;
        const search::Outcome outcome{{}, !byPhrase.isEmpty(), false};
        for (const auto& [start, length] :
             search::termRanges(text, search::markedTerms(query, outcome, encoding), encoding))
            found += text.sliced(start, length);
        QTEST(found, "marked");
        // A UTF-8 text's words fold as its search folds them.
        const QString greek = "\u03A3\u039F\u03A6\u038A\u0391 \u03C3\u03BF\u03C6\u03AF\u03B1";
        const auto utf8 = TextEncoding::Utf8;
        const search::Outcome phrase{{}, true, false};
        QCOMPARE(search::termRanges(greek, search::markedTerms(greek.right(5), phrase, utf8), utf8)
                     .size(),
                 std::size_t(2));
        QVERIFY(search::markedTerms(greek, {{}, false, true}, utf8).isEmpty()); // verses named
    }
};

QTEST_GUILESS_MAIN(TestChapterWalk)
#include "tst_chapterwalk.moc"
