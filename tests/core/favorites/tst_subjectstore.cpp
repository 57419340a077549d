#include "favorites/subjectstore.h"
#include "storage/filesystem.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <array>

// The Verses folder: which files are subjects, their exact text, and nothing reached outside it.
class TestSubjectStore : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    FileSystem files;

    QString folder() const { return dir->filePath(QStringLiteral("Verses")); }
    void put(const QString& path, const QByteArray& bytes) {
        QVERIFY(testfiles::put(dir->filePath(path), bytes));
    }
    QByteArray bytesOf(const QString& path) const {
        return testfiles::bytesOf(dir->filePath(path));
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
};

QTEST_GUILESS_MAIN(TestSubjectStore)
#include "tst_subjectstore.moc"
