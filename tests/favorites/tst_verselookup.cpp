#include "app/filesystem.h"
#include "app/toolkit/combobox.h"
#include "app/toolkit/textbox.h"
#include "favorites/subjecteditor.h"
#include "support/appfixture.h"

#include <QTest>

namespace {

const QString kNoResult = QStringLiteral("No search results were found.");

// The result line of whole verses of one chapter, read straight from the scripture text.
QString resultOf(const QString& chapter, int first, int last) {
    QStringList lines;
    FileSystem().readLines(QStringLiteral(VELLUMARK_TEST_BIBLE), lines);
    QString result;
    for (int verse = first; verse <= last; ++verse) {
        const QString start = chapter + QString::number(verse) + QStringLiteral("  ");
        for (const QString& line : lines) {
            if (line.startsWith(start))
                result += QLatin1Char(' ') + line.sliced(start.size()).trimmed();
        }
    }
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
        focusOn(w().TextVersesFavorites);
        QTest::keyClick(w().TextVersesFavorites, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w().TextVersesFavorites, reference);
        pressTab(&w());
    }

private slots:
    void init() { fx = std::make_unique<AppFixture>(); }
    void cleanup() { fx.reset(); }

    // The reference grammar is tested on its own; these rows prove the window runs it.
    void leavingTheReferenceLooksItUp_data() {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("chapter");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last"); // below first: no result
        QTest::newRow("nominal: colon") << "John"
                                        << "3:16"
                                        << "John 3:" << 16 << 16;
        QTest::newRow("nominal: range") << "Genesis"
                                        << "1:1-6"
                                        << "Genesis 1:" << 1 << 6;
        QTest::newRow("robustness: range past the chapter's end") << "John"
                                                                  << "3:30-99"
                                                                  << "John 3:" << 30 << 36;
        QTest::newRow("robustness: chapter alone") << "John"
                                                   << "3"
                                                   << "John 3:" << 1 << 0;
        QTest::newRow("robustness: separator item") << "***************"
                                                    << "3:16"
                                                    << "John 3:" << 1 << 0;
    }
    void leavingTheReferenceLooksItUp() {
        QFETCH(QString, book);
        QFETCH(QString, reference);
        QFETCH(QString, chapter);
        QFETCH(int, first);
        QFETCH(int, last);
        fx->start();
        fx->pointer.history.clear();
        lookUp(book, reference);
        QCOMPARE(w().TextVersesFavorites->text(), reference);
        QCOMPARE(w().TextFavorites->text(), resultOf(chapter, first, last));
        QVERIFY(!fx->app().subjectEditor().blnCheck);
        QCOMPARE(fx->pointer.history, QList<bool>({true, false}));
    }

    void spaceSeparatedReferenceLooksItUp() {
        fx->start();
        w().ComboBookFavorites->setText(QStringLiteral("John"));
        focusOn(w().TextVersesFavorites);
        w().TextVersesFavorites->setText(QStringLiteral(" 3 16 "));
        QCOMPARE(w().TextVersesFavorites->text(), QStringLiteral("3 16"));
        pressTab(&w());
        QCOMPARE(w().TextFavorites->text(), resultOf("John 3:", 16, 16));
    }

    void changingTheBookLooksItUp() {
        fx->start();
        lookUp(QStringLiteral("Books"), QStringLiteral("3:16"));
        QCOMPARE(w().TextFavorites->text(), QString()); // no book: nothing looked up
        focusOn(w().ComboBookFavorites);
        QTest::keyClick(w().ComboBookFavorites, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w().ComboBookFavorites, QStringLiteral("1 John"));
        QCOMPARE(w().TextFavorites->text(), resultOf("1 John 3:", 16, 16));
    }

    void filterKeepsOnlyAReference_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("nominal: a reference") << "3:16-18"
                                              << "3:16-18";
        QTest::newRow("robustness: a letter into the empty field") << "a"
                                                                   << "";
        QTest::newRow("robustness: letters between digits") << "3x:1y6"
                                                            << "3:16";
        QTest::newRow("robustness: leading space vanishes") << " 3:16"
                                                            << "3:16";
        QTest::newRow("robustness: trailing space vanishes") << "3 "
                                                             << "3";
    }
    void filterKeepsOnlyAReference() {
        QFETCH(QString, typed);
        fx->start();
        focusOn(w().TextVersesFavorites);
        QTest::keyClicks(w().TextVersesFavorites, typed);
        QTEST(w().TextVersesFavorites->text(), "kept");
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
