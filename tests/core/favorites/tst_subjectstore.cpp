#include "favorites/subjectstore.h"
#include "storage/filesystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestSubjectStore : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    FileSystem files;

    QString folder() const { return dir->filePath(QStringLiteral("Verses")); }
    void put(const QString& name, const QByteArray& bytes) {
        QFile file(folder() + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray bytesOf(const QString& name) const {
        QFile file(folder() + QLatin1Char('/') + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("Verses")));
    }

    void listsEveryFileAlphabetically() {
        for (const char* name :
             {"love.txt", "Faith.txt", "readme.dat", "Notes.TXT", "a.txt.txt", ".txt", "Zeal.txt"})
            put(QLatin1String(name), "x");
        QVERIFY(QDir(folder()).mkdir(QStringLiteral("Sub.txt")));
        const SubjectStore store(files, folder());
        QCOMPARE(store.subjectNames(),
                 QStringList({"", "a", "Faith", "love", "Notes.TXT", "readme.dat", "Zeal"}));
    }

    void vanishedFolderListsNothing() {
        put(QStringLiteral("Love.txt"), "Love");
        QVERIFY(QDir(folder()).removeRecursively());
        SubjectStore store(files, folder());
        QVERIFY(store.subjectNames().isEmpty());
        QCOMPARE(store.load(QStringLiteral("Love")).status, SubjectStore::Loaded::Missing);
        QVERIFY(!store.willWrite(QStringLiteral("Love"), SubjectStore::WriteMode::ExistingOnly));
        QVERIFY(!store.write(QStringLiteral("Love"), QStringLiteral("Love")).ok);
    }

    void loadsTheTextExactly_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("nominal: lines with CR LF")
            << QByteArray("Love\r\n\r\n verse\r\nJohn 3:16") << "Love\r\n\r\n verse\r\nJohn 3:16";
        QTest::newRow("robustness: zero-length file") << QByteArray() << "";
        QTest::newRow("robustness: code page text") << QByteArray("caf\xe9") << "caf\u00e9";
    }
    void loadsTheTextExactly() {
        QFETCH(QByteArray, bytes);
        put(QStringLiteral("Love.txt"), bytes);
        const SubjectStore store(files, folder());
        const SubjectStore::Loaded loaded = store.load(QStringLiteral("Love"));
        QCOMPARE(loaded.status, SubjectStore::Loaded::Read);
        QTEST(loaded.text, "text");
    }

    void writesTheTextExactly() {
        put(QStringLiteral("Love.txt"), "old text that is longer");
        SubjectStore store(files, folder());
        const QString text = QStringLiteral("Love\r\n\r\n For God\r\nJohn 3:16");
        QVERIFY(store.write(QStringLiteral("Love"), text).ok);
        QCOMPARE(bytesOf(QStringLiteral("Love.txt")), text.toLatin1());
    }

    void writesOnlyWhereTheModeAllows() {
        put(QStringLiteral("Love.txt"), "Love");
        const SubjectStore store(files, folder());
        using Mode = SubjectStore::WriteMode;
        QVERIFY(store.willWrite(QStringLiteral("Love"), Mode::ExistingOnly));
        QVERIFY(!store.willWrite(QStringLiteral("Hope"), Mode::ExistingOnly));
        QVERIFY(store.willWrite(QStringLiteral("Hope"), Mode::Create));
        QVERIFY(!store.willWrite(QStringLiteral("../Hope"), Mode::Create));
    }

    void neverReachesOutsideTheFolder_data() {
        QTest::addColumn<QString>("subject");
        QTest::newRow("robustness: parent folder") << "../outside";
        QTest::newRow("robustness: backslash") << "..\\outside";
        QTest::newRow("robustness: absolute path") << "/tmp/outside";
        QTest::newRow("robustness: into a subfolder") << "Sub/inner";
    }
    void neverReachesOutsideTheFolder() {
        QFETCH(QString, subject);
        QFile outside(dir->filePath(QStringLiteral("outside.txt")));
        QVERIFY(outside.open(QIODevice::WriteOnly));
        outside.write("keep");
        outside.close();
        QVERIFY(QDir(folder()).mkdir(QStringLiteral("Sub")));
        put(QStringLiteral("Sub/inner.txt"), "keep");
        SubjectStore store(files, folder());
        QVERIFY(!store.pathOf(subject));
        QVERIFY(!store.exists(subject));
        QCOMPARE(store.load(subject).status, SubjectStore::Loaded::Missing);
        QVERIFY(!store.write(subject, QStringLiteral("lost")).ok);
        QVERIFY(!store.remove(subject).ok);
        QVERIFY(outside.open(QIODevice::ReadOnly));
        QCOMPARE(outside.readAll(), QByteArray("keep"));
        QCOMPARE(bytesOf(QStringLiteral("Sub/inner.txt")), QByteArray("keep"));
    }

    // A subject is a plain file of the folder: a link there is neither listed, read, written
    // nor deleted, and nothing is written where it points.
    void linksAreNoSubjects_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("robustness: link to a file outside") << "outside.txt";
        QTest::newRow("robustness: dangling link") << "gone.txt";
    }
    void linksAreNoSubjects() {
        QFETCH(QString, target);
        QFile outside(dir->filePath(QStringLiteral("outside.txt")));
        QVERIFY(outside.open(QIODevice::WriteOnly));
        outside.write("keep");
        outside.close();
        put(QStringLiteral("Love.txt"), "Love");
        const QString link = folder() + QStringLiteral("/Pw.txt");
        QVERIFY(QFile::link(dir->filePath(target), link));
        SubjectStore store(files, folder());
        QCOMPARE(store.subjectNames(), QStringList{"Love"});
        QVERIFY(!store.exists(QStringLiteral("Pw")));
        QCOMPARE(store.load(QStringLiteral("Pw")).status, SubjectStore::Loaded::Missing);
        QVERIFY(!store.write(QStringLiteral("Pw"), QStringLiteral("lost")).ok);
        QVERIFY(!store.remove(QStringLiteral("Pw")).ok);
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(outside.open(QIODevice::ReadOnly));
        QCOMPARE(outside.readAll(), QByteArray("keep"));
        QVERIFY(!QFileInfo::exists(dir->filePath(QStringLiteral("gone.txt"))));
    }

    // A save cut short can leave its temporary file beside the subject's file: it is never a
    // subject, and it is removed only when it is surely one, left beside an existing subject.
    void leftoverSavesAreNoSubjects_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<bool>("removed");
        const QStringList love{"Love"};
        QTest::newRow("nominal: beside an existing subject") << "Love.txt.MHdXad"
                                                             << "file" << love << true;
        QTest::newRow("nominal: digits of older temporary names") << "Love.txt.a1B2c3"
                                                                  << "file" << love << true;
        QTest::newRow("robustness: beside no subject is kept") << "Hope.txt.MHdXad"
                                                               << "file" << love << false;
        QTest::newRow("robustness: seven characters is the user's")
            << "Love.txt.MHdXadx"
            << "file" << QStringList{"Love", "Love.MHdXadx"} << false;
        QTest::newRow("robustness: other characters are the user's")
            << "Love.txt.v-1_2x"
            << "file" << QStringList{"Love", "Love.v-1_2x"} << false;
        QTest::newRow("robustness: a folder is kept") << "Love.txt.MHdXad"
                                                      << "folder" << love << false;
        QTest::newRow("robustness: a link is kept") << "Love.txt.MHdXad"
                                                    << "link" << love << false;
    }
    void leftoverSavesAreNoSubjects() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        put(QStringLiteral("Love.txt"), "Love");
        const QString path = folder() + QLatin1Char('/') + name;
        if (kind == "file")
            put(name, "partial");
        else if (kind == "folder")
            QVERIFY(QDir().mkdir(path));
        else
            QVERIFY(QFile::link(folder() + QStringLiteral("/Love.txt"), path));
        SubjectStore store(files, folder());
        QTEST(store.subjectNames(), "listed");
        store.removeLeftoverSaves();
        QTEST(!QFileInfo(path).exists() && !QFileInfo(path).isSymLink(), "removed");
        QCOMPARE(bytesOf(QStringLiteral("Love.txt")), QByteArray("Love"));
    }

    void cleansANewSubjectsName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("nominal: plain name") << "Love"
                                             << "Love";
        QTest::newRow("nominal: spaces and question mark") << "My Hope?"
                                                           << "MyHope";
        QTest::newRow("nominal: every removed character") << " a\\b.c/d:e<f>g?h|i "
                                                          << "abcdefghi";
        QTest::newRow("robustness: path") << "../Verses/Love"
                                          << "VersesLove";
        QTest::newRow("robustness: nothing left") << "???"
                                                  << "";
        QTest::newRow("robustness: tabs and other characters stay") << "a\tb*"
                                                                    << "a\tb*";
    }
    void cleansANewSubjectsName() {
        QFETCH(QString, typed);
        QTEST(SubjectStore::cleanedName(typed), "cleaned");
    }
};

QTEST_GUILESS_MAIN(TestSubjectStore)
#include "tst_subjectstore.moc"
