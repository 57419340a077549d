#include "favorites/subjectprintlines.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

QString repeated(char c, int n) {
    return QString(n, QLatin1Char(c));
}

QStringList words(const QStringList& lines) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return lines.join(QLatin1Char(' ')).split(space, Qt::SkipEmptyParts);
}

bool hasOverlongWord(const QString& line) {
    for (const QString& word : line.split(QLatin1Char(' ')))
        if (word.size() > kSubjectPrintWidth)
            return true;
    return false;
}

} // namespace

class TestSubjectPrintLines : public QObject {
    Q_OBJECT

private slots:
    void breaks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");

        const QString lazy = QStringLiteral("The quick brown fox jumps over the lazy"); // 39
        QTest::newRow("robustness: an empty text prints nothing") << QString() << QStringList();
        QTest::newRow("nominal: 39 characters print as one line") << lazy << QStringList{lazy};
        QTest::newRow("nominal: a space as the 40th character ends the first line")
            << lazy + " dog again" << QStringList{lazy, "dog again"};
        QTest::newRow("nominal: exactly 40 characters ending in a space")
            << lazy + " " << QStringList{lazy, ""};
        // Characters 36 to 44 form one word: five of them are counted on the second line, so
        // it is full after 29 more letters and a space.
        QTest::newRow("nominal: a word across the 40th character is carried with its count")
            << repeated('x', 34) + " beginning " + repeated('y', 29) + " zz"
            << QStringList{repeated('x', 34), "beginning " + repeated('y', 29), "zz"};
        QTest::newRow("nominal: a word longer than 40 is never split")
            << repeated('a', 45) << QStringList{"", repeated('a', 45)};
        QTest::newRow("nominal: an overlong word is printed with the words after it")
            << "ab " + repeated('c', 50) + " de"
            << QStringList{"ab", "", repeated('c', 50) + " de"};
        QTest::newRow("nominal: a word over two widths leaves two empty lines")
            << repeated('c', 85) << QStringList{"", "", repeated('c', 85)};
        QTest::newRow("nominal: the last line keeps its spaces")
            << QStringLiteral(" a  ") << QStringList{" a  "};
        QTest::newRow("nominal: a cut line is trimmed, the last line is not")
            << "  " + repeated('w', 36) + "   tail" << QStringList{repeated('w', 36), " tail"};
        QTest::newRow("sound: the layout Add Verse makes starts every paragraph afresh")
            << QStringLiteral("Love\r\n\r\n For God so loved the world, that he gave his only "
                              "begotten Son, that whosoever believeth in him should not "
                              "perish, but have everlasting life.\r\nJohn 3:16")
            << QStringList{"Love",
                           "",
                           "For God so loved the world, that he",
                           "gave his only begotten Son, that",
                           "whosoever believeth in him should not",
                           "perish, but have everlasting life.",
                           "John 3:16"};
        QTest::newRow("sound: a text ending in a line break ends with an empty line")
            << QStringLiteral("Love\r\n") << QStringList{"Love", ""};
        QTest::newRow("sound: a full line just before a line break")
            << lazy + " \r\nend" << QStringList{lazy, "", "end"};
        QTest::newRow("robustness: bare line feeds and carriage returns break lines too")
            << QStringLiteral("a\nb\rc") << QStringList{"a", "b", "c"};
    }

    void breaks() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(subjectPrintLines(text), lines);
    }

    // Every verse of the text, laid out as Add Verse files it under a subject: no line is
    // wider than 40 characters unless it holds a longer word, and no word is lost or split.
    void everyVerseAsAddVerseLaysItOut() {
        QFile bible(QStringLiteral(VELLUMARK_TEST_BIBLE));
        QVERIFY(bible.open(QIODevice::ReadOnly));
        const QStringList verses =
            QString::fromLatin1(bible.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QVERIFY(verses.size() > 31000);
        for (const QString& verse : verses) {
            const qsizetype cut = verse.indexOf(QStringLiteral("  "));
            const QString text = QStringLiteral("Faith\r\n\r\n ") + verse.mid(cut + 2) +
                                 QStringLiteral("\r\n") + verse.left(cut);
            const QStringList lines = subjectPrintLines(text);
            QCOMPARE(lines.mid(0, 2), (QStringList{"Faith", ""}));
            QCOMPARE(lines.last(), verse.left(cut));
            for (const QString& line : lines)
                QVERIFY2(line.size() <= kSubjectPrintWidth || hasOverlongWord(line),
                         qPrintable(line));
            QCOMPARE(words(lines), words({text}));
        }
    }
};

QTEST_APPLESS_MAIN(TestSubjectPrintLines)
#include "tst_subjectprintlines.moc"
