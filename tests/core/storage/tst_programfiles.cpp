#include "bookmark/bookmarkfile.h"
#include "bookmark/bookmarkrecord.h"
#include "settings/settingsfile.h"
#include "shell/commandline.h"
#include "shell/helptext.h"
#include "storage/datafolder.h"
#include "storage/folderchoice.h"
#include "storage/storage.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <limits>

// Where the program's files live, the command line naming them, BkMrk.dat and the settings file.
class TestProgramFiles : public QObject {
    Q_OBJECT
private slots:

    // Where they live, by what start-up finds: /opt/vm/bin is the executable's folder,
    // /opt/vm/share/vellumark and /usr/share/vellumark the installed data folders, /home/u/data
    // the user's data folder. Each row also names every folder Bible.dat was looked for in, for
    // the message that it is missing; the help names the folder and files this run keeps.
    void folders_data() {
        QTest::addColumn<QString>("named");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QStringList>("holdingBible");
        QTest::addColumn<QString>("scripture");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QStringList>("searched");
        const QString bin = QStringLiteral("/opt/vm/bin");
        const QString share = QStringLiteral("/opt/vm/share/vellumark");
        const QString system = QStringLiteral("/usr/share/vellumark");
        const QString user = QStringLiteral("/home/u/data");
        QTest::newRow("nominal: portable, as it always was")
            << "" << true << QStringList{bin} << bin << bin << QStringList{bin};
        QTest::newRow("nominal: installed beside its share folder")
            << "" << false << QStringList{share, system} << share << user
            << QStringList{bin, share};
        QTest::newRow("nominal: installed in the desktop's data folders")
            << "" << false << QStringList{system} << system << user
            << QStringList{bin, share, system};
        QTest::newRow("nominal: a writable folder without Bible.dat is no portable copy")
            << "" << true << QStringList{share} << share << user << QStringList{bin, share};
        QTest::newRow("robustness: a read-only copy reads its own Bible.dat")
            << "" << false << QStringList{bin, share} << bin << user << QStringList{bin};
        QTest::newRow("robustness: no Bible.dat anywhere names the last folder looked in")
            << "" << false << QStringList{} << system << user << QStringList{bin, share, system};
        QTest::newRow("nominal: a named folder holds everything, Bible.dat or not")
            << "/tmp/mine" << false << QStringList{share} << "/tmp/mine"
            << "/tmp/mine" << QStringList{"/tmp/mine"};
    }
    void folders() {
        QFETCH(QString, named);
        QFETCH(bool, writable);
        QFETCH(QStringList, holdingBible);
        QFETCH(QString, data);
        QFETCH(QStringList, searched);
        FolderFacts facts;
        facts.namedFolder = named;
        facts.executableFolder = QStringLiteral("/opt/vm/bin");
        facts.executableFolderWritable = writable;
        facts.installedFolders = {QStringLiteral("/opt/vm/share/vellumark"),
                                  QStringLiteral("/usr/share/vellumark")};
        facts.userDataFolder = QStringLiteral("/home/u/data");
        const ProgramFolder chosen = storage::chooseFolders(
            facts, [&](const QString& folder) { return holdingBible.contains(folder); });
        QTEST(chosen.scriptureFolder(), "scripture");
        QCOMPARE(chosen.searchedForBible(), searched);
        const QString told = storage::scriptureMissingText(chosen);
        for (const QString& folder : searched)
            QVERIFY2(told.contains(folder + "\r\n") || told.contains(folder + "/Bible.dat"),
                     qPrintable(told));
        QCOMPARE(told.endsWith("Please reinstall program."), data != chosen.scriptureFolder());
        const QString help = shell::helpText(chosen);
        for (const char* place :
             {"/Verses/ folder", "/ folder to restore", "/Pref.dat", "/BkMrk.dat"})
            QVERIFY2(help.contains(data + place), place);
        QCOMPARE(help.count("\r\n"), 63);
        // Found as the application object finds it, which a command-line search goes without.
        QCOMPARE(FolderFacts::ofThisMachine({}).executableFolder,
                 QCoreApplication::applicationDirPath());
    }

