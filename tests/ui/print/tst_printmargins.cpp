#include "controls/combobox.h"
#include "controls/textbox.h"
#include "support/appfixture.h"

#include <QAction>
#include <QDebug>
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

class TestPrintMargins : public QObject {
    Q_OBJECT

private slots:
    void pagesKeepTheirMargins_data() {
        QTest::addColumn<bool>("window");
        QTest::addColumn<QFont>("font");
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<QString>("documentName");

        QFont courier(QStringLiteral("Courier New"), 24);
        courier.setBold(true);
        QTest::newRow("nominal: a subject in its list's font")
            << false << QFont(QStringLiteral("Liberation Serif"), 14) << 3 << "Vellumark - Love";
        QTest::newRow("robustness: forty characters of 24 pt bold Courier New, several pages")
            << false << courier << 30 << "Vellumark - Love";
        QTest::newRow("nominal: the window's picture")
            << true << QFont() << 0 << "Vellumark - window";
    }
    // Each page is rendered at one pixel a point: what is printed lies 20 mm inside its edges.
    void pagesKeepTheirMargins() {
        QFETCH(bool, window);
        QFETCH(QFont, font);
        QFETCH(int, paragraphs);
        QFETCH(QString, documentName);
        AppFixture fx;
        FrmBible& w = fx.start().window();
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
        runTool(QStringLiteral("pdftoppm"), {"-r", "72", "-gray", pdf, fx.path("page")});
        const QStringList pages = QDir(fx.folder()).entryList({"page*.pgm"});
        QCOMPARE(pages.size(), pdfPages(pdf));
        constexpr qreal kMargin = 20 / 25.4 * 72;
        for (const QString& page : pages) {
            const QImage image(fx.path(page));
            QRect ink;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 250)
                        ink |= QRect(x, y, 1, 1);
            const QByteArray where = QDebug::toString(ink).toUtf8();
            QVERIFY2(!ink.isEmpty() && ink.left() >= int(kMargin) && ink.top() >= int(kMargin),
                     where.constData());
            QVERIFY2(ink.right() < image.width() - kMargin &&
                         ink.bottom() < image.height() - kMargin,
                     where.constData());
        }
        const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
        QCOMPARE(QRegularExpression("Title:\\s*([^\\n]*)").match(info).captured(1).trimmed(),
                 documentName);
    }
};

QTEST_MAIN(TestPrintMargins)
#include "tst_printmargins.moc"
