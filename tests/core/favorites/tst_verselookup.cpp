#include "favorites/referencefield.h"
#include "scripture/booknames.h"
#include "scripture/reference.h"
#include "scripture/verselines.h"
#include "storage/filesystem.h"
#include "support/testfiles.h"

#include <QTest>

namespace {

// The favorites page's lookup: the book as its box names it, the reference as typed beside it.
QStringList lookedUp(const VerseText& text, const QString& book, const QString& typed) {
    const std::optional<int> index = scripture::bookIndex(book);
    const std::optional<scripture::Reference> reference =
        index ? scripture::parseReferenceIn(*index, typed) : std::nullopt;
    return reference ? scripture::versesOf(text, *reference) : QStringList();
}

} // namespace

class TestVerseLookup : public QObject {
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

    // The verses a reference finds, as typed: any character but a digit separates its numbers,
    // and the book is named as the reference parser reads a name.
    void findsTheVersesOfAReference_data() {
        for (const char* column : {"book", "reference", "chapter"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last"); // below first: nothing found
        const auto row = [](const char* name, const char* book, const char* reference,
                            const char* chapter, int first, int last) {
            QTest::newRow(name) << book << reference << chapter << first << last;
        };
        const auto none = [&](const char* name, const char* book, const char* reference) {
            row(name, book, reference, "John 3:", 1, 0);
        };
        row("nominal: single verse", "John", "3:16", "John 3:", 16, 16);
        row("nominal: range includes its end", "Genesis", "1:1-6", "Genesis 1:", 1, 6);
        row("nominal: range numbers normalised", "John", "3:016-018", "John 3:", 16, 18);
        row("nominal: verse before the last separator", "Genesis", "1:1-6-9", "Genesis 1:", 6, 9);
        row("nominal: book name with a space", "1 John", "3:16", "1 John 3:", 16, 16);
        row("robustness: a trailing separator", "John", "3-16;", "John 3:", 16, 16);
        row("robustness: a leading separator", "John", ":3:16", "John 3:", 16, 16);
        row("robustness: range stops at the chapter's end", "John", "3:30-99", "John 3:", 30, 36);
        row("robustness: the largest verse number ends a range", "John", "3:30-32767",
            "John 3:", 30, 36);
        none("robustness: one past it finds nothing", "John", "3:30-32768");
        none("robustness: verse past the chapter", "John", "3:99");
        none("robustness: range past the chapter", "John", "3:37-40");
        none("robustness: no chapter", "John", ":16");
        none("robustness: a chapter alone", "John", "3");
        none("robustness: a chapter the book lacks", "Jude", "2:1");
        none("robustness: empty", "John", "");
        none("robustness: overlong digits", "John", "3:99999999999999999999-1");
        none("robustness: book outside the code page", "J\u014dhn", "3:16");
        none("robustness: the box's placeholder", "Books", "3:16");
        row("nominal: range from the last verse", "Jude", "1:25-99", "Jude 1:", 25, 25);
        row("nominal: first and last book", "Revelation", "22:21", "Revelation 22:", 21, 21);
    }
    void findsTheVersesOfAReference() {
        QFETCH(QString, book);
        QFETCH(QString, reference);
        QFETCH(QString, chapter);
        QFETCH(int, first);
        QFETCH(int, last);
        QStringList expected;
        for (int verse = first; verse <= last; ++verse) {
            expected << testfiles::verseText(testfiles::bible().lines,
                                             chapter + QString::number(verse));
            QVERIFY(!expected.last().isEmpty());
        }
        QCOMPARE(lookedUp(testfiles::bible().text, book, reference), expected);
    }

    // The verses found as one line; the lookup starts once a reference is typed and a book named,
    // both compared as they stand.
    void joinsTheVersesIntoOneLine() {
        QCOMPARE(favorites::lookupResultText({"a b", "c"}), QStringLiteral(" a b c"));
        QCOMPARE(favorites::lookupResultText({}), QStringLiteral("No search results were found."));
        QVERIFY(lookedUp(VerseText(), "John", "3:16").isEmpty());
        QVERIFY(favorites::canLookUp("3:16", "John") && favorites::canLookUp(" ", "books"));
        QVERIFY(!favorites::canLookUp(QString(), "John") && !favorites::canLookUp("3:16", "Books"));
    }
};

QTEST_GUILESS_MAIN(TestVerseLookup)
#include "tst_verselookup.moc"