    // Start-up makes the data folder where missing, and tells when it cannot; a save makes no
    // folder, and gives the folder and the system's reason. In a temporary folder (%1), with a
    // file in the way.
    void dataFolder_data() {
        for (const char* column : {"data", "file", "saveError", "startupError"})
            QTest::addColumn<QString>(column);
        const auto row = [](const char* name, const QString& data, const char* file,
                            const QString& saveError, const QString& startupError) {
            QTest::newRow(name) << data << file << saveError << startupError;
        };
        const QString notMade = QStringLiteral("The folder %1/%2 could not be made: %3");
        const QString tooLong(300, 'x');
        row("nominal: made with the folder above it at start-up only", "new/data", "",
            "The folder %1/new/data is not there.", "");
        row("robustness: a file above it", "file/data", "file",
            notMade.arg("%1", "file/data", "Not a directory"),
            notMade.arg("%1", "file/data", "Not a directory"));
        row("robustness: a file in the Verses folder's place", ".", "Verses", "",
            notMade.arg("%1", "Verses", "Not a directory"));
        row("robustness: a name too long", tooLong, "",
            "The folder %1/" + tooLong + " is not there.",
            notMade.arg("%1", tooLong, "File name too long"));
    }
    void dataFolder() {
        QFETCH(QString, data);
        QFETCH(QString, file);
        QTemporaryDir temporary;
        const QString folder = temporary.filePath(data);
        QVERIFY(file.isEmpty() || testfiles::put(temporary.filePath(file), "in the way"));
        QTEST(FileSystem()
                  .writeAll(folder + "/Pref.dat", "Arial")
                  .error.replace(temporary.path(), "%1"),
              "saveError");
        const QString told = storage::startupFolderProblem(ProgramFolder(folder));
        QTEST(told.section("\r\n", 0, 0).replace(temporary.path(), "%1"), "startupError");
        const auto ownerMayAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QCOMPARE(QFileInfo(folder + "/Verses").permission(ownerMayAll), told.isEmpty());
    }

