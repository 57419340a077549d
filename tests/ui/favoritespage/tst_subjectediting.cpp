#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/textbox.h"
#include "support/appfixture.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// The sequences of the favorites page that keep or lose the user's words, through the real
// window. Which subject a name means, and when the list is saved, is decided and tested in the
// core; these prove the window acts on those decisions at the right moments.
namespace {

const QByteArray kLove = "Love\r\n\r\n Beloved, let us love one another\r\n1 John 4:7";
const QByteArray kFaith = "Faith\r\n\r\n Now faith is the substance\r\nHebrews 11:1";
const QStringList kBoth = {"Faith.txt", "Love.txt"};

QString verses(const QString& name) {
    return QStringLiteral("Verses/") + name;
}

using Steps = std::function<void()>;

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestSubjectEditing : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> fx;

    FrmBible& w() { return fx->window(); }
    QStringList subjectFiles() const {
        return QDir(fx->path(QStringLiteral("Verses"))).entryList(QDir::Files, QDir::Name);
    }
    QByteArray listText() { return w().TextFavoritesList->text().toLatin1(); }
    QByteArray file(const QString& subject) { return fx->readBytes(verses(subject + ".txt")); }
    // Starts with Love.txt and Faith.txt and shows Love, picked and left: its bytes untouched.
    void startWithLoveShown() {
        fx->writeBytes(verses("Love.txt"), kLove);
        fx->writeBytes(verses("Faith.txt"), kFaith);
        fx->start();
        pick(w().ComboCategory, QStringLiteral("Love"));
        pressTab();
        QCOMPARE(listText(), kLove);
        QCOMPARE(file("Love"), kLove);
    }
    // Types the subject's name over the box and leaves it.
    void enterSubject(const QString& name) {
        typeOver(w().ComboCategory, name);
        pressTab();
    }
    // Types at the end of the favourites list, and leaves it when asked.
    void appendToList(const QString& text, bool leave = true) {
        focusOn(w().TextFavoritesList);
        w().TextFavoritesList->moveCursor(QTextCursor::End);
        QTest::keyClicks(w().TextFavoritesList, text);
        if (leave)
            pressTab();
    }

private slots:
    void init() {
        fx = std::make_unique<AppFixture>();
        QDir(fx->folder()).mkdir(QStringLiteral("Verses"));
    }
    void cleanup() { fx.reset(); }

    void editsAreSaved_data() {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QByteArray>("saved");
        const QByteArray end = kLove + " end";
        QTest::newRow("nominal: switching to the search page") << Steps([this] {
            appendToList(" end", false);
            w().menus.mnuSearch2->trigger();
        }) << end;
        QTest::newRow("robustness: closing, another subject typed in the box") << Steps([this] {
            appendToList(" end");
            typeOver(w().ComboCategory, QStringLiteral("Faith"));
            QVERIFY(w().close());
        }) << end;
        QTest::newRow("nominal: adding a verse saves it at once") << Steps([this] {
            w().ComboBookFavorites->setText(QStringLiteral("John"));
            typeOver(w().TextVersesFavorites, QStringLiteral("3:16"));
            QTest::mouseClick(w().CommandAddFavorite, Qt::LeftButton);
        }) << kLove + "\r\n\r\n " + verseText("John 3:16").toLatin1() + "\r\nJohn 3:16";
    }
    void editsAreSaved() {
        QFETCH(Steps, steps);
        startWithLoveShown();
        steps();
        QTEST(file("Love"), "saved");
        QTEST(listText(), "saved");
        QCOMPARE(file("Faith"), kFaith);
        QVERIFY(fx->messages.asked.isEmpty());
    }

    // A pick by keyboard shows the subject at once, as one by mouse does.
    void aKeyboardPickShowsTheSubject() {
        startWithLoveShown();
        focusOn(w().ComboCategory);
        QTest::keyClick(w().ComboCategory, Qt::Key_Down);
        QCOMPARE(listText(), kFaith);
    }

