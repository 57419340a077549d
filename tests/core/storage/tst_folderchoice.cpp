#include "storage/folderchoice.h"

#include <QTest>

// Where the files live, by what start-up finds: /opt/vm/bin is the executable's folder,
// /opt/vm/share/vellumark and /usr/share/vellumark the installed data folders, /home/u/data
// the user's data folder.
class TestFolderChoice : public QObject {
    Q_OBJECT

private slots:
    void chooses_data() {
        QTest::addColumn<QString>("named");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QStringList>("holdingBible");
        QTest::addColumn<QString>("scripture");
        QTest::addColumn<QString>("data");
        const QString bin = QStringLiteral("/opt/vm/bin");
        const QString share = QStringLiteral("/opt/vm/share/vellumark");
        const QString system = QStringLiteral("/usr/share/vellumark");
        const QString user = QStringLiteral("/home/u/data");
        QTest::newRow("nominal: portable, as it always was")
            << "" << true << QStringList{bin} << bin << bin;
        QTest::newRow("nominal: installed beside its share folder")
            << "" << false << QStringList{share, system} << share << user;
        QTest::newRow("nominal: installed in the desktop's data folders")
            << "" << false << QStringList{system} << system << user;
        QTest::newRow("nominal: a writable folder without Bible.dat is no portable copy")
            << "" << true << QStringList{share} << share << user;
        QTest::newRow("robustness: a read-only copy reads its own Bible.dat")
            << "" << false << QStringList{bin, share} << bin << user;
        QTest::newRow("robustness: no Bible.dat anywhere names the last folder looked in")
            << "" << false << QStringList{} << system << user;
        QTest::newRow("nominal: a named folder holds everything, Bible.dat or not")
            << "/tmp/mine" << false << QStringList{share} << "/tmp/mine"
            << "/tmp/mine";
    }
    void chooses() {
        QFETCH(QString, named);
        QFETCH(bool, writable);
        QFETCH(QStringList, holdingBible);
        QFETCH(QString, scripture);
        QFETCH(QString, data);
        FolderFacts facts;
        facts.namedFolder = named;
        facts.executableFolder = QStringLiteral("/opt/vm/bin");
        facts.executableFolderWritable = writable;
        facts.installedFolders = {QStringLiteral("/opt/vm/share/vellumark"),
                                  QStringLiteral("/usr/share/vellumark")};
        facts.userDataFolder = QStringLiteral("/home/u/data");
        const ProgramFolder chosen = chooseFolders(
            facts, [&](const QString& folder) { return holdingBible.contains(folder); });
        QCOMPARE(chosen.scriptureFolder(), scripture);
        QCOMPARE(chosen.dataFolder(), data);
        QCOMPARE(chosen.preferencesPath(), data + QStringLiteral("/Pref.dat"));
    }
};

QTEST_GUILESS_MAIN(TestFolderChoice)
#include "tst_folderchoice.moc"