    // The toolkit's own options, with or without their values, are no concern of the program's;
    // a folder named must be there already, a refusal is shown where a window would be seen
    // unless a search was asked for, and a start with no display named says how to get one.
    void commandLine_data() {
        for (const char* column : {"arguments", "display"})
            QTest::addColumn<QStringList>(column); // display: DISPLAY and QT_QPA_PLATFORM
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("named");
        using Decision = shell::CommandLineDecision;
        const auto row = [](const char* name, const QStringList& arguments, int outcome,
                            const QStringList& display = {":1", ""}, QString named = {},
                            int status = 0) {
            if (outcome == Decision::Refuse && status == 0)
                status = shell::kExitRefused;
            const bool shown = outcome == Decision::Refuse && !display[1].startsWith("offscreen") &&
                               display != QStringList{"", ""};
            QTest::newRow(name) << arguments << display << outcome << status << shown << named;
        };
        const QString file = QCoreApplication::applicationFilePath();
        row("nominal: the toolkit's options",
            {"-style", "Fusion", "-platform", "xcb", "-reverse", "--stylesheet=a.qss"},
            Decision::Run);
        row("nominal: -h, no display", {"-h"}, Decision::Answer, {"", ""});
        row("nominal: no display but a platform", {"-platform", "vnc"}, Decision::Run, {"", ""});
        row("robustness: no display", {}, Decision::Refuse, {"", ""}, {}, shell::kExitNoDisplay);
        row("nominal: a folder", {"--folder", "/tmp/../tmp"}, Decision::Run, {":1", ""}, "/tmp");
        row("robustness: --help beside an unknown option", {"--help", "--bogus"}, Decision::Refuse);
        row("robustness: an argument that is no option", {"Fusion"}, Decision::Refuse);
        row("robustness: --folder of an empty name, no display", {"--folder", ""}, Decision::Refuse,
            {"", ""});
        row("robustness: --folder of a missing folder, offscreen", {"--folder", "/tmp/none/x"},
            Decision::Refuse, {":1", "offscreen:fontengine=freetype"});
        row("robustness: --folder of a file, Wayland", {"--folder", file}, Decision::Refuse,
            {"", "wayland"});
        row("nominal: a search needs no display", {"--search", "love", "--in", "Jude", "--count"},
            Decision::Search, {"", ""});
        row("nominal: a search of another text", {"--text", "KJV", "--search", "love"},
            Decision::Search);
        row("nominal: a search of the notes", {"--search", "love", "--notes"}, Decision::Search);
        row("robustness: a search for spaces, no display", {"--search", " \n "}, Decision::Refuse,
            {"", ""});
        // A search's command line is refused on the terminal, with a display or without one.
        const auto terminalRow = [](const char* name, const QStringList& arguments) {
            QTest::newRow(name) << arguments << QStringList{":1", ""} << int(Decision::Refuse)
                                << shell::kExitRefused << false << QString();
        };
        terminalRow("robustness: --search without its query", {"--search"});
        terminalRow("robustness: -search without its query", {"-search"});
        terminalRow("robustness: --search beside an unknown option", {"--bogus", "--search", "x"});
        terminalRow("robustness: --search with a missing folder", {"--folder=/none", "--search=x"});
        terminalRow("robustness: --in without --search", {"-in", "John"});
        terminalRow("robustness: --count without --search", {"--count"});
        terminalRow("robustness: --text without --search", {"--text", "KJV"});
        terminalRow("robustness: --texts with --text", {"--texts", "--text", "KJV"});
        row("robustness: a search option after --", {"--", "--count"}, Decision::Refuse);
        row("nominal: the texts need no display", {"--texts", "--folder", "/tmp"},
            Decision::ListTexts, {"", ""}, "/tmp");
        row("robustness: --texts with a search", {"--texts", "--search", "love"}, Decision::Refuse,
            {"", ""});
        row("nominal: the notes need no display", {"--notes"}, Decision::ListNotes, {"", ""});
        terminalRow("robustness: --notes with --text", {"--notes", "--search", "x", "--text", "K"});
        terminalRow("robustness: --notes with --count alone", {"--notes", "--count"});
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, display);
        const shell::CommandLineDecision decision = shell::decideCommandLine(
            QStringList{"vellumark"} + arguments, {display[0], QString(), display[1]});
        QTEST(int(decision.outcome), "outcome");
        QTEST(decision.exitStatus, "status");
        QTEST(decision.showInWindow, "shown");
        QTEST(decision.namedFolder, "named");
        QCOMPARE(decision.notes, arguments.contains("--notes") &&
                                     decision.outcome == shell::CommandLineDecision::Search);
        const qsizetype textNamed = arguments.indexOf("--text");
        QCOMPARE(decision.textName,
                 decision.outcome == shell::CommandLineDecision::Search && textNamed >= 0
                     ? arguments[textNamed + 1]
                     : QString());
        QCOMPARE(decision.text.isEmpty(),
                 decision.outcome != shell::CommandLineDecision::Answer &&
                     decision.outcome != shell::CommandLineDecision::Refuse);
        QCOMPARE(decision.text.contains("Xvfb"), decision.exitStatus == shell::kExitNoDisplay);
    }

