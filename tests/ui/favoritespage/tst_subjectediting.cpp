#include "controls/commandbutton.h"
#include "support/appfixture.h"

#include <QDir>
#include <QTest>

// The sequences of the favorites page that keep or lose the user's words, through the real
// window: it acts on the core's decisions at the right moments.
namespace {

const QByteArray kLove = "Love\r\n\r\n Beloved, let us love one another\r\n1 John 4:7";
const QByteArray kFaith = "Faith\r\n\r\n Now faith is the substance\r\nHebrews 11:1";
const QByteArray kTheirs = "Love\r\n\r\n Changed in another window";
// A non-breaking space, each form of line break and every high byte.
const QByteArray kOdd = [] {
    QByteArray odd = "Odd\xA0text\rlone CR\nlone LF\r\nCR LF ";
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        odd.append(char(byte));
    return odd;
}();
// UTF-8 with a mark, ending in bytes that are not UTF-8.
const QByteArray kUtf8 =
    "\xEF\xBB\xBF"
    "Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x80\x93 na\xC3\xAFve\xFF\xE2\x82";
const QStringList kSubjects = {"Faith.txt", "Love.txt", "Odd.txt"};

using Steps = std::function<void()>;

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestSubjectEditing : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> fx;
    QTemporaryDir m_home;

