#include "support/appfixture.h"

#include "scripture/scripturetext.h"
#include "services/systemprintservice.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QTest>

AppFixture::AppFixture() {
    QFile::copy(QStringLiteral(VELLUMARK_TEST_BIBLE), path(QStringLiteral("Bible.dat")));
}

BibleApp& AppFixture::start(bool waitForText) {
    m_app = std::make_unique<BibleApp>(Storage{ProgramFolder(m_dir.path()), files},
                                       Services{messages, pointer, *clipboardInUse, printer});
    m_app->load();
    m_app->show();
    MainWindow& w = m_app->window();
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w))
        qWarning("the main window did not become active");
    QApplication::processEvents();
    // As long before a user's first request; and a later change of the file layer does not race.
    if (waitForText)
        m_app->scripture().finishLoading();
    return *m_app;
}

void AppFixture::showChapter(const QString& book, const QString& chapter) {
    pick(combo(placement::Control::ComboBooks), book);
    pick(combo(placement::Control::ComboChapter), chapter);
}

QString AppFixture::chapterShown() {
    return combo(placement::Control::ComboBooks)->text() + ' ' +
           combo(placement::Control::ComboChapter)->text();
}

void focusOn(QWidget* widget) {
    widget->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
}

void pick(ComboBox* combo, const QString& item) {
    focusOn(combo);
    const int index = combo->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    QApplication::processEvents();
}

void pressTab() {
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Tab); // to the focused widget
    QApplication::processEvents();
}

void typeOver(QWidget* control, const QString& text) {
    focusOn(control);
    QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(control, Qt::Key_Backspace);
    else
        QTest::keyClicks(control, text);
}

QString displayFont(MainWindow& w) {
    QSet<QString> fonts;
    for (const QWidget* control : w.displayControls()) {
        const QFont f = control->font();
        fonts << f.family() + (f.bold() ? " bold" : "") + (f.italic() ? " italic" : "") + ' ' +
                     QString::number(f.pointSizeF());
    }
    return fonts.size() == 1 ? *fonts.begin() : QStringLiteral("mixed");
}

QRect inkIn(const QImage& picture, int lighterThan) {
    QRect ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < lighterThan)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

PrintService::Outcome PdfPrintService::print(const QString& documentName, const Painter& paint) {
    const QString path = folder + QStringLiteral("/print-%1.pdf").arg(printedFiles.size() + 1);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    Outcome outcome = SystemPrintService::paintOn(printer, documentName, paint);
    if (outcome.printed)
        printedFiles.append(path);
    return outcome;
}
