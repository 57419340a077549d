#include "scripture/bookcatalogue.h"
#include "scripture/chapterwalk.h"
#include "scripture/versespans.h"
#include "search/termmarks.h"
#include "support/testfiles.h"

#include <QTest>

using books::ChapterPlace;
Q_DECLARE_METATYPE(std::optional<ChapterPlace>)

// Turning chapters, the verses a selection touches, and the searched words a chapter marks.
class TestChapterWalk : public QObject {
    Q_OBJECT
    const VerseText& m_text = testfiles::bible().text;
    const QStringList& m_lines = testfiles::bible().lines;

private slots:

    // Every chapter once, in the catalogue's order, forwards and back, and nothing beyond.
    void walksEveryChapterInOrder() {
        QList<ChapterPlace> expected;
        for (const books::Book& book : books::catalogue())
            for (int chapter = 1; chapter <= book.chapters; ++chapter)
                expected.append({QString::fromLatin1(book.name), chapter});
        QList<ChapterPlace> forwards = {books::firstChapter()};
        while (const std::optional<ChapterPlace> next = books::nextChapter(forwards.last()))
            forwards.append(*next);
        QCOMPARE(forwards, expected);
        QList<ChapterPlace> backwards = {expected.last()};
        while (const std::optional<ChapterPlace> previous =
                   books::previousChapter(backwards.first()))
            backwards.prepend(*previous);
        QCOMPARE(backwards, expected);
    }

    void namesAChapter_data() {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<std::optional<ChapterPlace>>("place");
        const auto row = [](const char* name, const char* prefix, std::optional<ChapterPlace> p) {
            QTest::newRow(name) << QString::fromLatin1(prefix) << p;
        };
        row("nominal: a book with spaces",
            "Song of Solomon 8:", ChapterPlace{"Song of Solomon", 8});
        row("nominal: a book with a number", "1 John 5:", ChapterPlace{"1 John", 5});
        row("robustness: beyond the book's chapters", "1 John 6:", std::nullopt);
        row("robustness: a leading zero", "Psalms 023:", std::nullopt);
        row("robustness: the separator", "*************** 1:", std::nullopt);
        row("robustness: the placeholders", "Books Chapter:", std::nullopt);
        row("robustness: no colon", "Genesis 1", std::nullopt);
    }
    void namesAChapter() {
        QFETCH(QString, prefix);
        QTEST(books::placeOfPrefix(prefix), "place");
    }

    // Copied verses are the file's own lines of every verse the selection touches.
    void copiesTheVersesTouched_data() {
        // The selection's ends, each as a verse and the characters into its span.
        QTest::addColumn<QList<int>>("selection");
        QTest::addColumn<QList<int>>("verses");
        QTest::newRow("nominal: caret at the start") << QList{1, 0, 1, 0} << QList{1};
        QTest::newRow("nominal: caret inside a verse") << QList{16, 20, 16, 20} << QList{16};
        QTest::newRow("nominal: across two boundaries")
            << QList{15, 10, 17, 5} << QList{15, 16, 17};
        QTest::newRow("robustness: ending where a verse begins")
            << QList{15, 10, 17, 0} << QList{15, 16};
        QTest::newRow("robustness: caret in the breaks after a verse")
            << QList{16, -2, 16, -2} << QList{16};
        QTest::newRow("robustness: caret at the very end") << QList{37, 0, 37, 0} << QList{36};
    }
    void copiesTheVersesTouched() {
        QFETCH(QList<int>, selection);
        QFETCH(QList<int>, verses);
        const QString prefix = QStringLiteral("John 3:");
        const QString chapter = m_text.chapterText(prefix);
        const std::vector<scripture::VerseSpan> spans = scripture::verseSpans(chapter);
        QCOMPARE(spans.size(), std::size_t(36));
        // A negative step counts back from the start of the next verse.
        const auto at = [&](int verse, int into) {
            if (verse > int(spans.size()))
                return chapter.size();
            return into < 0 ? spans[std::size_t(verse)].start + into
                            : spans[std::size_t(verse - 1)].start + into;
        };
        const scripture::VerseRange touched = scripture::versesTouched(
            spans, at(selection[0], selection[1]), at(selection[2], selection[3]));
        QStringList expected;
        for (const int verse : verses)
            expected << m_lines.filter(
                QRegularExpression(QStringLiteral("^John 3:%1  ").arg(verse)));
        QCOMPARE(scripture::referencedLines(m_text, prefix, touched), expected.join("\r\n"));
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
    }
    void marksTheSearchedWords() {
        QFETCH(QString, query);
        QFETCH(QString, byPhrase);
        QFETCH(QString, text);
        QString found;
        for (const auto& [start, length] :
             search::termRanges(text, search::markedTerms(query, !byPhrase.isEmpty())))
            found += text.sliced(start, length);
        QTEST(found, "marked");
    }
};

QTEST_GUILESS_MAIN(TestChapterWalk)
#include "tst_chapterwalk.moc"
