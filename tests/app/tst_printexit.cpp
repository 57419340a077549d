#include "controls/textbox.h"
#include "mainwindow/loadedforms.h"
#include "support/appfixture.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

namespace {

// A second window of the program, loaded after the main window, that records its closing.
class OtherForm : public QWidget {
public:
    explicit OtherForm(QStringList& closed, QString name = QStringLiteral("frmFont"))
        : m_closed(closed)
        , m_name(std::move(name)) {
        setWindowTitle(m_name);
        resize(200, 100);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        m_closed << m_name;
        event->accept();
    }

private:
    QStringList& m_closed;
    QString m_name;
};

} // namespace

class TestPrintExit : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> fx;
    QStringList closed;

    void recordMainWindowClosing() {
        FrmBible& w = fx->window();
        QObject::connect(&w, &FrmBible::queryUnload, &w,
                         [this] { closed << QStringLiteral("frmBible"); });
    }

private slots:
    void initTestCase() {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty(),
                 "pdfinfo is missing: install poppler-utils");
    }
    void init() {
        fx = std::make_unique<AppFixture>();
        fx->start();
        closed.clear();
    }
    void cleanup() { fx.reset(); }

    void printFormOkPrintsOnePicturePage() {
        fx->messages.answers = {MessageBoxes::Ok};
        fx->window().menus.mnuPrintForm->trigger();
        QCOMPARE(fx->messages.asked.size(), 1);
        QCOMPARE(fx->messages.asked[0].text, QStringLiteral("Print Current Form"));
        QCOMPARE(fx->messages.asked[0].buttons, MessageBoxes::OkCancel);
        QCOMPARE(fx->messages.asked[0].title, QStringLiteral("Print Form"));
        QCOMPARE(fx->printer->printedFiles.size(), 1);
        const QString pdf = fx->printer->printedFiles[0];
        QCOMPARE(pdfPages(pdf), 1);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("/Subtype /Image")); // the window's picture
    }

    void printFormCancelLeavesEverything() {
        FrmBible& w = fx->window();
        const QString shown = w.TextVerses->text();
        fx->messages.answers = {MessageBoxes::Cancel};
        w.menus.mnuPrintForm->trigger();
        QCOMPARE(fx->messages.asked.size(), 1);
        QVERIFY(fx->printer->printedFiles.isEmpty());
        QVERIFY(QDir(fx->folder()).entryList({QStringLiteral("*.pdf")}).isEmpty());
        QCOMPARE(w.TextVerses->text(), shown);
        QVERIFY(w.isVisible());
    }

    void printFormFailureIsReported() {
        QVERIFY(QDir(fx->folder()).mkdir(QStringLiteral("print-1.pdf"))); // cannot be written
        fx->messages.answers = {MessageBoxes::Ok};
        fx->window().menus.mnuPrintForm->trigger();
        QVERIFY(fx->printer->printedFiles.isEmpty());
        QCOMPARE(fx->messages.asked.size(), 2);
        QCOMPARE(fx->messages.asked[1].buttons, MessageBoxes::OkOnly);
        QVERIFY(!fx->messages.asked[1].text.isEmpty());
    }

    void exitWithTheDisplayFontsDialogOpen() {
        FrmBible& w = fx->window();
        w.menus.mnuSetFont->trigger();
        QPointer<QWidget> dialog = w.findChild<QWidget*>(QStringLiteral("frmFont"));
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(fx->app().forms().forms(), (QList<QWidget*>{&w, dialog.data()}));
        bool dialogOpenAtMainClosing = true;
        int closings = 0;
        QObject::connect(&w, &FrmBible::queryUnload, &w, [&] {
            ++closings;
            dialogOpenAtMainClosing = dialog && dialog->isVisible();
        });
        w.menus.mnuExit->trigger();
        QVERIFY(!dialogOpenAtMainClosing); // the dialog was closed first
        QCOMPARE(closings, 1);
        QVERIFY(!w.isVisible());
        QTRY_VERIFY(!dialog); // a closed dialog is deleted
        QVERIFY(fx->app().forms().forms().isEmpty());
    }

    void closeBoxOfTheMainWindowClosesTheOthersFirst() {
        recordMainWindowClosing();
        OtherForm first(closed, QStringLiteral("first"));
        first.show();
        OtherForm second(closed, QStringLiteral("second"));
        second.show();
        fx->window().close();
        QCOMPARE(closed, (QStringList{"second", "first", "frmBible"}));
        QVERIFY(!first.isVisible() && !second.isVisible());
    }

    // A window closed on its own leaves the list; one opened again counts as loaded last.
    void aClosedWindowIsNoLongerLoaded() {
        OtherForm other(closed);
        other.show();
        other.close();
        QCOMPARE(fx->app().forms().forms(), QList<QWidget*>{&fx->window()});
        other.show();
        QCOMPARE(fx->app().forms().forms(), (QList<QWidget*>{&fx->window(), &other}));
    }
};

QTEST_MAIN(TestPrintExit)
#include "tst_printexit.moc"
