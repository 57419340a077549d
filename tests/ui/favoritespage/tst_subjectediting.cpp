#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/textbox.h"
#include "support/appfixture.h"

#include <QDir>
#include <QTest>

// The sequences of the favorites page that keep or lose the user's words, through the real
// window. Which subject a name means, and when the list is saved, is decided and tested in the
// core; these prove the window acts on those decisions at the right moments.
namespace {

const QByteArray kLove = "Love\r\n\r\n Beloved, let us love one another\r\n1 John 4:7";
const QByteArray kFaith = "Faith\r\n\r\n Now faith is the substance\r\nHebrews 11:1";
// A non-breaking space, each form of line break and every high byte.
const QByteArray kOdd = [] {
    QByteArray odd = "Odd\xA0text\rlone CR\nlone LF\r\nCR LF ";
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        odd.append(char(byte));
    return odd;
}();
const QStringList kSubjects = {"Faith.txt", "Love.txt", "Odd.txt"};

using Steps = std::function<void()>;

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestSubjectEditing : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> fx;

    FrmBible& w() { return fx->window(); }
    QStringList subjectFiles() { return QDir(fx->path("Verses")).entryList(QDir::Files); }
    QByteArray listText() { return w().TextFavoritesList->text().toLatin1(); }
    QByteArray file(const QString& subject) { return fx->readBytes("Verses/" + subject + ".txt"); }
    void enterSubject(const QString& name) {
        typeOver(w().ComboCategory, name);
        pressTab();
    }
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
        fx->writeBytes("Verses/Love.txt", kLove);
        fx->writeBytes("Verses/Faith.txt", kFaith);
        fx->writeBytes("Verses/Odd.txt", kOdd);
        fx->start();
        pick(w().ComboCategory, QStringLiteral("Love"));
        pressTab();
        QCOMPARE(listText(), kLove);
        QCOMPARE(file("Love"), kLove);
    }
    void cleanup() { fx.reset(); }

    void aKeyboardPickShowsTheSubject() {
        focusOn(w().ComboCategory);
        QTest::keyClick(w().ComboCategory, Qt::Key_Up); // from the subject shown
        QCOMPARE(listText(), kFaith);
    }

    // Every byte comes back as it was through a pick, leaving the box, an edit and the closing.
    void untouchedBytesSurviveEverySave() {
        pick(w().ComboCategory, QStringLiteral("Odd"));
        pressTab();
        QCOMPARE(file("Odd"), kOdd);
        appendToList(QStringLiteral("!"));
        QCOMPARE(file("Odd"), kOdd + "!");
        appendToList(QStringLiteral("?"), false);
        QVERIFY(w().close());
        QCOMPARE(file("Odd"), kOdd + "!?");
    }

    void aNameInAnotherCaseIsTheExistingSubject() {
        typeOver(w().ComboCategory, QStringLiteral("fAITH"));
        QTest::keyClick(w().ComboCategory, Qt::Key_Return);
        QCOMPARE(listText(), kLove); // a typed name waits for the box to be left, not for Return
        pressTab();
        QCOMPARE(w().ComboCategory->text(), QStringLiteral("Faith"));
        QCOMPARE(listText(), kFaith);
        QCOMPARE(subjectFiles(), kSubjects);
        appendToList(QStringLiteral("+"));
        QCOMPARE(file("Faith"), kFaith + "+");
        QCOMPARE(file("Love"), kLove);
        QVERIFY(fx->messages.asked.isEmpty());
    }

    void emptyingTheBoxDeletesTheSubject() {
        enterSubject(QString());
        QCOMPARE(fx->messages.asked.size(), 1);
        QCOMPARE(subjectFiles(), (QStringList{"Faith.txt", "Odd.txt"}));
        QCOMPARE(w().ComboCategory->items(), (QStringList{"Faith", "Odd"}));
        QCOMPARE(listText(), QByteArray("New"));
    }

    // When the subject box names no subject, the list is saved nowhere and stays on screen. An
    // emptied box offers to delete the subject, and Cancel keeps it.
    void savesGoOnlyToTheSubjectTheBoxNames_data() {
        for (const char* column : {"typed", "refill", "offer"}) // refill: the emptied list's
            QTest::addColumn<QString>(column);
        QTest::newRow("robustness: box emptied, delete cancelled")
            << QString() << QString("New") << QString("Love Category will be deleted.");
        QTest::newRow("robustness: box names nothing there is")
            << "???" << QString("???") << QString();
    }
    void savesGoOnlyToTheSubjectTheBoxNames() {
        QFETCH(QString, typed);
        QFETCH(QString, refill);
        QFETCH(QString, offer);
        fx->messages.answers = {MessageBoxes::Cancel};
        enterSubject(typed);
        QCOMPARE(listText(), kLove);
        QCOMPARE(fx->messages.asked.size(), offer.isEmpty() ? 0 : 1);
        if (!offer.isEmpty()) {
            QCOMPARE(fx->messages.asked[0].text, offer);
            QCOMPARE(fx->messages.asked[0].buttons, MessageBoxes::OkCancel);
        }
        typeOver(w().TextFavoritesList, QString());
        QTest::keyClick(w().TextFavoritesList, Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::mouseClick(w().CommandAddFavorite, Qt::LeftButton);
        QCOMPARE(file("Love"), kLove);
        QCOMPARE(file("Faith"), kFaith);
        QCOMPARE(subjectFiles(), kSubjects);
        QVERIFY(listText().startsWith((refill + "\r\n\r\n").toLatin1()));
    }

    // Reported by name and reason; the text on screen stays and no edit goes to another file.
    void failuresKeepTheFileAndTheText_data() {
        QTest::addColumn<QString>("subject"); // whose file fails
        QTest::addColumn<bool>("reading");    // else writing
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QByteArray>("love");
        QTest::addColumn<QByteArray>("list");
        const QByteArray unsaved = kLove + " unsaved";
        QTest::newRow("robustness: saving on leaving the list")
            << "Love" << false << Steps([this] { appendToList(" unsaved"); }) << kLove << unsaved;
        QTest::newRow("robustness: creating a subject") << "Hope" << false << Steps([this] {
            appendToList(" unsaved");
            enterSubject("Hope");
        }) << unsaved << unsaved;
        QTest::newRow("robustness: reading a picked subject") << "Faith" << true << Steps([this] {
            pick(w().ComboCategory, QStringLiteral("Faith"));
            appendToList("!");
        }) << kLove + "!" << kLove + "!";
    }
    void failuresKeepTheFileAndTheText() {
        QFETCH(QString, subject);
        QFETCH(bool, reading);
        QFETCH(Steps, steps);
        (reading ? fx->files.failRead : fx->files.failWrite) = [subject](const QString& path) {
            return path.endsWith('/' + subject + ".txt");
        };
        steps();
        QCOMPARE(fx->messages.asked.size(), 1);
        const QString message = fx->messages.asked[0].text;
        QVERIFY2(message.contains('"' + subject + '"') &&
                     message.contains(reading ? "Permission denied" : "No space left on device"),
                 qPrintable(message));
        QTEST(file("Love"), "love");
        QTEST(listText(), "list");
        QCOMPARE(file("Faith"), kFaith);
        QCOMPARE(subjectFiles(), kSubjects);
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
        QTest::newRow("robustness: no Verses folder can be made, No")
            << "Hope" << MessageBoxes::No << "Verses could not be made: Not a directory";
    }
    void closingWithTextThatCannotBeSavedAsks() {
        QFETCH(QString, typedInBox);
        QFETCH(MessageBoxes::Answer, answer);
        QFETCH(QString, why);
        fx->files.failWrite = [](const QString& path) { return path.endsWith("Love.txt"); };
        QDir folder(fx->folder());
        const bool inTheWay = why.contains("Verses"); // a file where the folder goes, for now
        if (inTheWay)
            QVERIFY(folder.rename("Verses", "Verses.kept") && fx->writeBytes("Verses", ""));
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
        if (inTheWay)
            QVERIFY(folder.remove("Verses") && folder.rename("Verses.kept", "Verses"));
        QVERIFY(listText().endsWith(" kept"));
        QCOMPARE(file("Love"), kLove);
    }
};

QTEST_MAIN(TestSubjectEditing)
#include "tst_subjectediting.moc"
