#include "favorites/followedsubject.h"
#include "favorites/subjectediting.h"
#include "favorites/subjectfiles.h"
#include "favorites/subjectprintlines.h"
#include "storage/filesystem.h"
#include "support/testfiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using BoxLeft = SubjectEditing::BoxLeft;
using LeftFor = std::pair<BoxLeft::Kind, QString>;
Q_DECLARE_METATYPE(LeftFor)

// Subjects: the Verses folder's files, their exact text, nothing outside it; the favorites page's
// decisions over Love and Faith, Love shown; and the lines a subject is printed in.
class TestSubjects : public QObject {
    Q_OBJECT
    FileSystem files;
    std::unique_ptr<QTemporaryDir> dir; // for the store's tests, fresh for each

    QString folder() const { return dir->filePath("Verses"); }
    void put(const QString& path, const QByteArray& bytes) {
        QVERIFY(testfiles::put(dir->filePath(path), bytes));
    }
    QByteArray bytesOf(const QString& path) const {
        return testfiles::bytesOf(dir->filePath(path));
    }

    QTemporaryDir m_dir; // for the decisions: Love and Faith
    std::unique_ptr<SubjectFiles> m_subjectFiles;
    std::unique_ptr<FollowedSubject> m_followed;
    std::unique_ptr<SubjectEditing> m_session;

