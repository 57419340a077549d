#include "controls/combobox.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "naivesearch.h"
#include "searchpage/searchpage.h"
#include "shell/placeholders.h"
#include "support/appfixture.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kBible = QStringLiteral(VELLUMARK_TEST_BIBLE);
const QString kHint = QStringLiteral("Click verse to view chapter.");

// The search page shown, with a query typed into the search box and the focus left there.
FrmBible& searchPage(AppFixture& fx, const QString& query) {
    fx.start();
    FrmBible& w = fx.window();
    w.menus.mnuSearch2->trigger();
    QApplication::processEvents();
    focusOn(w.TextSearch);
    if (!query.isNull())
        w.TextSearch->setText(query);
    return w;
}

void leaveSearchBox(FrmBible& w) {
    focusOn(w.TextVerses);
}

} // namespace

class TstSearchPage : public QObject {
    Q_OBJECT
private slots:
    void enteringSearchBoxSelectsAll() {
        AppFixture fx;
        FrmBible& w = searchPage(fx, QString());
        QCOMPARE(w.TextSearch->selStart(), 0);
        QCOMPARE(w.TextSearch->selText(), placeholders::kSearchPrompt);
        leaveSearchBox(w);
        w.TextSearch->setText(QStringLiteral("love\r\none"));
        focusOn(w.TextSearch);
        QCOMPARE(w.TextSearch->selLength(), 9); // the line break counts as two
    }

    void searchStartsOnlyWhenReady_data() {
        QTest::addColumn<QString>("book");  // picked before the query is typed; empty: none
        QTest::addColumn<QString>("query"); // null: the prompt stays
        QTest::addColumn<bool>("searches");
        QTest::addColumn<QString>("queryAfter");
        QTest::newRow("nominal: query and book")
            << "The Bible"
            << "love one another" << true << "love one another";
        QTest::newRow("nominal: spaces around are written back trimmed")
            << "Ruth"
            << "  love  " << true << "love";
        QTest::newRow("robustness: no book chosen") << ""
                                                    << "love" << false << "love";
        QTest::newRow("robustness: prompt unchanged")
            << "The Bible" << QString() << false << placeholders::kSearchPrompt;
        QTest::newRow("robustness: prompt with a space is a query")
            << "Jude" << placeholders::kSearchPrompt + QLatin1Char(' ') << true
            << placeholders::kSearchPrompt;
        QTest::newRow("robustness: only spaces") << "The Bible"
                                                 << "   " << false << "";
    }

    void searchStartsOnlyWhenReady() {
        QFETCH(QString, book);
        QFETCH(QString, query);
        QFETCH(bool, searches);
        AppFixture fx;
        fx.start();
        FrmBible& w = fx.window();
        w.menus.mnuSearch2->trigger();
        if (!book.isEmpty()) {
            w.TextSearch->setText(QStringLiteral("xyzzy")); // a book pick searches: find nothing
            pickItem(w.ComboSearch, book);
            w.ListVerse->setItems({kHint});
            w.TextSearch->setText(placeholders::kSearchPrompt);
        }
        focusOn(w.TextSearch);
        if (!query.isNull())
            w.TextSearch->setText(query);
        fx.pointer.history.clear();
        leaveSearchBox(w);
        QTEST(w.TextSearch->text(), "queryAfter");
        if (!searches) {
            QCOMPARE(w.ListVerse->items(), QStringList{kHint});
            QVERIFY(fx.pointer.history.isEmpty());
            return;
        }
        QCOMPARE(w.ListVerse->items(), naive::search(kBible, query, book).lines);
        QCOMPARE(fx.pointer.history, (QList<bool>{true, false}));
    }

    // A pick searches at once; the results and the trimmed query outlast a switch of pages.
    void pickingBookSearchesAndResultsStay() {
        AppFixture fx;
        FrmBible& w = searchPage(fx, QStringLiteral("  faith,hope  "));
        pickItem(w.ComboSearch, QStringLiteral("The Bible"));
        const QStringList results = w.ListVerse->items();
        const naive::SearchOutcome expected = naive::search(kBible, "  faith,hope  ", "The Bible");
        QCOMPARE(results, expected.lines);
        w.menus.mnuFavoriteVerses->trigger();
        QApplication::processEvents();
        QVERIFY(!w.ListVerse->isVisible());
        w.menus.mnuSearch2->trigger();
        QApplication::processEvents();
        QCOMPARE(w.TextSearch->text(), QStringLiteral("faith,hope"));
        QCOMPARE(w.ListVerse->items(), results);
        pickItem(w.ComboSearch, QStringLiteral("***************"));
        QCOMPARE(w.ListVerse->items(), QStringList());
    }

    void tabbingToListSearchesAndListOpensVerse() {
        AppFixture fx;
        FrmBible& w = searchPage(fx, QString());
        pickItem(w.ComboSearch, QStringLiteral("The Bible")); // the prompt: no search yet
        QCOMPARE(w.ListVerse->items(), QStringList{kHint});
        focusOn(w.TextSearch);
        w.TextSearch->setText(QStringLiteral("another love one"));
        pressTab(&w);
        QCOMPARE(w.activeControl(), static_cast<QWidget*>(w.ListVerse));
        const QStringList expected = naive::search(kBible, "another love one", "The Bible").lines;
        QVERIFY(expected.size() > 1);
        QCOMPARE(w.ListVerse->items(), expected);

        w.ListVerse->setText(expected.at(1)); // opening a verse leaves the results as they are
        QVERIFY(expected.at(1).startsWith(w.ComboBooks->text() + QLatin1Char(' ')));
        QCOMPARE(w.ListVerse->items(), expected);
    }

    void everyLineArrivesInOneStep() {
        AppFixture fx;
        FrmBible& w = searchPage(fx, QStringLiteral("3:99"));
        QSignalSpy inserted(w.ListVerse->model(), &QAbstractItemModel::rowsInserted);
        QSignalSpy reset(w.ListVerse->model(), &QAbstractItemModel::modelReset);
        pickItem(w.ComboSearch, QStringLiteral("The Bible"));
        QCOMPARE(w.ListVerse->count(), 31102);
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(reset.count(), 1);
        QVERIFY(w.ListVerse->items().last().startsWith(QStringLiteral("Revelation 22:21  ")));
    }

    void unreadableFileGivesEmptyList_data() {
        QTest::addColumn<bool>("missing");
        QTest::newRow("robustness: Bible.dat missing") << true;
        QTest::newRow("robustness: Bible.dat unreadable") << false;
    }

    void unreadableFileGivesEmptyList() {
        QFETCH(bool, missing);
        AppFixture fx(missing ? AppFixture::Bible::Missing : AppFixture::Bible::Real);
        fx.files.failRead = [](const QString& path) { return path.endsWith("Bible.dat"); };
        FrmBible& w = searchPage(fx, QStringLiteral("love"));
        fx.pointer.history.clear();
        pickItem(w.ComboSearch, QStringLiteral("The Bible"));
        QCOMPARE(w.ListVerse->items(), QStringList());
        QCOMPARE(fx.pointer.history, (QList<bool>{true, false}));
    }
};

QTEST_MAIN(TstSearchPage)
#include "tst_searchpage.moc"
