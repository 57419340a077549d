#include "favorites/subjectediting.h"
#include "favorites/subjectprintlines.h"
#include "favorites/subjectstore.h"
#include "storage/filesystem.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <array>

namespace {

QString repeated(char c, int n) {
    return QString(n, QLatin1Char(c));
}

} // namespace

using BoxLeft = SubjectEditing::BoxLeft;
Q_DECLARE_METATYPE(BoxLeft)

// Subjects: which files of the Verses folder are subjects, their exact text and nothing reached
// outside it; the favorites page's decisions, over a folder holding Love and Faith with Love
// shown; and the lines a subject is printed in.
class TestSubjects : public QObject {
    Q_OBJECT
    FileSystem files;
    std::unique_ptr<QTemporaryDir> dir; // for the store's tests, fresh for each

    QString folder() const { return dir->filePath(QStringLiteral("Verses")); }
    void put(const QString& path, const QByteArray& bytes) {
        QVERIFY(testfiles::put(dir->filePath(path), bytes));
    }
    QByteArray bytesOf(const QString& path) const {
        return testfiles::bytesOf(dir->filePath(path));
    }

    QTemporaryDir m_dir; // for the decisions: Love and Faith
    std::unique_ptr<SubjectStore> m_store;
    std::unique_ptr<SubjectEditing> m_editing;

