#include "app/codepage.h"
#include "app/filesystem.h"
#include "naivesearch.h"
#include "scripture/bookcatalogue.h"
#include "search/searchengine.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

const QString kBible = QStringLiteral(VELLUMARK_TEST_BIBLE);

const VerseText& bible() {
    static const VerseText text = [] {
        FileSystem files;
        return VerseText(files.readBytes(kBible).bytes);
    }();
    return text;
}

QStringList engineLines(const VerseText& text, const QString& query, const QString& scope,
                        bool* found = nullptr) {
    const search::Outcome outcome = search::run(text, query, scope);
    if (found)
        *found = outcome.found;
    return search::resultLines(text, outcome.lines);
}

// A handful of lines in Windows-1252, some accented, one empty.
VerseText smallText() {
    return VerseText(QByteArray("Job 1:1  Caf\xe9 and \xc6sir\r\n"
                                "Job 1:2  CAF\xc9 \xe6sir love\r\n"
                                "\r\n"
                                "Job 1:3  J\xe9sus said: love\r\n"
                                "job 1:4  na\xefve \xb5 \x83\r\n"));
}

// Queries of every kind a user types, built from the text itself so that most find something.
class QueryMaker {
public:
    QueryMaker()
        : m_random(20240611) {}

    QString query() {
        switch (m_random.bounded(7)) {
        case 0:
            return withCaseNoise(piece());
        case 1:
            return shuffledWords();
        case 2:
            return reference();
        case 3:
            return pick({":", "3:9", "?!", "1", "12:", ",", "3:99", "  ", "-"});
        case 4:
            return accented();
        case 5:
            return piece().left(2) + pick({"", "?", " ", "  "});
        default:
            return pick({"  faith,hope  ", "love?", "lord  god", "love\r\none", "O", "Z", "xyzzy"});
        }
    }

    QString scope() {
        const int kind = m_random.bounded(10);
        if (kind < 5)
            return search::kWholeText;
        const QString book = QString::fromLatin1(bookName());
        switch (kind) {
        case 5:
            return book;
        case 6:
            return book.left(3);
        case 7:
            return book.toLower();
        case 8:
            return pick({"***************", "", "The bible", "John 3:1", "Select Book"});
        default:
            return book + QStringLiteral(" 1:");
        }
    }

private:
    QString pick(std::initializer_list<const char*> items) {
        const auto index = m_random.bounded(int(items.size()));
        return QString::fromLatin1(*(items.begin() + index));
    }
    const char* bookName() {
        const auto books = books::catalogue();
        return books[std::size_t(m_random.bounded(int(books.size())))].name;
    }
    const QString& randomLine() {
        return bible().lines().at(m_random.bounded(int(bible().lineCount())));
    }
    QString piece() {
        const QString& from = randomLine();
        const int start = m_random.bounded(int(from.size()));
        return from.mid(start, 1 + m_random.bounded(24));
    }
    QString withCaseNoise(QString text) {
        for (QChar& ch : text) {
            if (m_random.bounded(4) == 0)
                ch = m_random.bounded(2) ? ch.toUpper() : ch.toLower();
        }
        return text;
    }
    QString shuffledWords() {
        QStringList words = randomLine().split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(1);
        QStringList chosen;
        for (int i = 0, n = 2 + m_random.bounded(3); i < n && !words.isEmpty(); ++i)
            chosen.append(words.takeAt(m_random.bounded(int(words.size()))));
        return chosen.join(pick({" ", ", ", "  ", "-", " ? "}));
    }
    QString reference() {
        const QString ref = randomLine().section(QStringLiteral("  "), 0, 0);
        switch (m_random.bounded(3)) {
        case 0:
            return ref;
        case 1:
            return ref.section(QLatin1Char(' '), -1);
        default:
            return ref.left(ref.lastIndexOf(QLatin1Char(':')));
        }
    }
    QString accented() {
        QString text = piece();
        const QString marks = QString::fromUtf8("éÉæÆüß");
        text.insert(m_random.bounded(int(text.size()) + 1), marks.at(m_random.bounded(6)));
        return text;
    }

    QRandomGenerator m_random;
};

} // namespace

class TstSearchEngine : public QObject {
    Q_OBJECT
private slots:
    void cases_data();
    void cases();
    void wordsOfQuery_data();
    void wordsOfQuery();
    void accentedLetters_data();
    void accentedLetters();
    void generatedQueriesMatchNaiveSearch();
};

