#include "controls/combobox.h"
#include "controls/textbox.h"
#include "support/appfixture.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

constexpr qreal kMargin = 20 / 25.4 * 72; // points

struct Page {
    QSize size; // points
    QRect ink;  // what is printed on it
};

// Each page rendered at one pixel a point.
QList<Page> printedPages(const QString& pdf) {
    const QFileInfo file(pdf);
    runTool(QStringLiteral("pdftoppm"), {"-r", "72", "-gray", pdf, pdf + "-page"});
    QList<Page> pages;
    for (const QFileInfo& rendered :
         file.dir().entryInfoList({file.fileName() + "-page*.pgm"}, QDir::Files)) {
        const QImage image(rendered.filePath());
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 250)
                    ink |= QRect(x, y, 1, 1);
        pages.append({image.size(), ink});
    }
    return pages;
}

QString title(const QString& pdf) {
    return QRegularExpression(QStringLiteral("Title:\\s*([^\\n]*)"))
        .match(runTool(QStringLiteral("pdfinfo"), {pdf}))
        .captured(1)
        .trimmed();
}

} // namespace

class TestPrintMargins : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty(),
                 "pdftoppm is missing: install poppler-utils");
    }

    void pagesKeepTheirMargins_data() {
        QTest::addColumn<bool>("window");
        QTest::addColumn<QFont>("font");
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<QString>("documentName");

        QFont courier(QStringLiteral("Courier New"));
        courier.setPointSize(24);
        courier.setBold(true);
        QTest::newRow("nominal: a subject in its list's font")
            << false << QFont(QStringLiteral("Liberation Serif"), 14) << 3 << "Vellumark - Love";
        QTest::newRow("robustness: forty characters of 24 pt bold Courier New, several pages")
            << false << courier << 30 << "Vellumark - Love";
        QTest::newRow("nominal: the window's picture")
            << true << QFont() << 0 << "Vellumark - window";
    }
    void pagesKeepTheirMargins() {
        QFETCH(bool, window);
        QFETCH(QFont, font);
        QFETCH(int, paragraphs);
        QFETCH(QString, documentName);
        AppFixture fx;
        fx.start();
        FrmBible& w = fx.window();
        if (window) {
            w.menus.mnuPrintForm->trigger();
        } else {
            w.ComboCategory->setText(QStringLiteral("Love"));
            const QString paragraph = QStringLiteral("Beloved, let us love one another: for love "
                                                     "is of God; and every one that loveth.");
            w.TextFavoritesList->setText(QStringList(paragraphs, paragraph).join("\r\n"));
            w.TextFavoritesList->setFont(font);
            w.menus.mnuPrintFavoriteSubject->trigger();
        }
        QCOMPARE(fx.printer->printedFiles.size(), 1);
        const QString pdf = fx.printer->printedFiles[0];
        QCOMPARE(title(pdf), documentName);
        const QList<Page> pages = printedPages(pdf);
        QCOMPARE(pages.size(), pdfPages(pdf));
        for (const Page& page : pages) {
            const QRect& ink = page.ink;
            const QString where = QStringLiteral("ink %1,%2 to %3,%4 on %5 x %6 pt")
                                      .arg(ink.left())
                                      .arg(ink.top())
                                      .arg(ink.right())
                                      .arg(ink.bottom())
                                      .arg(page.size.width())
                                      .arg(page.size.height());
            QVERIFY2(!ink.isEmpty(), qPrintable(where));
            QVERIFY2(ink.left() >= int(kMargin) && ink.top() >= int(kMargin), qPrintable(where));
            QVERIFY2(ink.right() < page.size.width() - kMargin &&
                         ink.bottom() < page.size.height() - kMargin,
                     qPrintable(where));
        }
    }
};

QTEST_MAIN(TestPrintMargins)
#include "tst_printmargins.moc"