    // A message box or a menu over the window does not leave the list, so its save (and the
    // report of a failed one) does not run again behind the box.
    void messageBoxesAndMenusDoNotLeaveTheList() {
        startWithLoveShown();
        appendToList(QStringLiteral(" end"), false);
        QTimer::singleShot(50, &w(), [] { QApplication::activeModalWidget()->close(); });
        QMessageBox::information(&w(), QStringLiteral("Vellumark"), QStringLiteral("shown"));
        QMenu menu(&w());
        menu.addAction(QStringLiteral("item"));
        QTimer::singleShot(50, &menu, &QMenu::close);
        menu.exec(w().mapToGlobal(QPoint(5, 5)));
        QApplication::setActiveWindow(&w());
        QApplication::processEvents();
        QCOMPARE(w().activeControl(), w().TextFavoritesList);
        QCOMPARE(file("Love"), kLove);
        pressTab();
        QCOMPARE(file("Love"), kLove + " end");
    }

    // Every byte a subject holds comes back as it was (a non-breaking space, each form of line
    // break, every high byte) through a pick, leaving the box, an edit elsewhere in the text and
    // the closing save.
    void untouchedBytesSurviveEverySave() {
        QByteArray odd = "Odd\xA0text\rlone CR\nlone LF\r\nCR LF ";
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            odd.append(char(byte));
        fx->writeBytes(verses("Odd.txt"), odd);
        startWithLoveShown();
        pick(w().ComboCategory, QStringLiteral("Odd"));
        pressTab();
        QCOMPARE(file("Odd"), odd);
        appendToList(QStringLiteral("!"));
        QCOMPARE(file("Odd"), odd + "!");
        appendToList(QStringLiteral("?"), false);
        QVERIFY(w().close());
        QCOMPARE(file("Odd"), odd + "!?");
    }

