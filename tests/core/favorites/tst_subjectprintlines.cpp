#include "favorites/subjectprintlines.h"

#include <QTest>

namespace {

QString repeated(char c, int n) {
    return QString(n, QLatin1Char(c));
}

} // namespace

class TestSubjectPrintLines : public QObject {
    Q_OBJECT

private slots:
    void breaks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        const auto row = [](const char* name, const QString& text, const QStringList& lines) {
            QTest::newRow(name) << text << lines;
        };
        const QString lazy = QStringLiteral("The quick brown fox jumps over the lazy"); // 39
        const QString x34 = repeated('x', 34), y29 = repeated('y', 29), c50 = repeated('c', 50);
        row("robustness: an empty text prints nothing", QString(), {});
        row("nominal: 39 characters print as one line", lazy, {lazy});
        row("nominal: a space as the 40th character ends the line", lazy + " dog", {lazy, "dog"});
        row("nominal: exactly 40 characters ending in a space", lazy + " ", {lazy, ""});
        // Characters 36 to 44 form one word: five of them are counted on the second line, so
        // it is full after 29 more letters and a space.
        row("nominal: a word across the 40th character is carried with its count",
            x34 + " beginning " + y29 + " zz", {x34, "beginning " + y29, "zz"});
        row("nominal: a word longer than 40 is never split", repeated('a', 45),
            {"", repeated('a', 45)});
        row("nominal: an overlong word is printed with the words after it", "ab " + c50 + " de",
            {"ab", "", c50 + " de"});
        row("nominal: a word over two widths leaves two empty lines", repeated('c', 85),
            {"", "", repeated('c', 85)});
        row("nominal: the last line keeps its spaces", " a  ", {" a  "});
        row("nominal: a cut line is trimmed, the last line is not",
            "  " + repeated('w', 36) + "   tail", {repeated('w', 36), " tail"});
        row("nominal: a text ending in a line break ends with an empty line", "Love\r\n",
            {"Love", ""});
        row("nominal: a full line just before a line break", lazy + " \r\nend", {lazy, "", "end"});
        row("robustness: bare line feeds and carriage returns break lines too", "a\nb\rc",
            {"a", "b", "c"});
    }

    void breaks() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(subjectPrintLines(text), lines);
    }
};

QTEST_APPLESS_MAIN(TestSubjectPrintLines)
#include "tst_subjectprintlines.moc"
