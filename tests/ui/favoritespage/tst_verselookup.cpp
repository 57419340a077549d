#include "controls/combobox.h"
#include "controls/textbox.h"
#include "favorites/subjectediting.h"
#include "storage/filesystem.h"
#include "support/appfixture.h"

#include <QTest>

namespace {

const QString kNoResult = QStringLiteral("No search results were found.");

// The result line of whole verses of one chapter, read straight from the scripture text.
QString resultOf(const QString& chapter, int first, int last) {
    QString result;
    for (int verse = first; verse <= last; ++verse)
        result += QLatin1Char(' ') + verseText(chapter + QString::number(verse));
    return result.isEmpty() ? kNoResult : result;
}

} // namespace

class TestVerseLookup : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> fx;

    FrmBible& w() { return fx->window(); }

    // Types the reference into its field and leaves it.
    void lookUp(const QString& book, const QString& reference) {
        w().ComboBookFavorites->setText(book);
        typeOver(w().TextVersesFavorites, reference);
        pressTab(&w());
    }

private slots:
    void init() { fx = std::make_unique<AppFixture>(); }
    void cleanup() { fx.reset(); }

    // The reference grammar is tested on its own; these rows prove the window filters what is
    // typed and runs the lookup on leaving the field.
    void leavingTheReferenceLooksItUp_data() {
        for (const char* column : {"book", "typed", "kept", "chapter"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last"); // below first: no result
        const auto row = [](const char* name, const char* book, const char* typed, const char* kept,
                            const char* chapter, int first, int last) {
            QTest::newRow(name) << book << typed << kept << chapter << first << last;
        };
        row("nominal: colon", "John", "3:16", "3:16", "John 3:", 16, 16);
        row("robustness: range past the chapter's end", "John", "3:30-99", "3:30-99", "John 3:", 30,
            36);
        row("robustness: separator item", "***************", "3:16", "3:16", "John 3:", 1, 0);
        row("robustness: letters between digits dropped", "John", "3x:1y6", "3:16", "John 3:", 16,
            16);
        row("robustness: leading and trailing spaces dropped", "John", " 3:16 ", "3:16",
            "John 3:", 16, 16);
    }
    void leavingTheReferenceLooksItUp() {
        QFETCH(QString, book);
        QFETCH(QString, typed);
        QFETCH(QString, chapter);
        QFETCH(int, first);
        QFETCH(int, last);
        fx->start();
        fx->pointer.history.clear();
        lookUp(book, typed);
        QTEST(w().TextVersesFavorites->text(), "kept");
        QCOMPARE(w().TextFavorites->text(), resultOf(chapter, first, last));
        QVERIFY(!fx->app().subjectEditing().subjectEdited());
        QCOMPARE(fx->pointer.history, QList<bool>({true, false}));
    }

    void changingTheBookLooksItUp() {
        fx->start();
        lookUp(QStringLiteral("Books"), QStringLiteral("3:16"));
        QCOMPARE(w().TextFavorites->text(), QString()); // no book: nothing looked up
        typeOver(w().ComboBookFavorites, QStringLiteral("1 John"));
        QCOMPARE(w().TextFavorites->text(), resultOf("1 John 3:", 16, 16));
    }

    void filterPutsTheCaretAtTheEnd() {
        fx->start();
        focusOn(w().TextVersesFavorites);
        QTest::keyClicks(w().TextVersesFavorites, QStringLiteral("316"));
        w().TextVersesFavorites->setSelStart(1);
        QTest::keyClicks(w().TextVersesFavorites, QStringLiteral("x"));
        QCOMPARE(w().TextVersesFavorites->text(), QStringLiteral("316"));
        QCOMPARE(w().TextVersesFavorites->selStart(), 3);
        w().TextVersesFavorites->setSelStart(1);
        QTest::keyClicks(w().TextVersesFavorites, QStringLiteral(":"));
        QCOMPARE(w().TextVersesFavorites->text(), QStringLiteral("3:16"));
        QCOMPARE(w().TextVersesFavorites->selStart(), 4);
    }

    void missingScriptureFindsNothing() {
        fx = std::make_unique<AppFixture>(AppFixture::Bible::Missing);
        fx->start();
        fx->messages.asked.clear();
        lookUp(QStringLiteral("John"), QStringLiteral("3:16"));
        QCOMPARE(w().TextFavorites->text(), kNoResult);
        QVERIFY(fx->messages.asked.isEmpty());
    }
};

QTEST_MAIN(TestVerseLookup)
#include "tst_verselookup.moc"