    // A name is one subject whatever its letter case: a new one is created from the list, an
    // existing one is shown and never gets a second file; later edits go to that file.
    void typingASubjectName_data() {
        for (const char* column : {"typed", "subject"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<QByteArray>("held");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("nominal: a new name creates its file")
            << QString("Hope") << "Hope" << kLove
            << QStringList{"Faith.txt", "Hope.txt", "Love.txt"};
        QTest::newRow("robustness: an existing subject in another letter case")
            << QString("fAITH") << "Faith" << kFaith << kBoth;
    }
    void typingASubjectName() {
        QFETCH(QString, typed);
        QFETCH(QString, subject);
        QFETCH(QByteArray, held);
        startWithLoveShown();
        typeOver(w().ComboCategory, typed);
        QTest::keyClick(w().ComboCategory, Qt::Key_Return);
        QCOMPARE(listText(), kLove); // a typed name waits for the box to be left, not for Return
        pressTab();
        QCOMPARE(w().ComboCategory->text(), subject);
        QCOMPARE(listText(), held);
        QTEST(subjectFiles(), "files");
        QCOMPARE(file(subject), held);
        appendToList(QStringLiteral("+"));
        QCOMPARE(file(subject), held + "+");
        QCOMPARE(file("Love"), kLove);
        QVERIFY(fx->messages.asked.isEmpty());
    }

    // When the subject box names no subject, the list is saved nowhere and stays on screen. An
    // emptied box offers to delete the subject, and Cancel keeps it.
    void savesGoOnlyToTheSubjectTheBoxNames_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refill"); // what the emptied list is refilled with
        QTest::addColumn<QString>("offer");
        QTest::newRow("robustness: box emptied, delete cancelled")
            << QString() << "New"
            << "Love Category will be deleted.";
        QTest::newRow("robustness: box names nothing there is") << "???"
                                                                << "???" << QString();
    }
    void savesGoOnlyToTheSubjectTheBoxNames() {
        QFETCH(QString, typed);
        QFETCH(QString, refill);
        QFETCH(QString, offer);
        startWithLoveShown();
        fx->messages.answers = {MessageBoxes::Cancel};
        enterSubject(typed);
        QCOMPARE(fx->messages.asked.size(), offer.isEmpty() ? 0 : 1);
        if (!offer.isEmpty()) {
            QCOMPARE(fx->messages.asked[0].text, offer);
            QCOMPARE(fx->messages.asked[0].buttons, MessageBoxes::OkCancel);
            QCOMPARE(listText(), kLove);
        }
        typeOver(w().TextFavoritesList, QString());
        QTest::keyClick(w().TextFavoritesList, Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::mouseClick(w().CommandAddFavorite, Qt::LeftButton);
        QCOMPARE(file("Love"), kLove);
        QCOMPARE(file("Faith"), kFaith);
        QCOMPARE(subjectFiles(), kBoth);
        QVERIFY(listText().startsWith((refill + "\r\n\r\n").toLatin1()));
    }

    // A file that cannot be written or read is reported by name and reason; the file and the
    // text on screen stay, and no edit goes to another subject's file.
    void failuresKeepTheFileAndTheText_data() {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("reported");
        QTest::addColumn<QByteArray>("love");
        QTest::addColumn<QByteArray>("list");
        const QByteArray unsaved = kLove + " unsaved";
        const auto failWrite = [this](const char* name) {
            fx->files.failWrite = [name](const QString& path) { return path.endsWith(name); };
        };
        QTest::newRow("robustness: saving on leaving the list") << Steps([=, this] {
            failWrite("/Love.txt");
            appendToList(" unsaved");
        }) << "\"Love\"" << kLove << unsaved;
        QTest::newRow("robustness: creating a subject") << Steps([=, this] {
            failWrite("/Hope.txt");
            appendToList(" unsaved");
            enterSubject("Hope");
        }) << "\"Hope\"" << unsaved << unsaved;
        QTest::newRow("robustness: reading a picked subject") << Steps([this] {
            fx->files.failRead = [](const QString& path) { return path.endsWith("/Faith.txt"); };
            pick(w().ComboCategory, QStringLiteral("Faith"));
            appendToList("!");
        }) << "\"Faith\"" << kLove + "!" << kLove + "!";
    }
    void failuresKeepTheFileAndTheText() {
        QFETCH(Steps, steps);
        QFETCH(QString, reported);
        startWithLoveShown();
        steps();
        QCOMPARE(fx->messages.asked.size(), 1);
        const QString message = fx->messages.asked[0].text;
        QVERIFY2(message.contains(reported), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("No space left on device")) ||
                     message.contains(QStringLiteral("Permission denied")),
                 qPrintable(message));
        QTEST(file("Love"), "love");
        QTEST(listText(), "list");
        QCOMPARE(file("Faith"), kFaith);
        QCOMPARE(subjectFiles(), kBoth);
    }

    // Text that cannot be saved as the window closes is the user's to give up: Yes closes,
    // No keeps the window open with the text.
    void closingWithTextThatCannotBeSavedAsks_data() {
        QTest::addColumn<QString>("typedInBox");
        QTest::addColumn<MessageBoxes::Answer>("answer");
        QTest::addColumn<QString>("why");
        QTest::newRow("robustness: the save fails, No") << "" << MessageBoxes::No << "\"Love\"";
        QTest::newRow("robustness: the save fails, Yes") << "" << MessageBoxes::Yes << "\"Love\"";
        QTest::newRow("robustness: no subject named, No")
            << "???" << MessageBoxes::No << "no subject";
    }
    void closingWithTextThatCannotBeSavedAsks() {
        QFETCH(QString, typedInBox);
        QFETCH(MessageBoxes::Answer, answer);
        QFETCH(QString, why);
        startWithLoveShown();
        fx->files.failWrite = [](const QString& path) { return path.endsWith("Love.txt"); };
        if (!typedInBox.isEmpty())
            enterSubject(typedInBox);
        appendToList(QStringLiteral(" kept"), false);
        fx->messages.asked.clear();
        fx->messages.answers = {answer};
        QCOMPARE(w().close(), answer == MessageBoxes::Yes);
        QCOMPARE(fx->messages.asked.size(), 1);
        const auto& asked = fx->messages.asked[0];
        QVERIFY2(asked.text.contains(why) && asked.text.endsWith(QStringLiteral("Close anyway?")),
                 qPrintable(asked.text));
        QCOMPARE(asked.buttons, MessageBoxes::YesNo);
        QCOMPARE(w().isVisible(), answer == MessageBoxes::No);
        QVERIFY(listText().endsWith(" kept"));
        QCOMPARE(file("Love"), kLove);
    }
};

QTEST_MAIN(TestSubjectEditing)
#include "tst_subjectediting.moc"
