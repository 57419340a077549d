#include "favorites/subjectstore.h"
#include "savertexts.h"
#include "storage/filesystem.h"
#include "text/codepage.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <pwd.h>
#include <random>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs the work in a child process; its exit code, or -1 when it did not exit by itself.
int exitCodeInChild(const std::function<int()>& work) {
    const pid_t child = fork();
    if (child == 0)
        _exit(work());
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// Permission bits do not bind root: a child meant to meet them runs as nobody then.
struct PlainUser {
    uid_t uid = geteuid();
    gid_t gid = getegid();
};
PlainUser plainUser() {
    const passwd* nobody = geteuid() == 0 ? getpwnam("nobody") : nullptr;
    return nobody ? PlainUser{nobody->pw_uid, nobody->pw_gid} : PlainUser{};
}
bool becomePlainUser() {
    const PlainUser user = plainUser();
    return geteuid() != 0 || (setgid(user.gid) == 0 && setuid(user.uid) == 0);
}

// The subject saver, loaded once: it starts a fresh saving process on request and tells how
// that process ended.
class SaverLauncher {
public:
    SaverLauncher(const QString& folder, const QString& subject) {
        QByteArray program(VELLUMARK_SUBJECT_SAVER);
        QByteArray folderArgument = QFile::encodeName(folder);
        QByteArray subjectArgument = QFile::encodeName(subject);
        char* arguments[] = {program.data(), folderArgument.data(), subjectArgument.data(),
                             nullptr};
        int requests[2];
        int reports[2];
        if (pipe(requests) != 0 || pipe(reports) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, requests[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, reports[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, requests[1]);
        posix_spawn_file_actions_addclose(&actions, reports[0]);
        const int spawned =
            posix_spawn(&m_launcher, program.constData(), &actions, nullptr, arguments, environ);
        if (spawned != 0)
            m_launcher = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(requests[0]);
        close(reports[1]);
        m_requests = requests[1];
        m_reports = reports[0];
    }
    ~SaverLauncher() {
        close(m_requests); // the launcher ends when no more requests can come
        close(m_reports);
        if (m_launcher > 0)
            waitpid(m_launcher, nullptr, 0);
    }

    // A fresh saving process, once it is about to save; -1 when none could be started.
    pid_t startSaving() {
        pid_t saver = -1;
        if (write(m_requests, "s", 1) != 1 || !readAll(&saver, sizeof saver))
            return -1;
        return saver;
    }
    // How the last saving process ended, as a wait status.
    int endOfSaving() {
        int status = -1;
        return readAll(&status, sizeof status) ? status : -1;
    }

private:
    bool readAll(void* into, std::size_t size) {
        return read(m_reports, into, size) == ssize_t(size);
    }

    pid_t m_launcher = -1;
    int m_requests = -1;
    int m_reports = -1;
};

mode_t modeOf(const QString& path) {
    struct stat status {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

} // namespace

class TestFileSystem : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    FileSystem m_files;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QByteArray bytesOf(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void putBytes(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void everyHighByteSurvivesReadAndWrite() {
        QByteArray all;
        for (int b = 0x80; b <= 0xFF; ++b)
            all.append(char(b));
        putBytes("high.txt", all);
        const FileSystem::ReadResult read = m_files.readAll(path("high.txt"));
        QVERIFY(read.ok);
        QCOMPARE(read.text.size(), all.size());
        QCOMPARE(read.text.at(0x80 - 0x80), QChar(0x20AC)); // euro sign
        QCOMPARE(read.text.at(0xE6 - 0x80), QChar(0x00E6)); // ae
        QCOMPARE(read.text.at(0x97 - 0x80), QChar(0x2014)); // em dash
        QVERIFY(m_files.writeAll(path("copy.txt"), read.text).ok);
        QCOMPARE(bytesOf("copy.txt"), all);
    }

    void textOutsideWindows1252FallsBackToUtf8WithMark() {
        const QString text = QStringLiteral("Grace \u03C7\u03AC\u03C1\u03B9\u03C2 and \u00E6");
        QVERIFY(m_files.writeAll(path("greek.txt"), text).ok);
        QVERIFY(bytesOf("greek.txt").startsWith("\xEF\xBB\xBF"));
        QCOMPARE(m_files.readAll(path("greek.txt")).text, text);
        QVERIFY(!bytesOf("greek.txt").contains('?'));
        QVERIFY(codepage::fitsWindows1252(QStringLiteral("\u00C6\u2014\u20AC")));
        QVERIFY(!codepage::fitsWindows1252(text));
    }

    void writesTheCharactersExactly_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("nominal: no break at the end") << QStringLiteral("Love");
        QTest::newRow("nominal: CR LF kept") << QStringLiteral("a\r\n\r\nb");
        QTest::newRow("nominal: lone LF kept") << QStringLiteral("a\nb\n");
        QTest::newRow("nominal: lone CR kept") << QStringLiteral("a\rb\r");
        QTest::newRow("robustness: every kind of break mixed")
            << QStringLiteral("\r\n\n\r\r\na\n\r");
        QTest::newRow("nominal: empty text") << QString();
    }
    void writesTheCharactersExactly() {
        QFETCH(QString, text);
        QVERIFY(m_files.writeAll(path("w.txt"), text).ok);
        QCOMPARE(bytesOf("w.txt"), text.toLatin1());
    }

    // A read-only file of the user's is saved all the same: it is made writable for its owner,
    // and keeps its mode when the save fails anyway.
    void readOnlyFileIsSavedForItsOwner_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("fileMode");
        QTest::newRow("nominal: read-only file is saved")
            << QStringLiteral("new") << 0755 << true << QByteArray("new") << 0644;
        QTest::newRow("robustness: read-only folder keeps the file and its mode")
            << QStringLiteral("new") << 0555 << false << QByteArray("old") << 0444;
        QTest::newRow("robustness: equal bytes in a read-only folder write nothing")
            << QStringLiteral("old") << 0555 << true << QByteArray("old") << 0444;
    }
    void readOnlyFileIsSavedForItsOwner() {
        QFETCH(QString, text);
        QFETCH(int, folderMode);
        QTemporaryDir home;
        const QString file = home.filePath("f.txt");
        QVERIFY(FileSystem().writeAll(file, QStringLiteral("old")).ok);
        const PlainUser user = plainUser();
        QCOMPARE(chown(QFile::encodeName(home.path()).constData(), user.uid, user.gid), 0);
        QCOMPARE(chown(QFile::encodeName(file).constData(), user.uid, user.gid), 0);
        QCOMPARE(chmod(QFile::encodeName(file).constData(), 0444), 0);
        QCOMPARE(chmod(QFile::encodeName(home.path()).constData(), mode_t(folderMode)), 0);
        const int code = exitCodeInChild(
            [&] { return becomePlainUser() ? int(!FileSystem().writeAll(file, text).ok) : 2; });
        chmod(QFile::encodeName(home.path()).constData(), 0755);
        QFETCH(bool, saved);
        QCOMPARE(code, saved ? 0 : 1);
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QTEST(written.readAll(), "bytes");
        QTEST(int(modeOf(file)), "fileMode");
    }

    // A full disk fails a write at any size, also one that still fits the device's buffer and
    // so only fails when flushed: the old file stays whole and no temporary file is left.
    void fullDiskKeepsTheOldFile_data() {
        QTest::addColumn<int>("room");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("saved");
        QTest::newRow("nominal: room enough") << 1 << 1000 << true;
        QTest::newRow("robustness: no room for a short save") << 0 << 100 << false;
        QTest::newRow("robustness: room for the start of a short save") << 4096 << 10240 << false;
        QTest::newRow("robustness: room for the start of a long save") << 4096 << 40960 << false;
    }
    void fullDiskKeepsTheOldFile() {
        QFETCH(int, room);
        QFETCH(int, size);
        QFETCH(bool, saved);
        QDir(m_dir.path()).mkdir("full");
        const QString file = path("full/f.txt");
        const QString old = QStringLiteral("old text \u00E6");
        QVERIFY(m_files.writeAll(file, old).ok);
        const QString text(size, QLatin1Char('n'));
        const int code = exitCodeInChild([&] {
            // A write past the file size limit fails with EFBIG, as one on a full disk does.
            const rlim_t limit = room == 1 ? RLIM_INFINITY : rlim_t(room);
            const rlimit fileSize{limit, limit};
            signal(SIGXFSZ, SIG_IGN);
            if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
                return 2;
            return int(!FileSystem().writeAll(file, text).ok);
        });
        QCOMPARE(code, saved ? 0 : 1);
        QCOMPARE(bytesOf("full/f.txt"), FileSystem::encode(saved ? text : old));
        QCOMPARE(QDir(path("full")).entryList(QDir::Files | QDir::Hidden), QStringList{"f.txt"});
    }

    void neverWritesThroughALink_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("robustness: link to a file") << "target.txt";
        QTest::newRow("robustness: dangling link") << "gone.txt";
    }
    void neverWritesThroughALink() {
        QFETCH(QString, target);
        putBytes("target.txt", "keep");
        const QString link = path("link-" + target);
        QVERIFY(QFile::link(path(target), link));
        QVERIFY(!m_files.writeAll(link, QStringLiteral("lost")).ok);
        QCOMPARE(bytesOf("target.txt"), QByteArray("keep"));
        QVERIFY(!QFile::exists(path("gone.txt")));
        QVERIFY(QFileInfo(link).isSymLink());
    }

    void readsLinesWithEitherLineEnd_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("nominal: CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("nominal: last line without break")
            << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("robustness: bare LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("nominal: empty lines kept")
            << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("robustness: empty file") << QByteArray() << QStringList{};
        QTest::newRow("robustness: UTF-8 mark")
            << QByteArray("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9\r\n") << QStringList{"\u00E9t\u00E9"};
    }
    void readsLinesWithEitherLineEnd() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        putBytes("r.txt", bytes);
        QStringList read;
        QVERIFY(m_files.readLines(path("r.txt"), read).ok);
        QCOMPARE(read, lines);
    }

    void failuresAreReturnedNotHidden() {
        const QString nowhere = path("no-such-folder/file.txt");
        const FileSystem::Result write = m_files.writeAll(nowhere, QStringLiteral("x"));
        QVERIFY(!write.ok);
        QVERIFY(!write.error.isEmpty());
        QVERIFY(!m_files.readAll(nowhere).ok);
        QVERIFY(!m_files.remove(nowhere).ok);
    }

    void foldersAndExistence() {
        const QString folder = path("Verses");
        QVERIFY(!m_files.folderExists(folder));
        QVERIFY(m_files.createFolder(folder + "/"));
        QVERIFY(m_files.folderExists(folder));
        QVERIFY(!m_files.fileExists(folder)); // a folder is not a file
        putBytes("Verses/Love.txt", "Love");
        QVERIFY(QDir().mkdir(folder + "/sub"));
        QCOMPARE(m_files.fileNames(folder), QStringList{"Love.txt"}); // subfolders not listed
        QVERIFY(m_files.remove(path("Verses/Love.txt")).ok);
        QVERIFY(!m_files.fileExists(path("Verses/Love.txt")));
    }

    // A save killed at any moment leaves the subject's file with the old text or the new one,
    // byte for byte, and the subjects listed are the one subject; the clearing at start-up then
    // removes every temporary file the kills left.
    void killedSaveLeavesOldOrNewTextWhole() {
        const QString folder = path("Killed");
        QVERIFY(QDir().mkpath(folder));
        SubjectStore store(m_files, folder);
        QVERIFY(store.write(QStringLiteral("Love"), savertexts::oldText()).ok);
        const QByteArray oldBytes = FileSystem::encode(savertexts::oldText());
        const QByteArray newBytes = FileSystem::encode(savertexts::newText());
        const quint32 seed = QRandomGenerator::global()->generate();
        std::mt19937 random(seed);
        std::uniform_int_distribution<useconds_t> delay(0, 2000);
        SaverLauncher launcher(folder, QStringLiteral("Love"));
        for (int kill = 1; kill <= 500; ++kill) {
            const pid_t saver = launcher.startSaving();
            QVERIFY(saver > 0);
            usleep(delay(random));
            ::kill(saver, SIGKILL);
            const int status = launcher.endOfSaving();
            QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
                     "the saver stopped by itself: a save failed");
            const QByteArray now = bytesOf("Killed/Love.txt");
            QVERIFY2(now == oldBytes || now == newBytes,
                     qPrintable(QString("kill %1 of seed %2 left %3 bytes")
                                    .arg(kill)
                                    .arg(seed)
                                    .arg(now.size())));
            QCOMPARE(store.subjectNames(), QStringList{"Love"});
        }
        store.removeLeftoverSaves();
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{"Love.txt"});
    }
};

QTEST_GUILESS_MAIN(TestFileSystem)
#include "tst_filesystem.moc"
