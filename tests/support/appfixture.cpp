#include "support/appfixture.h"

#include "controls/combobox.h"
#include "scripture/scripturetext.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

AppFixture::AppFixture(Bible bible) {
    printer = std::make_unique<PdfPrintService>(m_dir.path());
    if (bible == Bible::Real)
        QFile::copy(QStringLiteral(VELLUMARK_TEST_BIBLE), path(QStringLiteral("Bible.dat")));
}

QByteArray AppFixture::readBytes(const QString& name) const {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void AppFixture::writeBytes(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

BibleApp& AppFixture::start() {
    Clipboard& chosenClipboard =
        useSystemClipboard ? static_cast<Clipboard&>(systemClipboard) : clipboard;
    m_app = std::make_unique<BibleApp>(Storage{ProgramFolder(m_dir.path()), files},
                                       Services{messages, pointer, chosenClipboard, *printer});
    m_app->load();
    FrmBible& w = m_app->window();
    w.show();
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w))
        qWarning("the main window did not become active");
    QApplication::processEvents();
    // The text is in, as it is long before a user's first request; and a test that changes the
    // file layer afterwards does not race with the read.
    m_app->scripture().finishLoading();
    return *m_app;
}

void focusOn(QWidget* widget) {
    widget->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
}

void pickItem(ComboBox* combo, const QString& item) {
    const int index = combo->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    QApplication::processEvents();
}

void pressTab(QWidget* window) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : window, Qt::Key_Tab);
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
    QStringList lines;
    FileSystem().readLines(QStringLiteral(VELLUMARK_TEST_BIBLE), lines);
    const QString start = verseReference + QStringLiteral("  ");
    for (const QString& line : lines)
        if (line.startsWith(start))
            return line.sliced(start.size()).trimmed();
    return {};
}

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& pdf) {
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                                          .match(runTool(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