    void loveShown(bool edited) {
        m_followed = std::make_unique<FollowedSubject>(*m_subjectFiles);
        m_session = std::make_unique<SubjectEditing>(*m_subjectFiles, *m_followed);
        m_followed->loaded("Love", StoredText("Love text"), "Love text");
        m_session->subjectBoxEntered("Love");
        if (edited)
            m_session->subjectBoxChanged();
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(dir->path()).mkpath("Verses/Sub.txt"));
        put("outside.txt", "keep");
        put("Verses/Sub.txt/inner.txt", "keep");
    }

    // A save's temporary file is no subject; any other file of the user's is, whatever its name.
    void listsEveryFileAlphabetically() {
        for (const char* name :
             {"love.txt", "Faith.txt", "readme.dat", "Notes.TXT", "a.txt.txt", ".txt", "Zeal.txt",
              "zeal.txt", ".vellumark-MHdX4d", ".vellumark-MHd_4d", ".vellumark-MHdX4",
              "Love.txt.backup", "Love.txt.2024v1"})
            put(QString("Verses/") + QLatin1String(name), "x");
        QCOMPARE(
            SubjectFiles(files, folder()).subjectNames(),
            QStringList({"", ".vellumark-MHd_4d", ".vellumark-MHdX4", "a", "Faith", "love",
                         "Love.2024v1", "Love.backup", "Notes.TXT", "readme.dat", "Zeal", "zeal"}));
    }

    void vanishedFolderListsNothing() {
        QVERIFY(QDir(folder()).removeRecursively());
        SubjectFiles store(files, folder());
        QVERIFY(store.subjectNames().isEmpty());
        QCOMPARE(store.load("Love").status, SubjectFiles::Loaded::Missing);
        QCOMPARE(store.save("Love", "Love", {}).status, SubjectFiles::Saved::Failed);
    }

    void keepsTheTextExactly() {
        put("Verses/Love.txt", "caf\xe9\r\n\r\n verse\rJohn 3:16\n");
        SubjectFiles store(files, folder());
        const SubjectFiles::Loaded loaded = store.load("Love");
        QCOMPARE(loaded.status, SubjectFiles::Loaded::Read);
        QCOMPARE(loaded.text(), "caf\u00e9\r\n\r\n verse\rJohn 3:16\n");
        // Overwriting, as asked after a change elsewhere, writes over whatever the file holds.
        QCOMPARE(store.save("Love", "mine", "stale", SubjectFiles::Overwrite::ForGood).status,
                 SubjectFiles::Saved::Written);
        put("Verses/Empty.txt", "");
        QCOMPARE(store.load("Empty").text(), QString());
        using Mode = SubjectFiles::WriteMode;
        QVERIFY(store.willWrite("Love", Mode::ExistingOnly));
        QCOMPARE(store.existingName("lOVE"), "Love");
        QVERIFY(!store.willWrite("Hope", Mode::ExistingOnly));
        QVERIFY(store.willWrite("Hope", Mode::Create));
        QVERIFY(!store.willWrite(QString("Ho") + QChar(0) + "pe", Mode::Create));
        const QString longest = QString(251, u'a');
        put("Verses/" + longest + ".txt", "x");
        QCOMPARE(store.save(longest, "y", "x").status, SubjectFiles::Saved::Written);
        QCOMPARE(bytesOf("Verses/" + longest + ".txt"), "y");
    }

    // Neither a path nor a link in the folder reaches a file: nothing is listed, read, written
    // or deleted through it, and nothing is written where a link points.
    void neverReachesOutsideTheFolder_data() {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("linkTo"); // the subject's file is a link to this
        for (const auto& [name, subject, linkTo] :
             {std::array<const char*, 3>{"robustness: parent folder", "../outside", ""},
              {"robustness: backslash", "..\\outside", ""},
              {"robustness: absolute path", "/tmp/outside", ""},
              {"robustness: into a subfolder", "Sub.txt/inner", ""},
              {"robustness: link to a file outside", "Pw", "outside.txt"},
              {"robustness: dangling link", "Pw", "gone.txt"}})
            QTest::newRow(name) << QString(subject) << QString(linkTo);
    }
    void neverReachesOutsideTheFolder() {
        QFETCH(QString, subject);
        QFETCH(QString, linkTo);
        if (!linkTo.isEmpty())
            QVERIFY(QFile::link(dir->filePath(linkTo), folder() + "/Pw.txt"));
        SubjectFiles store(files, folder());
        QVERIFY(store.subjectNames().isEmpty());
        QVERIFY(!store.exists(subject));
        QCOMPARE(store.load(subject).status, SubjectFiles::Loaded::Missing);
        QCOMPARE(store.save(subject, "lost", {}, SubjectFiles::Overwrite::ForGood).status,
                 SubjectFiles::Saved::Failed);
        QVERIFY(!store.remove(subject).ok && !store.moveToTrash(subject).ok);
        QCOMPARE(bytesOf("outside.txt"), QByteArray("keep"));
        QCOMPARE(bytesOf("Verses/Sub.txt/inner.txt"), QByteArray("keep"));
        QVERIFY(!QFileInfo::exists(dir->filePath("gone.txt")));
    }

    // A save cut short can leave its temporary file, named with the program's own mark: it is
    // removed once old enough to be no other window's save under way. Nothing else is.
    void leftoverSavesAreRemoved_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("removed");
        const QString save = ".vellumark-MHdX4d";
        const auto row = [](const char* name, const QString& file, const char* kind, bool removed) {
            QTest::newRow(name) << file << QString(kind) << removed;
        };
        row("nominal: a save's leftover", save, "old file", true);
        row("robustness: a save under way", save, "file", false);
        row("robustness: the user's backup", "Love.txt.backup", "old file", false);
        row("robustness: a folder", save, "folder", false);
        row("robustness: a link", save, "link", false);
    }
    void leftoverSavesAreRemoved() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        put("Verses/Love.txt", "Love");
        const QString path = folder() + QLatin1Char('/') + name;
        if (kind.endsWith("file"))
            put("Verses/" + name, "partial");
        else if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else
            QVERIFY(QFile::link(folder() + "/Love.txt", path));
        QFile file(path);
        if (kind == "old file")
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(QDateTime::currentDateTime().addSecs(-61),
                                     QFileDevice::FileModificationTime));
        files.removeLeftoverSaves(folder());
        QTEST(!QFileInfo::exists(path) && !QFileInfo(path).isSymLink(), "removed");
        QCOMPARE(bytesOf("Verses/Love.txt"), QByteArray("Love"));
    }

    void initTestCase() {
        const QString verses = m_dir.filePath("Verses");
        QVERIFY(QDir().mkpath(verses));
        for (const char* name : {"/Love.txt", "/Faith.txt"})
            QVERIFY(testfiles::put(verses + QLatin1String(name), {}));
        m_subjectFiles = std::make_unique<SubjectFiles>(files, verses);
    }

    void leavingTheSubjectBox_data() {
        QTest::addColumn<QString>("typed"); // trimmed
        QTest::addColumn<int>("edited");    // 2: typed, then picked; 3: only the text, by a load
        QTest::addColumn<LeftFor>("expected");
        const auto row = [](const char* name, const char* typed, int edited, LeftFor expected) {
            QTest::newRow(name) << QString::fromLatin1(typed) << edited << expected;
        };
        row("nominal: the shown subject is written again", "Love", true, {BoxLeft::Write, "Love"});
        row("nominal: another subject is shown, not written", "Faith", true,
            {BoxLeft::Load, "Faith"});
        row("robustness: another subject in another letter case", "fAITH", true,
            {BoxLeft::Load, "Faith"});
        row("robustness: a name that cleans to another subject", " F.a:ith ", true,
            {BoxLeft::Load, "Faith"});
        row("robustness: the shown subject in another letter case", "LOVE", true,
            {BoxLeft::Write, "Love"});
        row("nominal: nothing typed since the box got the focus", "Hope", false, {});
        row("nominal: a pick is a load, not an edit", "Faith", 2, {});
        row("robustness: a load changes the text, not the box", "Hope", 3, {});
        row("robustness: the placeholder", "Select Subject", true, {});
        row("robustness: nothing left after cleaning", "?|?", true, {});
        row("nominal: every removed character", " a\\b.c/d:e<f>g?h|i ", true,
            {BoxLeft::Write, "abcdefghi"});
        row("robustness: tabs and other characters stay", "a\tb*", true, {BoxLeft::Write, "a\tb*"});
        const QByteArray fits(251, 'a'), tooLong(126, '\xE9'); // 252 bytes in UTF-8
        row("robustness: the longest name a file takes", fits, true,
            {BoxLeft::Write, QString(fits)});
        row("robustness: a name too long for a file", tooLong, true,
            {BoxLeft::TooLong, QString::fromLatin1(tooLong)});
    }
    void leavingTheSubjectBox() {
        QFETCH(QString, typed);
        QFETCH(int, edited);
        loveShown(edited == 1 || edited == 2);
        if (edited == 2)
            m_session->subjectPicked(typed);
        if (edited == 3)
            m_session->subjectTextChanged();
        const BoxLeft left = m_session->leaveSubjectBox(typed, "Love text!");
        QTEST(LeftFor(left.kind, left.subject), "expected");
        // Only the shown subject's file is known; what it held then is what the user edited.
        const bool write = left.kind == BoxLeft::Write, shown = write && left.subject == "Love";
        QCOMPARE(left.save.kind, write ? SubjectSave::Write : SubjectSave::Nothing);
        QCOMPARE(left.save.known, shown ? std::optional<QByteArray>("Love text") : std::nullopt);
    }

    void offeringToDelete_data() {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<QString>("offered");
        const auto row = [](const char* name, const char* remembered, bool edited, const char* box,
                            const char* offered) {
            QTest::newRow(name) << remembered << edited << box << offered;
        };
        row("nominal: box emptied", "Love", true, "", "Love");
        row("robustness: remembered in another case", "love", true, "", "Love");
        row("nominal: box not emptied", "Love", true, "Lo", "");
        row("nominal: box untouched", "Love", false, "", "");
        row("robustness: no such subject", "Select Subject", true, "", "");
    }
    void offeringToDelete() {
        QFETCH(QString, remembered);
        QFETCH(bool, edited);
        QFETCH(QString, boxText);
        FollowedSubject followed(*m_subjectFiles);
        SubjectEditing editing(*m_subjectFiles, followed);
        editing.subjectBoxEntered(remembered);
        if (edited)
            editing.subjectBoxChanged();
        QTEST(editing.subjectToDelete(boxText).value_or(QString()), "offered");
    }

    // Only an edit, or a save that failed, is written, and only to the subject shown when the box
    // names it. Unedited, the text follows its file; a save knows what the file held when read or
    // written; an edit whose file went since it was read is told of.
    void unsavedText() {
        loveShown(false);
        const QString love = "Love text", edit = love + "!";
        QCOMPARE(m_session->saveNamed("Love", love).kind, SubjectSave::Nothing);
        const SubjectFiles::Loaded theirs{SubjectFiles::Loaded::Read, StoredText("Their text"), {}};
        QVERIFY(m_followed->follows(love, theirs));
        QVERIFY(!m_followed->follows(love, {theirs.status, StoredText("Love text"), {}}));
        QVERIFY(!m_followed->follows(love, {})); // a file deleted elsewhere
        m_session->subjectTextChanged();
        QVERIFY(!m_followed->follows(edit, theirs));
        const SubjectSave save{SubjectSave::Write, "Love", edit, "Love text!",
                               "Love text",        true,   {}};
        QCOMPARE(m_session->leaveSubjectText("love", edit), save);
        for (const char* elsewhere : {"Faith", "", "???"}) // another subject, none, none there is
            QCOMPARE(m_session->saveNamed(elsewhere, edit).kind, SubjectSave::Nothing);
        QCOMPARE(m_session->leaveSubjectText("Love", edit).kind, SubjectSave::Nothing);
        m_followed->saved(save);
        QVERIFY(!m_followed->hasUnsavedText(edit));
        QCOMPARE(m_session->saveNamed("Love", edit + "?").known, "Love text!");
        m_session->subjectTextChanged();
        m_session->verseLookedUp();
        QCOMPARE(m_session->leaveSubjectText("Love", edit + "?").kind, SubjectSave::Nothing);
        m_followed->loaded("Gone", StoredText("x"), "x");
        QVERIFY(m_session->saveNamed("Gone", "x!")
                    .message.startsWith("The favorite verses shown are not saved: the file of the "
                                        "subject \"Gone\" is gone."
                                        "\r\nThey stay here: to save them, type"));
        QCOMPARE(m_session->saveNamed("Gone", "x").kind, SubjectSave::Nothing);
        QCOMPARE(m_session->saveNamed("Hope", "x!").kind, SubjectSave::Nothing);
        m_followed->loaded("Gone", std::nullopt, "x");
        QCOMPARE(m_session->saveNamed("Gone", "x!").kind, SubjectSave::Nothing);
        // A new subject is stored as any new file, not in the encoding of the one shown.
        m_followed->loaded("Love", StoredText("\xEF\xBB\xBFx"), "x");
        QCOMPARE(m_followed->write("Hope", "x", false).bytes, "x");
        // A new subject made from the text is not the one shown; the one shown while it had no
        // file is, once this window made the file, in whatever letter case it was named.
        for (const auto& [shown, saved, taken] : {std::tuple("Love", "Faith", false),
                                                  {"faith", "Faith", true},
                                                  {"Hope", "hope", false}}) {
            m_followed->loaded(shown, std::nullopt, "y");
            m_followed->saved({SubjectSave::Write, saved, "z", "z", std::nullopt, false, {}});
            QCOMPARE(m_followed->hasUnsavedText("z"), !taken);
        }
        m_followed->loaded("love", std::nullopt, "y"); // and Love made elsewhere since
        QVERIFY(m_followed->holdsTextOfExisting("Love"));
    }

    // Text in no file, when the window closes or another subject would replace it: why it is
    // in no file, and whether to ask.
    void droppingUnsavedText_data() {
        for (const char* column : {"text", "error", "savedUnder", "folder", "question"})
            QTest::addColumn<QString>(column); // error: null, none tried; question: its start
        QTest::addColumn<bool>("tried");       // a last save
        QTest::addColumn<int>("written");      // -1: no save tried
        QTest::addColumn<int>("answer");
        const auto row = [](const char* name, const char* text, bool tried, int written,
                            const QString& error, const char* under, const char* folder, int answer,
                            const char* question) {
            QTest::newRow(name) << QString(text) << error << QString(under) << QString(folder)
                                << QString(question) << tried << written << answer;
        };
        using D = SubjectEditing::Dropping;
        const char* verses = "Verses"; // Love and Faith
        row("nominal: nothing unsaved", "Love text", false, -1, {}, "Love", verses, D::GoOn, "");
        row("nominal: saved at last", "Love text", false, SaveOutcome::Saved, "", "Love", verses,
            D::GoOn, "");
        row("nominal: the file's text chosen", "Love text!", true, SaveOutcome::FileShown, "",
            "Love", verses, D::Stay, "");
        row("robustness: the save failed", "Love text!", true, SaveOutcome::Failed, "Disk full",
            "love", verses, D::Ask,
            "The subject \"Love\" could not be saved.\r\nDisk full\r\nClose");
        row("robustness: the folder gone", "Love text!", false, -1, {}, "Love", "Gone", D::Ask,
            "The favorite verses shown are not saved.\r\nThe folder ");
        row("robustness: the file gone", "Love text!", false, -1, {}, "Love", ".", D::Ask,
            "The favorite verses shown are not saved: the file of the subject \"Love\" is gone.");
        row("robustness: no subject named", "Love text!", false, -1, {}, "???", verses, D::Ask,
            "The favorite verses shown are not saved: no subject is named to save them under.");
    }
    void droppingUnsavedText() {
        QFETCH(QString, text);
        QFETCH(QString, error);
        QFETCH(QString, savedUnder);
        QFETCH(QString, folder);
        QFETCH(int, written);
        QFETCH(QString, question);
        SubjectFiles store(files, m_dir.filePath(folder));
        FollowedSubject followed(store);
        followed.loaded("Love", StoredText("Love text"), "Love text");
        const SubjectEditing editing(store, followed);
        QTEST(editing.beforeDropping(savedUnder, text).kind == SubjectSave::Write, "tried");
        std::optional<SaveOutcome> outcome;
        if (written >= 0)
            outcome = SaveOutcome{SaveOutcome::Kind(written), error};
        const SubjectEditing::Dropping dropping =
            editing.dropping(savedUnder, text, outcome, "Close anyway?");
        QTEST(int(dropping.kind), "answer");
        QVERIFY2(question.isEmpty() ? dropping.question.isEmpty()
                                    : dropping.question.startsWith(question) &&
                                          dropping.question.endsWith("\r\nClose anyway?"),
                 qPrintable(dropping.question));
    }

    // No subject file is ever written empty; Add Verse puts the looked-up verses after an empty
    // line and names them on a line of their own.
    void refillingAndAddingAVerse_data() {
        for (const char* column : {"text", "name", "refilled", "added"})
            QTest::addColumn<QString>(column); // name: the subject box's; refilled: null, kept
        const QString verse = "\r\n\r\n For God so loved\r\nJohn 3:16";
        const auto row = [](const char* name, const char* text, const char* box,
                            const QString& refilled, const QString& added) {
            QTest::newRow(name) << QString(text) << QString(box) << refilled << added;
        };
        row("nominal: emptied, the box's name", "", "Hope", "Hope", verse);
        row("robustness: emptied, no name", "", "", "New", verse);
        row("nominal: a text is kept", "Love", "", QString(), "Love" + verse);
    }
    void refillingAndAddingAVerse() {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QTEST(SubjectEditing::refill(text, name).value_or(QString()), "refilled");
        QTEST(SubjectEditing::withVerseAdded(text, " For God so loved", "John", "3:16"), "added");
    }

    void printLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        const auto row = [](const char* name, const QString& text, const QStringList& lines) {
            QTest::newRow(name) << text << lines;
        };
        const QString lazy = "The quick brown fox jumps over the lazy"; // 39
        const QString x34 = QString(34, u'x'), y29 = QString(29, u'y'), c50 = QString(50, u'c');
        row("robustness: an empty text prints nothing", QString(), {});
        row("nominal: 39 characters print as one line", lazy, {lazy});
        row("nominal: a space as the 40th character ends the line", lazy + " dog", {lazy, "dog"});
        row("nominal: exactly 40 characters ending in a space", lazy + " ", {lazy, ""});
        // Characters 36 to 44 form one word: five of them are counted on the second line, so
        // it is full after 29 more letters and a space.
        row("nominal: a word across the 40th character is carried with its count",
            x34 + " beginning " + y29 + " zz", {x34, "beginning " + y29, "zz"});
        row("nominal: an overlong word is printed with the words after it", "ab " + c50 + " de",
            {"ab", "", c50 + " de"});
        row("nominal: a word over two widths leaves two empty lines", QString(85, u'c'),
            {"", "", QString(85, u'c')});
        row("nominal: the last line keeps its spaces", " a  ", {" a  "});
        row("nominal: a cut line is trimmed, the last line is not",
            "  " + QString(36, u'w') + "   tail", {QString(36, u'w'), " tail"});
        row("nominal: a text ending in a line break ends with an empty line", "Love\r\n",
            {"Love", ""});
        row("nominal: a full line just before a line break", lazy + " \r\nend", {lazy, "", "end"});
        row("robustness: bare line feeds and carriage returns break lines too", "a\nb\rc",
            {"a", "b", "c"});
    }

    void printLines() {
        QFETCH(QString, text);
        QTEST(favorites::subjectPrintLines(text), "lines");
    }
};

QTEST_GUILESS_MAIN(TestSubjects)
#include "tst_subjects.moc"
