#include "scripture/bookcatalogue.h"
#include "scripture/booknames.h"
#include "scripture/reference.h"

#include <QTest>

namespace {

QString formatted(const std::optional<scripture::Reference>& reference) {
    return reference ? reference->formatted() : QString();
}

} // namespace

class TestReferences : public QObject {
    Q_OBJECT

private slots:
    // As readers write references, and as the status line names them; empty: no reference.
    void readsAReference_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("named");
        const auto row = [](const char* name, const char* typed, const char* named) {
            QTest::newRow(name) << QString::fromUtf8(typed) << QString::fromLatin1(named);
        };
        row("nominal: a book alone", "John", "John");
        row("nominal: an abbreviation alone", "1jn", "1 John");
        row("nominal: a verse", "jn 3:16", "John 3:16");
        row("nominal: across chapters", "Gen 1:31-2:2", "Genesis 1:31-2:2");
        row("nominal: chapters", "Ps 23-24", "Psalms 23-24");
        row("nominal: Psalm", "Psalm 23", "Psalms 23");
        row("nominal: upper case, no space after the name", "JHN3:16", "John 3:16");
        row("nominal: a number joined to the name", "1John 2:1", "1 John 2:1");
        row("nominal: a Roman number", "II Kings 2", "2 Kings 2");
        row("nominal: a Roman three", "iii jn 4", "3 John 1:4");
        row("nominal: a period and spaces", "Gen. 1 . 1 \u2013 3", "Genesis 1:1-3");
        row("nominal: Song", "Song 2:1", "Song of Solomon 2:1");
        row("nominal: leading letters beside a chapter", "Lamen 3:22", "Lamentations 3:22");
        row("nominal: leading letters shared with 1 to 3 John", "joh 3:16", "John 3:16");
        row("nominal: a verse of a book of one chapter", "Jude 3", "Jude 1:3");
        row("nominal: verses of a book of one chapter", "Obad 3-5", "Obadiah 1:3-5");
        row("nominal: its one chapter named", "2 John 1:12", "2 John 1:12");
        row("nominal: a run of one verse", "John 3:16-16", "John 3:16");
        row("nominal: past a chapter's end, kept", "John 3:30-99", "John 3:30-99");
        row("nominal: the largest number", "Ps 119:32767", "Psalms 119:32767");
        row("nominal: leading zeros", "Ps 023:01", "Psalms 23:1");
        row("robustness: J", "J 3", "");
        row("robustness: Co, Colossians or Corinthians", "Co 3", "");
        row("robustness: Sam without its number", "Sam 3", "");
        row("robustness: no fourth John", "4 John 1", "");
        row("robustness: an unknown name", "Johnny 3", "");
        row("robustness: leading letters alone", "he", "");
        row("robustness: a letter that is ASCII in lower case only", "MAR\u212a 3", "");
        row("robustness: no book", "3:16", "");
        row("robustness: words", "love one another", "");
        row("robustness: empty", "", "");
        row("robustness: a chapter past the book's", "John 22", "");
        row("robustness: a second chapter of a book of one", "Jude 2:1", "");
        row("robustness: chapter 0", "John 0", "");
        row("robustness: verse 0", "John 3:0", "");
        row("robustness: verses backwards", "John 3:18-16", "");
        row("robustness: across chapters backwards", "Gen 2:1-1:31", "");
        row("robustness: chapters backwards", "Ps 24-23", "");
        row("robustness: past the largest number", "Ps 119:32768", "");
        row("robustness: a run without its end", "John 3:16-", "");
        row("robustness: a verse without its number", "John 3:", "");
        row("robustness: three numbers", "John 3:16:1", "");
        row("robustness: a chapter up to a verse", "Gen 1-2:3", "");
        row("robustness: a list of verses", "John 3:16,18", "");
    }
    void readsAReference() {
        QFETCH(QString, typed);
        const std::optional<scripture::Reference> reference = scripture::parseReference(typed);
        QTEST(formatted(reference), "named");
        if (reference) // the status line's name reads as the same place
            QCOMPARE(scripture::parseReference(reference->formatted()), reference);
    }

    // The boxes that expect a book take a name however it is written, and no more than one book.
    void findsABookByItsName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("book"); // empty: none
        const auto row = [](const char* name, const char* typed, const char* book) {
            QTest::newRow(name) << QString::fromLatin1(typed) << QString::fromLatin1(book);
        };
        row("nominal: lower case", "john", "John");
        row("nominal: with spaces around", " JOHN ", "John");
        row("nominal: leading letters", "he", "Hebrews");
        row("nominal: Col", "col", "Colossians");
        row("nominal: a number and letters", "1 Cori", "1 Corinthians");
        row("nominal: a Roman one", "I John", "1 John");
        row("nominal: a period after the name", "Judg.", "Judges");
        row("nominal: the first book by abbreviation", "gn", "Genesis");
        row("nominal: the first book by leading letters", "Genes", "Genesis");
        row("robustness: two books", "Jo", "");
        row("robustness: a letter", "r", "");
        row("robustness: a placeholder", "The Bible", "");
        row("robustness: the separator", "***************", "");
        row("robustness: a number alone", "1", "");
        row("robustness: a Roman number joined to the name", "IJohn", "");
    }
    void findsABookByItsName() {
        QFETCH(QString, typed);
        const std::optional<int> book = scripture::bookIndex(typed);
        QTEST(formatted(book ? std::optional(scripture::Reference{.book = *book}) : std::nullopt),
              "book");
    }
};

QTEST_GUILESS_MAIN(TestReferences)
#include "tst_references.moc"
