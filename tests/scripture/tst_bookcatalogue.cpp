#include "scripture/bookcatalogue.h"

#include <QSet>
#include <QTest>

class TestBookCatalogue : public QObject {
    Q_OBJECT

private slots:
    void invariants() {
        const auto books = books::catalogue();
        QCOMPARE(int(books.size()), 66);
        int total = 0;
        QSet<QString> names;
        for (const auto& book : books) {
            const QString name = QString::fromLatin1(book.name);
            total += book.chapters;
            names.insert(name);
            QVERIFY(name.size() >= 3 && name.size() <= 15);
            QVERIFY(!name.contains(':') && !name.contains("  "));
            for (const auto& other : books) {
                if (&other != &book)
                    QVERIFY2(!QString::fromLatin1(other.name).startsWith(name), book.name);
            }
        }
        QCOMPARE(total, 1189);
        QCOMPARE(names.size(), 66);
    }

    void bookList() {
        const QStringList list = books::bookList();
        QCOMPARE(list.size(), 67);
        QCOMPARE(list.at(38), QStringLiteral("Malachi"));
        QCOMPARE(list.at(39), QStringLiteral("***************"));
        QCOMPARE(list.at(40), QStringLiteral("Matthew"));
        QCOMPARE(list.last(), QStringLiteral("Revelation"));
    }

    void chapterCount_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count"); // -1: no book
        QTest::newRow("nominal: Psalms") << "Psalms" << 150;
        QTest::newRow("nominal: Obadiah") << "Obadiah" << 1;
        QTest::newRow("nominal: 3 John") << "3 John" << 1;
        QTest::newRow("nominal: Song of Solomon") << "Song of Solomon" << 8;
        QTest::newRow("robustness: separator") << "***************" << -1;
        QTest::newRow("robustness: Books") << "Books" << -1;
        QTest::newRow("robustness: The Bible") << "The Bible" << -1;
        QTest::newRow("robustness: empty") << "" << -1;
        QTest::newRow("robustness: lower case") << "genesis" << -1;
        QTest::newRow("robustness: leading space") << " Genesis" << -1;
    }
    void chapterCount() {
        QFETCH(QString, text);
        QFETCH(int, count);
        QCOMPARE(books::chapterCount(text).value_or(-1), count);
    }

    void chapterList() {
        const QStringList psalms = books::chapterList(150);
        QCOMPARE(psalms.size(), 150);
        QCOMPARE(psalms.first(), QStringLiteral("1"));
        QCOMPARE(psalms.at(118), QStringLiteral("119"));
        QVERIFY(books::chapterList(0).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBookCatalogue)
#include "tst_bookcatalogue.moc"