    void loveShown(bool edited) {
        m_editing = std::make_unique<SubjectEditing>(*m_store);
        m_editing->subjectLoaded(QStringLiteral("Love"), QStringLiteral("Love text"));
        m_editing->subjectBoxGotFocus(QStringLiteral("Love"));
        if (edited)
            m_editing->subjectBoxChanged();
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("Verses/Sub.txt")));
        put(QStringLiteral("outside.txt"), "keep");
        put(QStringLiteral("Verses/Sub.txt/inner.txt"), "keep");
    }

    void listsEveryFileAlphabetically() {
        for (const char* name : {"love.txt", "Faith.txt", "readme.dat", "Notes.TXT", "a.txt.txt",
                                 ".txt", "Zeal.txt", "zeal.txt"})
            put(QStringLiteral("Verses/") + QLatin1String(name), "x");
        QCOMPARE(
            SubjectStore(files, folder()).subjectNames(),
            QStringList({"", "a", "Faith", "love", "Notes.TXT", "readme.dat", "Zeal", "zeal"}));
    }

    void vanishedFolderListsNothing() {
        QVERIFY(QDir(folder()).removeRecursively());
        SubjectStore store(files, folder());
        QVERIFY(store.subjectNames().isEmpty());
        QCOMPARE(store.load(QStringLiteral("Love")).status, SubjectStore::Loaded::Missing);
        QVERIFY(!store.write(QStringLiteral("Love"), QStringLiteral("Love")).ok);
    }

    void keepsTheTextExactly() {
        put(QStringLiteral("Verses/Love.txt"), "caf\xe9\r\n\r\n verse\rJohn 3:16\n");
        SubjectStore store(files, folder());
        const SubjectStore::Loaded loaded = store.load(QStringLiteral("Love"));
        QCOMPARE(loaded.status, SubjectStore::Loaded::Read);
        QCOMPARE(loaded.text, QStringLiteral("caf\u00e9\r\n\r\n verse\rJohn 3:16\n"));
        put(QStringLiteral("Verses/Empty.txt"), "");
        QCOMPARE(store.load(QStringLiteral("Empty")).text, QString());
        QVERIFY(store.write(QStringLiteral("Love"), QStringLiteral("short\u00e6")).ok);
        QCOMPARE(bytesOf(QStringLiteral("Verses/Love.txt")), QByteArray("short\xe6"));
        using Mode = SubjectStore::WriteMode;
        QVERIFY(store.willWrite(QStringLiteral("Love"), Mode::ExistingOnly));
        QCOMPARE(store.existingName(QStringLiteral("lOVE")), QStringLiteral("Love"));
        QVERIFY(!store.willWrite(QStringLiteral("Hope"), Mode::ExistingOnly));
        QVERIFY(store.willWrite(QStringLiteral("Hope"), Mode::Create));
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
            QVERIFY(QFile::link(dir->filePath(linkTo), folder() + QStringLiteral("/Pw.txt")));
        SubjectStore store(files, folder());
        QVERIFY(store.subjectNames().isEmpty());
        QVERIFY(!store.exists(subject));
        QCOMPARE(store.load(subject).status, SubjectStore::Loaded::Missing);
        QVERIFY(!store.write(subject, QStringLiteral("lost")).ok);
        QVERIFY(!store.remove(subject).ok);
        QCOMPARE(bytesOf(QStringLiteral("outside.txt")), QByteArray("keep"));
        QCOMPARE(bytesOf(QStringLiteral("Verses/Sub.txt/inner.txt")), QByteArray("keep"));
        QVERIFY(!QFileInfo::exists(dir->filePath(QStringLiteral("gone.txt"))));
    }

    // A save cut short can leave its temporary file beside the subject's file: it is never a
    // subject, and it is removed only when it is surely one, left beside an existing subject.
    void leftoverSavesAreNoSubjects_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("listed"); // besides Love
        QTest::addColumn<bool>("removed");
        const auto row = [](const char* n, const char* name, const char* kind, const char* listed,
                            bool removed) {
            QTest::newRow(n) << name << kind << listed << removed;
        };
        row("nominal: beside an existing subject", "Love.txt.MHdXad", "file", "", true);
        row("nominal: digits of older temporary names", "Love.txt.a1B2c3", "file", "", true);
        row("robustness: beside no subject is kept", "Hope.txt.MHdXad", "file", "", false);
        row("robustness: seven characters is the user's", "Love.txt.MHdXadx", "file",
            "Love.MHdXadx", false);
        row("robustness: other characters are the user's", "Love.txt.v-1_2x", "file", "Love.v-1_2x",
            false);
        row("robustness: a folder is kept", "Love.txt.MHdXad", "folder", "", false);
        row("robustness: a link is kept", "Love.txt.MHdXad", "link", "", false);
    }
    void leftoverSavesAreNoSubjects() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, listed);
        put(QStringLiteral("Verses/Love.txt"), "Love");
        const QString path = folder() + QLatin1Char('/') + name;
        if (kind == "file")
            put(QStringLiteral("Verses/") + name, "partial");
        else if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else
            QVERIFY(QFile::link(folder() + QStringLiteral("/Love.txt"), path));
        SubjectStore store(files, folder());
        const QStringList expected =
            listed.isEmpty() ? QStringList{"Love"} : QStringList{"Love", listed};
        QCOMPARE(store.subjectNames(), expected);
        store.removeLeftoverSaves();
        QTEST(!QFileInfo(path).exists() && !QFileInfo(path).isSymLink(), "removed");
        QCOMPARE(bytesOf(QStringLiteral("Verses/Love.txt")), QByteArray("Love"));
    }

    void cleansANewSubjectsName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cleaned");
        for (const auto& [name, typed, cleaned] :
             {std::array<const char*, 3>{"nominal: spaces and question mark", "My Hope?", "MyHope"},
              {"nominal: every removed character", " a\\b.c/d:e<f>g?h|i ", "abcdefghi"},
              {"robustness: path", "../Verses/Love", "VersesLove"},
              {"robustness: nothing left", "???", ""},
              {"robustness: tabs and other characters stay", "a\tb*", "a\tb*"}})
            QTest::newRow(name) << QString(typed) << QString(cleaned);
    }
    void cleansANewSubjectsName() {
        QFETCH(QString, typed);
        QTEST(SubjectStore::cleanedName(typed), "cleaned");
    }

    void initTestCase() {
        const QString verses = m_dir.filePath(QStringLiteral("Verses"));
        QVERIFY(QDir().mkpath(verses));
        for (const char* name : {"/Love.txt", "/Faith.txt"})
            QVERIFY(testfiles::put(verses + QLatin1String(name), {}));
        m_store = std::make_unique<SubjectStore>(files, verses);
    }

    void leavingTheSubjectBox_data() {
        QTest::addColumn<QString>("typed"); // trimmed
        QTest::addColumn<bool>("edited");
        QTest::addColumn<BoxLeft>("expected");
        const auto row = [](const char* name, const char* typed, bool edited, BoxLeft expected) {
            QTest::newRow(name) << QString::fromLatin1(typed) << edited << expected;
        };
        row("nominal: a new name creates it", "Hope", true, {BoxLeft::Write, "Hope"});
        row("nominal: a name with removed characters", "My Hope?", true,
            {BoxLeft::Write, "MyHope"});
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
        row("robustness: empty", "", true, {});
        row("robustness: the placeholder", "Select Subject", true, {});
        row("robustness: nothing left after cleaning", "?|?", true, {});
    }
    void leavingTheSubjectBox() {
        QFETCH(QString, typed);
        QFETCH(bool, edited);
        loveShown(edited);
        QTEST(m_editing->leaveSubjectBox(typed), "expected");
    }

    // The list is saved only to the subject the box names, when that is the subject it holds.
    void whereTheListIsSaved_data() {
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<QString>("target"); // empty: saved nowhere
        for (const auto& [name, box, target] :
             {std::array<const char*, 3>{"nominal: the shown subject", "Love", "Love"},
              {"robustness: another letter case", "love", "Love"},
              {"robustness: another subject typed", "Faith", ""},
              {"robustness: emptied box", "", ""},
              {"robustness: no such subject", "???", ""}})
            QTest::newRow(name) << box << target;
    }
    void whereTheListIsSaved() {
        QFETCH(QString, boxText);
        loveShown(true);
        QTEST(m_editing->saveTarget(boxText).value_or(QString()), "target");
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
        SubjectEditing editing(*m_store);
        editing.subjectBoxGotFocus(remembered);
        if (edited)
            editing.subjectBoxChanged();
        QTEST(editing.subjectToDelete(boxText).value_or(QString()), "offered");
    }

    // What the list holds beyond its file decides the closing save: a later edit, or a save
    // that failed; looking at the list, or a lookup after loading, does not.
    void unsavedText() {
        loveShown(false);
        QVERIFY(!m_editing->saveOnClosing(QStringLiteral("Love text")));
        m_editing->listGotFocus();
        m_editing->listChanged();
        QVERIFY(m_editing->saveOnClosing(QStringLiteral("Love text!")));
        QVERIFY(m_editing->leaveList());
        QVERIFY(!m_editing->leaveList());
        QVERIFY(m_editing->hasUnsavedText(QStringLiteral("Love text!")));
        m_editing->subjectSaved(QStringLiteral("Love text!"));
        QVERIFY(!m_editing->saveOnClosing(QStringLiteral("Love text!")));
        m_editing->listChanged();
        m_editing->verseLookedUp();
        QVERIFY(!m_editing->subjectEdited());
    }

    void printLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        const auto row = [](const char* name, const QString& text, const QStringList& lines) {
            QTest::newRow(name) << text << lines;
        };
        const QString lazy = QStringLiteral("The quick brown fox jumps over the lazy"); // 39
        const QString x34 = repeated('x', 34), y29 = repeated('y', 29), c50 = repeated('c', 50);
        row("robustness: an empty text prints nothing", QString(), {});
        row("nominal: 39 characters print as one line", lazy, {lazy});
        row("nominal: a space as the 40th character ends the line", lazy + " dog", {lazy, "dog"});
        row("nominal: exactly 40 characters ending in a space", lazy + " ", {lazy, ""});
        // Characters 36 to 44 form one word: five of them are counted on the second line, so
        // it is full after 29 more letters and a space.
        row("nominal: a word across the 40th character is carried with its count",
            x34 + " beginning " + y29 + " zz", {x34, "beginning " + y29, "zz"});
        row("nominal: a word longer than 40 is never split", repeated('a', 45),
            {"", repeated('a', 45)});
        row("nominal: an overlong word is printed with the words after it", "ab " + c50 + " de",
            {"ab", "", c50 + " de"});
        row("nominal: a word over two widths leaves two empty lines", repeated('c', 85),
            {"", "", repeated('c', 85)});
        row("nominal: the last line keeps its spaces", " a  ", {" a  "});
        row("nominal: a cut line is trimmed, the last line is not",
            "  " + repeated('w', 36) + "   tail", {repeated('w', 36), " tail"});
        row("nominal: a text ending in a line break ends with an empty line", "Love\r\n",
            {"Love", ""});
        row("nominal: a full line just before a line break", lazy + " \r\nend", {lazy, "", "end"});
        row("robustness: bare line feeds and carriage returns break lines too", "a\nb\rc",
            {"a", "b", "c"});
    }

    void printLines() {
        QFETCH(QString, text);
        QTEST(subjectPrintLines(text), "lines");
    }
};

QTEST_GUILESS_MAIN(TestSubjects)
#include "tst_subjects.moc"
