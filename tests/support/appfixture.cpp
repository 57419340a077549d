#include "support/appfixture.h"

#include "controls/combobox.h"
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
    Clipboard& chosenClipboard =
        useSystemClipboard ? static_cast<Clipboard&>(systemClipboard) : clipboard;
    m_app = std::make_unique<BibleApp>(Storage{ProgramFolder(m_dir.path()), files},
                                       Services{messages, pointer, chosenClipboard, printer});
    m_app->load();
    FrmBible& w = m_app->window();
    w.show();
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

QString verseText(const QString& verseReference) {
    static const QStringList lines = [] {
        QStringList read;
        FileSystem().readLines(QStringLiteral(VELLUMARK_TEST_BIBLE), read);
        return read;
    }();
    return testfiles::verseText(lines, verseReference);
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

namespace {
const QString kDenied = QStringLiteral("Permission denied");
bool hits(const std::function<bool(const QString&)>& rule, const QString& path) {
    return rule && rule(path);
}
} // namespace

FileSystem::Result FaultyFileSystem::canRead(const QString& path) const {
    return hits(failRead, path) ? Result{false, kDenied} : FileSystem::canRead(path);
}

FileSystem::ReadResult FaultyFileSystem::readAll(const QString& path) const {
    return hits(failRead, path) ? ReadResult{false, {}, kDenied} : FileSystem::readAll(path);
}

FileSystem::BytesResult FaultyFileSystem::readBytes(const QString& path) const {
    if (hits(failRead, path))
        return {false, {}, kDenied};
    BytesResult read = FileSystem::readBytes(path);
    if (afterRead)
        afterRead();
    return read;
}

FileSystem::Result FaultyFileSystem::writeAll(const QString& path, const QString& text) {
    return hits(failWrite, path) ? Result{false, QStringLiteral("No space left on device")}
                                 : FileSystem::writeAll(path, text);
}