    MainWindow& w() { return fx->window(); }
    ComboBox* subjectBox() { return fx->combo("ComboCategory"); }
    TextBox* subjectText() { return fx->textBox("TextFavoritesList"); }
    QStringList subjectFiles() { return QDir(fx->path("Verses")).entryList(QDir::Files); }
    QByteArray listText() { return subjectText()->text().toLatin1(); }
    QByteArray file(const QString& subject) { return fx->readBytes("Verses/" + subject + ".txt"); }
    void enterSubject(const QString& name) {
        typeOver(subjectBox(), name);
        pressTab();
    }
    void appendToList(const QString& text, bool leave = true) {
        focusOn(subjectText());
        subjectText()->moveCursor(QTextCursor::End);
        QTest::keyClicks(subjectText(), text);
        if (leave)
            pressTab();
    }

private slots:
    // The desktop's trash, of a home of the test's own.
    void initTestCase() {
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path()));
    }
    void init() {
        fx = std::make_unique<AppFixture>();
        QDir(fx->folder()).mkdir(QStringLiteral("Verses"));
        fx->writeBytes("Verses/Love.txt", kLove);
        fx->writeBytes("Verses/Faith.txt", kFaith);
        fx->writeBytes("Verses/Odd.txt", kOdd);
        fx->start();
        pick(subjectBox(), QStringLiteral("Love"));
        pressTab();
        QCOMPARE(listText(), kLove);
    }
    void cleanup() { fx.reset(); }

    // Every byte comes back as it was through a pick, leaving the box, an edit and the closing.
    void untouchedBytesSurviveEverySave_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("nominal: Windows-1252, every high byte") << kOdd;
        QTest::newRow("robustness: UTF-8 with a mark, and bytes that are not UTF-8") << kUtf8;
    }
    void untouchedBytesSurviveEverySave() {
        QFETCH(QByteArray, bytes);
        fx->writeBytes("Verses/Odd.txt", bytes);
        pick(subjectBox(), QStringLiteral("Odd"));
        pressTab();
        QCOMPARE(file("Odd"), bytes);
        appendToList(QStringLiteral("!"));
        QCOMPARE(file("Odd"), bytes + "!");
        appendToList(QStringLiteral("?"), false);
        QVERIFY(w().close());
        QCOMPARE(file("Odd"), bytes + "!?");
    }

    // A change made to the shown subject's file elsewhere (another window, an editor) is never
    // written over unasked: a subject only looked at follows its file; an edited one asks, and
    // replaces the file, shows it, or keeps the text unsaved, as the user chooses.
    void aChangeMadeElsewhereIsKept_data() {
        for (const char* column : {"edited", "closing"}) // else leaving the box or the list
            QTest::addColumn<bool>(column);
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QByteArray>("list");
        const QByteArray edited = kLove + "!";
        for (const auto& [name, edit, closing, choice, after, list] :
             {std::tuple("robustness: picked, the box left", false, false, -1, kTheirs, kTheirs),
              {"robustness: picked, the window closed", false, true, -1, kTheirs, kTheirs},
              {"nominal: edited, the file replaced", true, false, 0, edited, edited},
              {"nominal: edited, the file's text shown", true, false, 1, kTheirs, kTheirs},
              {"robustness: edited, kept unsaved, then closed", true, true, 2, kTheirs, edited}})
            QTest::newRow(name) << edit << closing << QList<int>{choice} << after << list;
    }
    void aChangeMadeElsewhereIsKept() {
        QFETCH(bool, edited);
        QFETCH(bool, closing);
        QFETCH(QList<int>, chosen);
        fx->messages.chosen = chosen;
        fx->messages.answers = {MessageBoxes::No}; // not to close after all
        pick(subjectBox(), QStringLiteral("Love"));
        if (edited)
            appendToList(QStringLiteral("!"), false);
        fx->writeBytes("Verses/Love.txt", kTheirs);
        QTest::qWait(100); // for the notice of the change
        if (closing)
            QCOMPARE(w().close(), !edited);
        else
            pressTab();
        QTEST(file("Love"), "after");
        QTEST(listText(), "list");
        QCOMPARE(fx->messages.asked.size(), edited ? 1 + closing : 0);
    }

    void aNameInAnotherCaseIsTheExistingSubject() {
        typeOver(subjectBox(), QStringLiteral("fAITH"));
        QTest::keyClick(subjectBox(), Qt::Key_Return);
        QCOMPARE(listText(), kLove); // a typed name waits for the box to be left, not for Return
        pressTab();
        QCOMPARE(subjectBox()->text(), QStringLiteral("Faith"));
        QCOMPARE(listText(), kFaith);
        QCOMPARE(subjectFiles(), kSubjects);
        appendToList(QStringLiteral("+"));
        QCOMPARE(file("Faith"), kFaith + "+");
        QCOMPARE(file("Love"), kLove);
        QVERIFY(fx->messages.asked.isEmpty());
    }

    // Only when asked to, and into the trash, from where the user can restore it.
    void emptyingTheBoxDeletesTheSubject() {
        fx->messages.answers = {MessageBoxes::Ok};
        enterSubject(QString());
        QCOMPARE(fx->messages.asked.size(), 1);
        QCOMPARE(subjectFiles(), (QStringList{"Faith.txt", "Odd.txt"}));
        QCOMPARE(testfiles::bytesOf(m_home.filePath("Trash/files/Love.txt")), kLove);
        QCOMPARE(subjectBox()->items(), (QStringList{"Faith", "Odd"}));
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
        enterSubject(typed); // the delete question's default answer is Cancel
        QCOMPARE(listText(), kLove);
        QCOMPARE(fx->messages.asked.size(), offer.isEmpty() ? 0 : 1);
        if (!offer.isEmpty()) {
            QVERIFY(fx->messages.asked[0].text.startsWith(offer + "\r\n"));
            QCOMPARE(fx->messages.asked[0].buttons, MessageBoxes::OkCancelDefaultCancel);
        }
        typeOver(subjectText(), QString());
        QTest::keyClick(subjectText(), Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::mouseClick(fx->control<CommandButton>("CommandAddFavorite"), Qt::LeftButton);
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
        QTest::newRow("robustness: creating a subject") << "Hope" << false << Steps([this] {
            appendToList(" unsaved");
            enterSubject("Hope");
        }) << kLove + " unsaved" << kLove + " unsaved";
        QTest::newRow("robustness: reading a picked subject") << "Faith" << true << Steps([this] {
            pick(subjectBox(), QStringLiteral("Faith"));
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

    // Text that cannot be saved is the user's to give up, when the window closes or another
    // subject would replace it: Yes goes on, No keeps the text and the subject it belongs to.
    void droppingTextThatCannotBeSavedAsks_data() {
        QTest::addColumn<QString>("typedInBox"); // else the subject shown
        QTest::addColumn<QString>("action");
        QTest::addColumn<MessageBoxes::Answer>("answer");
        QTest::addColumn<QString>("why");
        for (const auto& [name, typed, action, answer, why] :
             {std::tuple("closing, No", "", "close", MessageBoxes::No, "\"Love\""),
              {"closing, Yes", "", "close", MessageBoxes::Yes, "\"Love\""},
              {"closing, no subject named", "???", "close", MessageBoxes::No, "no subject"},
              {"closing, no Verses folder can be made", "Hope", "close", MessageBoxes::No,
               "Verses could not be made: Not a directory"},
              {"a pick, No", "", "pick", MessageBoxes::No, "\"Love\""},
              {"a pick, Yes", "", "pick", MessageBoxes::Yes, "\"Love\""},
              {"a typed name, No", "", "type", MessageBoxes::No, "\"Love\""}})
            QTest::addRow("robustness: %s", name)
                << QString(typed) << QString(action) << answer << QString(why);
    }
    void droppingTextThatCannotBeSavedAsks() {
        QFETCH(QString, typedInBox);
        QFETCH(QString, action);
        QFETCH(MessageBoxes::Answer, answer);
        QFETCH(QString, why);
        fx->files.failWrite = [](const QString& path) { return path.endsWith("Love.txt"); };
        QDir folder(fx->folder());
        const bool inTheWay = why.contains("Verses"); // a file where the folder goes, for now
        if (inTheWay)
            QVERIFY(folder.rename("Verses", "Verses.kept") && fx->writeBytes("Verses", ""));
        if (!typedInBox.isEmpty())
            enterSubject(typedInBox);
        appendToList(QStringLiteral(" kept"));
        fx->messages.asked.clear();
        fx->messages.answers = {answer};
        if (action == "close")
            QCOMPARE(w().close(), answer == MessageBoxes::Yes);
        else if (action == "pick")
            pick(subjectBox(), QStringLiteral("Faith"));
        else
            enterSubject(QStringLiteral("Faith"));
        QCOMPARE(fx->messages.asked.size(), 1);
        const auto& asked = fx->messages.asked[0];
        QVERIFY2(asked.text.contains(why) && asked.text.endsWith(QStringLiteral("anyway?")),
                 qPrintable(asked.text));
        QCOMPARE(asked.buttons, MessageBoxes::YesNo);
        const bool wentOn = answer == MessageBoxes::Yes;
        QCOMPARE(w().isVisible(), action != "close" || !wentOn);
        if (inTheWay)
            QVERIFY(folder.remove("Verses") && folder.rename("Verses.kept", "Verses"));
        QCOMPARE(listText().endsWith(" kept"), !wentOn || action == "close");
        if (action != "close")
            QCOMPARE(subjectBox()->text(), wentOn ? "Faith" : "Love");
        QCOMPARE(file("Love"), kLove);
    }
};

QTEST_MAIN(TestSubjectEditing)
#include "tst_subjectediting.moc"