private slots:
    void bookmark_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("caret");
        const auto row = [](const char* name, const QStringList& lines, int caret) {
            QTest::newRow(name) << lines << caret;
        };
        row("nominal: three lines", {"Psalms", "23", "120"}, 120);
        row("nominal: lines after the third are ignored", {"Genesis", "1", "0", "Exodus", "7"}, 0);
        row("nominal: beyond 16 bits", {"Psalms", "119", "40000"}, 40000);
        row("robustness: empty file", {}, 0);
        row("robustness: book only", {"Psalms"}, 0);
        row("robustness: negative", {"Psalms", "23", "-5"}, 0);
        row("robustness: digits then text", {"Psalms", "23", "12a"}, 0);
        row("robustness: surrounding spaces", {"Psalms", "23", " 42 "}, 42);
        row("robustness: past the int range", {"Psalms", "23", "99999999999999999999999"},
            std::numeric_limits<int>::max());
    }
    void bookmark() {
        QFETCH(QStringList, lines);
        const bookmark::Position position = bookmark::parse(lines);
        QCOMPARE(position.book, lines.value(0));
        QCOMPARE(position.chapter, lines.value(1));
        QTEST(position.caretOffset, "caret");
        // Saved and read back through the file, which is nothing to read before it is there.
        QTemporaryDir dir;
        FileSystem files;
        Storage storage{ProgramFolder(dir.path()), files};
        QCOMPARE(bookmark::read(storage).status, RecordFile::Contents::Missing);
        bookmark::writeDefaultIfMissing(storage);
        QCOMPARE(testfiles::bytesOf(dir.filePath("BkMrk.dat")), "Genesis\r\n1\r\n0");
        QVERIFY(bookmark::save(storage, lines.value(0), lines.value(1), 7).ok);
        QCOMPARE(testfiles::bytesOf(dir.filePath("BkMrk.dat")),
                 (lines.value(0) + "\r\n" + lines.value(1) + "\r\n7").toLatin1());
        QCOMPARE(bookmark::parse(bookmark::read(storage).fields).caretOffset, 7);
    }

    // The settings file as stored: what each line gives, and that the values read are written
    // back as they were, keys the program does not know among them.
    void settings_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("number"); // the value as a number, -1 for none
        const auto row = [](const char* name, const char* stored, const char* key, int number) {
            QTest::newRow(name) << QByteArray(stored) << QString(key) << number;
        };
        row("nominal: a group", "[Window]\r\nwidth=800\r\n", "Window/width", 800);
        row("nominal: the general group, LF, spaces", "a = 7\n[B]\nc=1\n", "a", 7);
        row("nominal: a later group", "[A]\r\nx=1\r\n\r\n[B]\r\nx=2\r\n", "B/x", 2);
        row("robustness: no number", "[Window]\r\nwidth=wide\r\n", "Window/width", -1);
        row("robustness: a line with no value", "[Window]\r\nwidth\r\n", "Window/width", -1);
        row("robustness: a comment", "[W]\r\n;x=3\r\n", "W/;x", -1);
        row("robustness: a value ending in a bracket", "[W]\r\nb=]\r\nm=4\r\n", "W/m", 4);
        row("robustness: binary", "\xFF\x00[\x01=\x02\r\n", "Window/width", -1);
    }
    void settings() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, key);
        QTemporaryDir temporary;
        const QString path = temporary.filePath("Vellumark.ini");
        QVERIFY(testfiles::put(path, stored));
        FileSystem files;
        SettingsFile settings(files, path);
        settings.load();
        QTEST(settings.intValue(key, -1), "number");
        const QMap<QString, QString> read = SettingsFile::parse(FileSystem::decode(stored));
        QCOMPARE(SettingsFile::parse(SettingsFile::format(read)), read);
        settings.setValue("Window/width", "640");
        QVERIFY(settings.save().ok);
        settings.load();
        QCOMPARE(settings.intValue("Window/width", 0), 640);
        QCOMPARE(SettingsFile::parse(FileSystem::decode(testfiles::bytesOf(path))).size(),
                 read.size() + !read.contains("Window/width"));
    }
};

QTEST_GUILESS_MAIN(TestProgramFiles)
#include "tst_programfiles.moc"
