#include "favorites/versereference.h"
#include "scripture/bookcatalogue.h"
#include "scripture/reference.h"
#include "scripture/verselines.h"
#include "storage/filesystem.h"
#include "support/testfiles.h"

#include <QTest>

namespace {

// The verses the reference parser reads in a reference typed beside a book named exactly.
QStringList versesRead(const QString& book, const QString& typed) {
    const auto books = scripture::catalogue();
    const auto named = std::ranges::find(books, book, [](const auto& b) { return b.name; });
    const std::optional<scripture::Reference> read =
        scripture::parseReferenceIn(int(named - books.begin()), typed);
    QStringList verses;
    for (int verse = read ? read->firstVerse : 1; read && verse <= read->lastVerse; ++verse) {
        const QString place =
            QStringLiteral("%1 %2:%3").arg(book).arg(read->firstChapter).arg(verse);
        const QString text = testfiles::verseText(testfiles::bible().lines, place);
        if (text.isEmpty())
            break;
        verses.append(text);
    }
    return verses;
}

} // namespace

class TestVerseReference : public QObject {
    Q_OBJECT

private slots:
    void filtersWhatTheFieldMayHold_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept"); // null: the field is left alone
        const auto row = [](const char* name, const QString& typed, const QString& kept) {
            QTest::newRow(name) << typed << kept;
        };
        row("nominal: a reference stays", "30:16-18;4", "30:16-18;4");
        row("nominal: space between numbers stays", "3 16", "3 16");
        row("robustness: letters and other signs dropped", "a3b:1c6<=", "3:16");
        row("robustness: leading and trailing spaces", "  3:16 ", "3:16");
        row("robustness: a letter alone empties", "x", "");
        row("robustness: non-ASCII digits dropped", "3:\u0661\u0666", "3:");
        row("robustness: spaces only leave the field alone", "   ", QString());
    }
    void filtersWhatTheFieldMayHold() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        const std::optional<QString> filtered = favorites::filterReference(typed);
        QCOMPARE(filtered.has_value(), !kept.isNull());
        QCOMPARE(filtered.value_or(QString()), kept);
    }

    // The verses a reference finds, as typed: any character but a digit separates its numbers.
    void findsTheVersesOfAReference_data() {
        for (const char* column : {"book", "reference", "chapter"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");       // below first: nothing found
        QTest::addColumn<bool>("zerosHide"); // the parser reads John 3:16 where this finds none
        const auto row = [](const char* name, const char* book, const char* reference,
                            const char* chapter, int first, int last, bool zerosHide = false) {
            QTest::newRow(name) << book << reference << chapter << first << last << zerosHide;
        };
        const auto none = [&](const char* name, const char* book, const char* reference,
                              bool zerosHide = false) {
            row(name, book, reference, "John 3:", 1, 0, zerosHide);
        };
        row("nominal: single verse", "John", "3:16", "John 3:", 16, 16);
        row("nominal: range includes its end", "Genesis", "1:1-6", "Genesis 1:", 1, 6);
        row("nominal: range of one verse", "John", "3:16-16", "John 3:", 16, 16);
        row("nominal: range numbers normalised", "John", "3:016-018", "John 3:", 16, 18);
        row("nominal: verse before the last separator", "Genesis", "1:1-6-9", "Genesis 1:", 6, 9);
        row("nominal: book name with a space", "1 John", "3:16", "1 John 3:", 16, 16);
        row("nominal: any character but a digit separates", "John", "3 16", "John 3:", 16, 16);
        row("robustness: a doubled separator", "John", "3::16", "John 3:", 16, 16);
        row("robustness: a trailing separator", "John", "3-16;", "John 3:", 16, 16);
        row("robustness: range stops at the chapter's end", "John", "3:30-99", "John 3:", 30, 36);
        row("robustness: the largest verse number ends a range", "John", "3:30-32767",
            "John 3:", 30, 36);
        none("robustness: one past it finds nothing", "John", "3:30-32768");
        none("robustness: reversed range", "John", "3:18-16");
        none("robustness: verse past the chapter", "John", "3:99");
        none("robustness: range past the chapter", "John", "3:37-40");
        none("robustness: chapter compared as typed", "John", "03:16", true);
        none("robustness: single verse compared as typed", "John", "3:016", true);
        none("robustness: no chapter", "John", ":16");
        none("robustness: empty", "John", "");
        none("robustness: partial book name", "Joh", "3:16");
        none("robustness: overlong digits", "John", "3:99999999999999999999-1");
        none("robustness: verse 0", "John", "3:0-2");
        none("robustness: book in lower case", "john", "3:16");
        none("robustness: book outside the code page", "J\u014dhn", "3:16");
        row("nominal: range from the last verse", "Jude", "1:25-99", "Jude 1:", 25, 25);
        row("nominal: first and last book", "Revelation", "22:21", "Revelation 22:", 21, 21);
    }
    void findsTheVersesOfAReference() {
        QFETCH(QString, book);
        QFETCH(QString, reference);
        QFETCH(QString, chapter);
        QFETCH(int, first);
        QFETCH(int, last);
        const QStringList found =
            scripture::versesFor(testfiles::bible().text, book, VerseReference::parse(reference));
        QStringList expected;
        for (int verse = first; verse <= last; ++verse) {
            expected << testfiles::verseText(testfiles::bible().lines,
                                             chapter + QString::number(verse));
            QVERIFY(!expected.last().isEmpty());
        }
        QCOMPARE(found, expected);
        QFETCH(bool, zerosHide);
        QCOMPARE(versesRead(book, reference),
                 zerosHide
                     ? QStringList{testfiles::verseText(testfiles::bible().lines, "John 3:16")}
                     : expected);
    }

    // The verses found as one line; the lookup starts once a reference is typed and a book named,
    // both compared as they stand.
    void joinsTheVersesIntoOneLine() {
        QCOMPARE(favorites::lookupResultText({"a b", "c"}), QStringLiteral(" a b c"));
        QCOMPARE(favorites::lookupResultText({}), QStringLiteral("No search results were found."));
        QVERIFY(scripture::versesFor(VerseText(), "John", VerseReference::parse("3:16")).isEmpty());
        QVERIFY(favorites::canLookUp("3:16", "John") && favorites::canLookUp(" ", "books"));
        QVERIFY(!favorites::canLookUp(QString(), "John") && !favorites::canLookUp("3:16", "Books"));
    }
};

QTEST_GUILESS_MAIN(TestVerseReference)
#include "tst_versereference.moc"
