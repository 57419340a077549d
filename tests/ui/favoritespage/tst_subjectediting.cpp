#include "controls/commandbutton.h"
#include "support/appfixture.h"

#include <QDir>
#include <QFileSystemWatcher>
#include <QSignalSpy>
#include <QTest>

using enum placement::Control;

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
const QByteArray none = "<missing>"; // a file that cannot be read

using Steps = std::function<void()>;

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestSubjectEditing : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> fx;
    QTemporaryDir m_home;

    MainWindow& w() { return fx->window(); }
    ComboBox* subjectBox() { return fx->combo(ComboCategory); }
    TextBox* subjectText() { return fx->textBox(TextFavoritesList); }
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
    void initTestCase() { qputenv("HOME", QFile::encodeName(m_home.path())); }
    void init() {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path()));
        QDir(m_home.filePath("Trash")).removeRecursively();
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

    // Every byte comes back as it was through a pick, leaving the box, an edit and File > Exit.
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
        fx->trigger("mnuExit");
        QVERIFY(!w().isVisible());
        QCOMPARE(file("Odd"), bytes + "!?");
    }

    // A change made to the shown subject's file elsewhere (another window, an editor, a file
    // manager) never costs either side its words. A subject only looked at follows its file and
    // is never made again; an edited one asks, default Keep Editing: Replace the File puts their
    // text in the trash first, Show the File keeps the user's for Undo (Ctrl+Z) and keeps the
    // window open. A file or folder gone under an edit is reported, the text kept on screen.
    void noSideLosesItsWords_data() {
        QTest::addColumn<bool>("edited");
        for (const char* column : {"elsewhere", "then"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<int>("chosen"); // -1: the question closed
        for (const char* column : {"file", "list"})
            QTest::addColumn<QByteArray>(column);
        QTest::addColumn<QString>("told"); // in the last message; empty: none
        const QByteArray mine = kLove + "!";
        const auto row = [](const char* name, bool edited, const char* elsewhere, const char* then,
                            int chosen, const QByteArray& file, const QByteArray& list,
                            const char* told) {
            QTest::newRow(name) << edited << QString(elsewhere) << QString(then) << chosen << file
                                << list << QString(told);
        };
        row("nominal: Replace the File", true, "changed", "leave", 0, mine, mine, "to the trash");
        row("nominal: Show the File", true, "changed", "leave", 1, kTheirs, kTheirs, "Undo");
        row("nominal: Keep Editing", true, "changed", "leave", 2, kTheirs, mine, "Keep Editing");
        row("robustness: the question closed", true, "changed", "leave", -1, kTheirs, mine,
            "was changed");
        row("robustness: Show the File when closing", true, "changed", "close", 1, kTheirs, kTheirs,
            "Undo");
        row("robustness: Keep Editing, then closing", true, "changed", "close", 2, kTheirs, mine,
            "Close anyway?");
        row("robustness: Replace the File with no trash", true, "changed, no trash", "leave", 0,
            kTheirs, mine, "Replace it for good?");
        row("robustness: only looked at, it follows", false, "changed", "leave", -1, kTheirs,
            kTheirs, "");
        row("robustness: removed", true, "removed", "leave", -1, none, mine,
            "is gone.\r\nThey stay here: to save them, type a subject name");
        row("robustness: renamed, then Add Verse", true, "renamed", "add", -1, none, mine,
            "is gone");
        row("robustness: a folder in its place", true, "folder", "leave", -1, none, mine,
            "is gone");
        row("robustness: a link in its place", true, "link", "leave", -1, kFaith, mine, "is gone");
        row("robustness: the Verses folder gone", true, "folder gone", "leave", -1, none, mine,
            "is not there.\r\nThey stay here.");
        row("robustness: removed, then closing", true, "removed", "close", -1, none, mine,
            "Close anyway?");
        row("robustness: removed while looked at, the box left", false, "removed", "box", -1, none,
            kLove, "");
        row("robustness: renamed while looked at, the box left", false, "renamed", "box", -1, none,
            kLove, "");
    }
    void noSideLosesItsWords() {
        QFETCH(bool, edited);
        QFETCH(QString, elsewhere);
        QFETCH(QString, then);
        QFETCH(int, chosen);
        QFETCH(QString, told);
        fx->messages.chosen = chosen < 0 ? QList<int>() : QList<int>{chosen};
        fx->messages.answers = {MessageBoxes::No, MessageBoxes::No}; // neither for good nor close
        pick(subjectBox(), QStringLiteral("Love"));
        if (edited)
            appendToList(QStringLiteral("!"), false);
        QDir verses(fx->path("Verses"));
        // Told of the change as the window is (a folder moved away tells nothing), before acting.
        QFileSystemWatcher watcher({verses.path(), verses.filePath("Love.txt")});
        QSignalSpy fileNotice(&watcher, &QFileSystemWatcher::fileChanged);
        QSignalSpy folderNotice(&watcher, &QFileSystemWatcher::directoryChanged);
        if (elsewhere.startsWith("changed"))
            fx->writeBytes("Verses/Love.txt", kTheirs);
        else if (elsewhere == "renamed")
            QVERIFY(verses.rename("Love.txt", "Amor.txt"));
        else if (elsewhere == "folder gone")
            QVERIFY(QDir(fx->folder()).rename("Verses", "Verses.gone"));
        else
            QVERIFY(verses.remove("Love.txt"));
        if (elsewhere == "folder")
            QVERIFY(verses.mkdir("Love.txt"));
        if (elsewhere == "link")
            QVERIFY(QFile::link(verses.filePath("Faith.txt"), verses.filePath("Love.txt")));
        if (elsewhere.endsWith("no trash")) // a file where the trash would be made
            qputenv("XDG_DATA_HOME", QFile::encodeName(fx->path("Bible.dat")));
        QTRY_VERIFY(fileNotice.count() + folderNotice.count() > 0 || elsewhere == "folder gone");
        QCoreApplication::processEvents();
        if (then == "close")
            QVERIFY(!w().close());
        else if (then == "add")
            QTest::mouseClick(fx->control<CommandButton>(CommandAddFavorite), Qt::LeftButton);
        else
            pressTab(); // from the list, or from the box the pick left the focus in
        QTEST(file("Love"), "file");
        QFETCH(QByteArray, list);
        QVERIFY2(listText().startsWith(list), listText().constData());
        QCOMPARE(fx->messages.asked.isEmpty(), told.isEmpty());
        if (!told.isEmpty())
            QVERIFY2(fx->messages.asked.last().text.contains(told),
                     qPrintable(fx->messages.asked.last().text));
        // Where the words not kept in the file are.
        const QByteArray trashed = testfiles::bytesOf(m_home.filePath("Trash/files/Love.txt"));
        QCOMPARE(trashed, chosen == 0 && !elsewhere.endsWith("no trash") ? kTheirs : none);
        if (chosen == 1) {
            focusOn(subjectText());
            QTest::keyClick(subjectText(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(listText(), kLove + "!");
        }
        QCOMPARE(fx->readBytes("Verses/Amor.txt"), elsewhere == "renamed" ? kLove : none);
        QCOMPARE(QFileInfo(verses.filePath("Love.txt")).isDir(), elsewhere == "folder");
        QCOMPARE(fx->readBytes("Verses/Faith.txt"), elsewhere == "folder gone" ? none : kFaith);
        QCOMPARE(fx->readBytes("Verses.gone/Love.txt"), elsewhere == "folder gone" ? kLove : none);
        QVERIFY(w().isVisible());
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
        QTest::mouseClick(fx->control<CommandButton>(CommandAddFavorite), Qt::LeftButton);
        QCOMPARE(file("Love"), kLove);
        QCOMPARE(file("Faith"), kFaith);
        QCOMPARE(subjectFiles(), kSubjects);
        QVERIFY(listText().startsWith((refill + "\r\n\r\n").toLatin1()));
    }

    // Add Verse by its key (Alt+A) files what a click files: the verse just typed, looked up
    // first, as the click's leaving the reference box looks it up.
    void addVerseByKeyFilesWhatAClickFiles() {
        fx->combo(ComboBookFavorites)->setText(QStringLiteral("John"));
        typeOver(fx->control<LineTextBox>(TextVersesFavorites), QStringLiteral("3:16"));
        fx->control<CommandButton>(CommandAddFavorite)->click(); // as its key does: no focus
        QVERIFY(file("Love").endsWith("not perish, but have everlasting life.\r\nJohn 3:16"));
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