void TstSearchEngine::cases_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("scope");
    QTest::addColumn<int>("count"); // -1: only compared with the naive search
    QTest::newRow("nominal: phrase") << "love one another"
                                     << "The Bible" << -1;
    QTest::newRow("nominal: all words in any order") << "another love one"
                                                     << "The Bible" << -1;
    QTest::newRow("nominal: trimmed, then words") << "  faith,hope  "
                                                  << "The Bible" << -1;
    QTest::newRow("nominal: phrase with a separator") << "love?"
                                                      << "The Bible" << -1;
    QTest::newRow("nominal: book filter typed short") << "love"
                                                      << "Gen" << -1;
    QTest::newRow("nominal: no verse 3:99, whole book") << "3:99"
                                                        << "Jude" << 25;
    QTest::newRow("nominal: no verse 3:99, whole text") << "3:99"
                                                        << "The Bible" << 31102;
    QTest::newRow("nominal: reference in John and 1 John") << "John 3:16"
                                                           << "The Bible" << 2;
    QTest::newRow("nominal: reference in John only") << "John 3:16"
                                                     << "John" << 1;
    QTest::newRow("nominal: references 3:1 and 3:10 to 3:19") << "John 3:1"
                                                              << "The Bible" << 22;
    QTest::newRow("nominal: accented letter splits the word") << "Jésus"
                                                              << "The Bible" << -1;
    QTest::newRow("robustness: book filter is case-sensitive") << "love"
                                                               << "genesis" << 0;
    QTest::newRow("robustness: empty book filter restricts nothing") << "love"
                                                                     << "" << -1;
    QTest::newRow("robustness: separator as scope") << "love"
                                                    << "***************" << 0;
    QTest::newRow("robustness: two spaces fall through to words") << "lord  god"
                                                                  << "Psalms" << -1;
    QTest::newRow("robustness: line break in the query") << "love\r\none"
                                                         << "John" << -1;
    QTest::newRow("robustness: character outside the code page") << "Ω love"
                                                                 << "Ruth" << -1;
    QTest::newRow("robustness: only spaces") << "   "
                                             << "Jude" << 25;
}

void TstSearchEngine::cases() {
    QFETCH(QString, query);
    QFETCH(QString, scope);
    QFETCH(int, count);
    bool found = false;
    const QStringList lines = engineLines(bible(), query, scope, &found);
    const naive::SearchOutcome expected = naive::search(kBible, query, scope);
    QCOMPARE(lines, expected.lines);
    QCOMPARE(found, expected.found);
    if (count >= 0)
        QCOMPARE(lines.size(), count);
    else
        QVERIFY(!lines.isEmpty());
    for (const QString& result : lines)
        QVERIFY(scope == search::kWholeText || result.startsWith(scope));
}

void TstSearchEngine::wordsOfQuery_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("nominal: words") << "another love one" << QStringList{"ANOTHER", "LOVE", "ONE"};
    QTest::newRow("nominal: trailing separator adds an empty word")
        << "love?" << QStringList{"LOVE", ""};
    QTest::newRow("nominal: digits separate") << "John 3 16" << QStringList{"JOHN", ""};
    QTest::newRow("nominal: accented letter separates") << "Jésus" << QStringList{"J", "SUS"};
    QTest::newRow("robustness: runs of separators count once")
        << ",,faith,, hope" << QStringList{"FAITH", "HOPE"};
    QTest::newRow("robustness: no letter at all") << "3:99" << QStringList{""};
    QTest::newRow("robustness: repeated words stay") << "a a" << QStringList{"A", "A"};
}

void TstSearchEngine::wordsOfQuery() {
    QFETCH(QString, query);
    QTEST(search::queryWords(search::preparedQuery(query)), "words");
}

void TstSearchEngine::accentedLetters_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("scope");
    QTest::addColumn<QList<int>>("verses");
    QTest::newRow("nominal: é matches É") << "café"
                                          << "Job" << QList<int>{1, 2};
    QTest::newRow("nominal: Æ matches æ") << "ÆSIR"
                                          << "Job" << QList<int>{1, 2};
    QTest::newRow("nominal: accented letter splits words") << "jésus love"
                                                           << "Job" << QList<int>{3};
    QTest::newRow("nominal: no capital in the code page stays as it is") << "µ ƒ"
                                                                         << "job" << QList<int>{4};
    QTest::newRow("robustness: empty line is never listed") << ":"
                                                            << "" << QList<int>{1, 2, 3, 4};
}

void TstSearchEngine::accentedLetters() {
    QFETCH(QString, query);
    QFETCH(QString, scope);
    QFETCH(QList<int>, verses);
    const VerseText text = smallText();
    const QStringList lines = engineLines(text, query, scope);
    QCOMPARE(lines.size(), verses.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY(lines[i].contains(QStringLiteral(" 1:%1  ").arg(verses[i])));
    QCOMPARE(lines, naive::search(text.lines(), query, scope).lines);
}

void TstSearchEngine::generatedQueriesMatchNaiveSearch() {
    QueryMaker maker;
    int withResults = 0;
    for (int i = 0; i < 300; ++i) {
        const QString query = maker.query();
        const QString scope = maker.scope();
        bool found = false;
        const QStringList lines = engineLines(bible(), query, scope, &found);
        const naive::SearchOutcome expected = naive::search(bible().lines(), query, scope);
        const QByteArray what = (query + QStringLiteral(" | ") + scope).toUtf8();
        QVERIFY2(lines == expected.lines, what.constData());
        QVERIFY2(found == expected.found, what.constData());
        withResults += lines.isEmpty() ? 0 : 1;
    }
    QVERIFY(withResults > 100); // the queries are not all misses
}

QTEST_GUILESS_MAIN(TstSearchEngine)
#include "tst_searchengine.moc"
