#include "controls/combobox.h"
#include "controls/textbox.h"
#include "favorites/subjectprintlines.h"
#include "support/appfixture.h"

#include <QAction>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

// The printed text, line by line, without the empty lines pdftotext cannot tell apart.
QStringList printedLines(const QString& pdf) {
    QStringList lines;
    for (const QString& line : runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                                   .split(QRegularExpression(QStringLiteral("[\r\n\f]+"))))
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    return lines;
}

const QString kSubjectText =
    QStringLiteral("Love\r\n\r\n Beloved, let us love one another: for love is of God; and "
                   "every one that loveth is born of God, and knoweth God.\r\n1 John 4:7");

} // namespace

class TestSubjectPrint : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> fx;

private slots:
    void initTestCase() {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext is missing: install poppler-utils");
    }
    void init() {
        fx = std::make_unique<AppFixture>();
        fx->start();
        FrmBible& w = fx->window();
        w.ComboCategory->setText(QStringLiteral("Love"));
        w.TextFavoritesList->setText(kSubjectText);
        QFont font(QStringLiteral("Liberation Serif"));
        font.setBold(true);
        font.setPointSizeF(14);
        font.setUnderline(true);
        w.TextFavoritesList->setFont(font);
    }
    void cleanup() { fx.reset(); }

    // From the search page too: the list keeps its text while hidden.
    void yesPrintsTheSubjectInLinesOfForty() {
        fx->window().menus.mnuSearch2->trigger();
        fx->messages.answers = {MessageBoxes::Yes};
        fx->window().menus.mnuPrintFavoriteSubject->trigger();

        QCOMPARE(fx->messages.asked.size(), 1);
        QCOMPARE(fx->messages.asked[0].text, QStringLiteral("Do you want to print Love ?"));
        QCOMPARE(fx->messages.asked[0].buttons, MessageBoxes::YesNo);
        QCOMPARE(fx->messages.asked[0].title, QStringLiteral("Print Favorite Verses"));
        QCOMPARE(fx->printer->printedFiles.size(), 1);
        const QString pdf = fx->printer->printedFiles[0];
        const QStringList expected = {"Love", "Beloved, let us love one another: for",
                                      "love is of God; and every one that",
                                      "loveth is born of God, and knoweth God.", "1 John 4:7"};
        QCOMPARE(printedLines(pdf), expected);
        QVERIFY(runTool(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("Serif-Bold")));
    }

    void aLongSubjectGoesOnToNewPages() {
        QStringList entries;
        for (int i = 1; i <= 150; ++i)
            entries << QStringLiteral("Entry %1").arg(i);
        fx->window().TextFavoritesList->setText(entries.join(QStringLiteral("\r\n")));
        fx->window().menus.mnuPrintFavoriteSubject->trigger();
        QCOMPARE(fx->printer->printedFiles.size(), 1);
        const QString pdf = fx->printer->printedFiles[0];
        QCOMPARE(printedLines(pdf), entries); // every line, none lost off a page's foot
        QVERIFY(pdfPages(pdf) > 1);
    }

    void noPrintsNothing() {
        fx->messages.answers = {MessageBoxes::No};
        fx->window().menus.mnuPrintFavoriteSubject->trigger();
        QCOMPARE(fx->messages.asked.size(), 1);
        QVERIFY(fx->printer->printedFiles.isEmpty());
        QVERIFY(QDir(fx->folder()).entryList({QStringLiteral("*.pdf")}).isEmpty());
    }

    void aFailedPrintIsReported() {
        QVERIFY(QDir(fx->folder()).mkdir(QStringLiteral("print-1.pdf"))); // cannot be written
        fx->messages.answers = {MessageBoxes::Yes};
        fx->window().menus.mnuPrintFavoriteSubject->trigger();
        QVERIFY(fx->printer->printedFiles.isEmpty());
        QCOMPARE(fx->messages.asked.size(), 2);
        QCOMPARE(fx->messages.asked[1].buttons, MessageBoxes::OkOnly);
        QCOMPARE(fx->messages.asked[1].title, QStringLiteral("Print Favorite Verses"));
    }
};

QTEST_MAIN(TestSubjectPrint)
#include "tst_subjectprint.moc"
