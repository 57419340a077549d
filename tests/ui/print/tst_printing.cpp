#include "support/appfixture.h"

#include <QDebug>
#include <QDir>
#include <QProcess>
#include <QTest>

using enum placement::Control;

namespace {

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

// File > Print: both commands ask first; every page keeps its margins; the document's name says
// what is printed.
class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void printing_data() {
        QTest::addColumn<QStringList>("subject"); // its lines; none: File > Print Form
        QTest::addColumn<QFont>("font");
        QTest::addColumn<MessageBoxes::Answer>("answer");
        QTest::addColumn<int>("pages"); // 0: nothing printed, 2: more than one, -1: it fails
        const QStringList love = {"Love", "",
                                  " Beloved, let us love one another: for love is of God; and "
                                  "every one that loveth is born of God, and knoweth God.",
                                  "1 John 4:7"};
        const QFont serif("Liberation Serif", 14);
        QStringList entries;
        for (int i = 1; i <= 150; ++i)
            entries << QStringLiteral("Entry %1").arg(i);
        const auto row = [](const char* name, const QStringList& subject, const QFont& font,
                            MessageBoxes::Answer answer, int pages) {
            QTest::newRow(name) << subject << font << answer << pages;
        };
        row("nominal: the window, OK", {}, QFont(), MessageBoxes::Ok, 1);
        row("nominal: a subject, Yes", love, serif, MessageBoxes::Yes, 1);
        row("nominal: a subject, No", love, serif, MessageBoxes::No, 0);
        row("nominal: the window, Cancel", {}, QFont(), MessageBoxes::Cancel, 0);
        row("robustness: the printer fails, and says so", love, serif, MessageBoxes::Yes, -1);
        row("nominal: a subject of several pages", entries, serif, MessageBoxes::Yes, 2);
        row("robustness: forty characters of 24 pt bold Courier New", QStringList(12, love[2]),
            QFont("Courier New", 24, QFont::Bold), MessageBoxes::Yes, 2);
    }
    void printing() {
        QFETCH(QStringList, subject);
        QFETCH(QFont, font);
        QFETCH(MessageBoxes::Answer, answer);
        QFETCH(int, pages);
        AppFixture fx;
        if (pages < 0) // the document's file cannot be made where a folder stands
            QVERIFY(QDir(fx.printer.folder).mkpath("print-1.pdf"));
        fx.start();
        fx.messages.answers = {answer};
        if (subject.isEmpty()) {
            fx.trigger("mnuPrintForm");
        } else {
            fx.combo(ComboCategory)->setText("Love");
            fx.textBox(TextFavoritesList)->setText(subject.join("\r\n"));
            fx.textBox(TextFavoritesList)->setFont(font);
            fx.trigger("mnuSearch2"); // the list keeps its text while hidden
            fx.trigger("mnuPrintFavoriteSubject");
        }
        QCOMPARE(fx.messages.asked.size(), pages < 0 ? 2 : 1);
        QCOMPARE(fx.messages.asked[0].text,
                 subject.isEmpty() ? "Print Current Form" : "Do you want to print Love ?");
        QCOMPARE(fx.printer.printedFiles.size(), pages > 0 ? 1 : 0);
        if (pages <= 0)
            return;
        const QString pdf = fx.printer.printedFiles[0];
        QCOMPARE(runTool("pdfinfo", {pdf}).section("Title:", 1, 1).section('\n', 0, 0).trimmed(),
                 subject.isEmpty() ? "Vellumark - window" : "Vellumark - Love");
        QCOMPARE(runTool("pdftotext", {pdf, "-"}).simplified(),
                 subject.join(QLatin1Char(' ')).simplified()); // every word, none lost at a foot
        // Each page rendered at one pixel a point: what is printed lies 20 mm inside its edges.
        runTool("pdftoppm", {"-r", "72", "-gray", pdf, fx.path("page")});
        const QStringList rendered = QDir(fx.folder()).entryList({"page*.pgm"});
        QCOMPARE(rendered.size() > 1, pages > 1);
        const int margin = int(20 / 25.4 * 72); // 20 mm, in whole pixels
        for (const QString& page : rendered) {
            const QImage image(fx.path(page));
            const QRect ink = inkIn(image, 250);
            QVERIFY2(
                !ink.isEmpty() &&
                    image.rect().marginsRemoved({margin, margin, margin, margin}).contains(ink),
                qPrintable(QDebug::toString(ink)));
        }
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
