#include "favorites/subjectstore.h"
#include "storage/filesystem.h"
#include "support/testfiles.h"
#include "text/codepage.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <pwd.h>
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
std::pair<uid_t, gid_t> plainUser() {
    const passwd* nobody = geteuid() == 0 ? getpwnam("nobody") : nullptr;
    return nobody ? std::pair(nobody->pw_uid, nobody->pw_gid) : std::pair(geteuid(), getegid());
}

// Two texts of different sizes, both holding characters stored as single high bytes.
const QString kOldText = QStringLiteral("Old \u00E6\u2014\u20AC verse\r\n").repeated(200);
const QString kNewText =
    QStringLiteral("New caf\u00E9 \u2018text\u2019 of the subject\r\n").repeated(1000);

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
    QByteArray bytesOf(const QString& name) const { return testfiles::bytesOf(path(name)); }

private slots:
    // What a text is stored as and read back as: one byte a character in the code page, and
    // UTF-8 behind a byte-order mark only when the code page cannot hold the text.
    void storedBytes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        const auto row = [](const char* name, const QString& text, const QByteArray& bytes) {
            QTest::newRow(name) << text << bytes;
        };
        row("nominal: empty text", QString(), QByteArray());
        row("nominal: every kind of line break kept", "\r\n\n\r\r\na\n\r", "\r\n\n\r\r\na\n\r");
        row("nominal: edge bytes of the code page", "\u007F\u20AC\u201A\u0178\u00A0\u00FF",
            "\x7F\x80\x82\x9F\xA0\xFF");
        row("robustness: bytes the code page leaves undefined", "\u0081\u008D\u008F\u0090\u009D",
            "\x81\x8D\x8F\x90\x9D");
        row("robustness: U+0080 has no byte of its own", "\u0080", "\xEF\xBB\xBF\xC2\x80");
        row("robustness: a character outside the code page", "Grace \u03C7 \u00E6",
            "\xEF\xBB\xBFGrace \xCF\x87 \xC3\xA6");
        row("robustness: begins with the characters of a mark", "\u00EF\u00BB\u00BFx",
            "\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBFx");
    }
    void storedBytes() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(FileSystem::encode(text), bytes);
        QVERIFY(m_files.writeAll(path("w.txt"), text).ok);
        QCOMPARE(bytesOf("w.txt"), bytes);
        QCOMPARE(m_files.readAll(path("w.txt")).text, text);
    }

    // Where a text is read as the code page, each character without a byte becomes one "?",
    // a character of two UTF-16 units included, and nothing after it is lost.
    void replacingMarksEachCharacterOnce() {
        QCOMPARE(codepage::encodeWindows1252Replacing(u"\U0001F54A \xD83Dx\u00E6"), "? ?x\xE6");
    }

    // A read-only file of the user's is saved all the same: it is made writable for its owner,
    // and keeps its mode when the save fails anyway.
    void readOnlyFileIsSavedForItsOwner_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<int>("fileMode");
        QTest::newRow("nominal: read-only file is saved") << "new" << 0755 << true << 0644;
        QTest::newRow("robustness: read-only folder keeps the file and its mode")
            << "new" << 0555 << false << 0444;
        QTest::newRow("robustness: equal bytes in a read-only folder write nothing")
            << "old" << 0555 << true << 0444;
    }
    void readOnlyFileIsSavedForItsOwner() {
        QFETCH(QString, text);
        QFETCH(int, folderMode);
        QTemporaryDir home;
        const QString file = home.filePath("f.txt");
        QVERIFY(FileSystem().writeAll(file, QStringLiteral("old")).ok);
        const auto [uid, gid] = plainUser();
        QCOMPARE(chown(QFile::encodeName(home.path()).constData(), uid, gid), 0);
        QCOMPARE(chown(QFile::encodeName(file).constData(), uid, gid), 0);
        QCOMPARE(chmod(QFile::encodeName(file).constData(), 0444), 0);
        QCOMPARE(chmod(QFile::encodeName(home.path()).constData(), mode_t(folderMode)), 0);
        const int code = exitCodeInChild([&, uid = uid, gid = gid] {
            if (setgid(gid) != 0 || setuid(uid) != 0)
                return 2;
            return int(!FileSystem().writeAll(file, text).ok);
        });
        chmod(QFile::encodeName(home.path()).constData(), 0755);
        QFETCH(bool, saved);
        QCOMPARE(code, saved ? 0 : 1);
        QCOMPARE(testfiles::bytesOf(file), saved ? text.toLatin1() : "old");
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
            // The device's own reason is what is reported, not a made-up one.
            const FileSystem::Result result = FileSystem().writeAll(file, text);
            return result.ok ? 0 : result.error.contains(QStringLiteral("large")) ? 1 : 3;
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
        QVERIFY(testfiles::put(path("target.txt"), "keep"));
        const QString link = path("link-" + target);
        QVERIFY(QFile::link(path(target), link));
        QVERIFY(!m_files.writeAll(link, QStringLiteral("lost")).ok);
        QCOMPARE(bytesOf("target.txt"), QByteArray("keep"));
        QVERIFY(!QFile::exists(path("gone.txt")));
        QVERIFY(QFileInfo(link).isSymLink());
    }

    void failuresAreReturnedNotHidden() {
        const QString nowhere = path("no-such-folder/file.txt");
        const FileSystem::Result write = m_files.writeAll(nowhere, QStringLiteral("x"));
        QVERIFY(!write.ok && !write.error.isEmpty());
        QVERIFY(!m_files.readAll(nowhere).ok && !m_files.readBytes(nowhere).ok);
        QVERIFY(!m_files.remove(nowhere).ok);
    }

    // A save killed at any moment leaves the subject's file with the old text or the new one,
    // byte for byte, and the subjects listed are the one subject; the clearing at start-up then
    // removes every temporary file the kills left.
    void killedSaveLeavesOldOrNewTextWhole() {
        const QString folder = path("Killed");
        QVERIFY(QDir().mkpath(folder));
        SubjectStore store(m_files, folder);
        QVERIFY(store.write(QStringLiteral("Love"), kOldText).ok);
        const QByteArray oldBytes = FileSystem::encode(kOldText);
        const QByteArray newBytes = FileSystem::encode(kNewText);
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        for (int kill = 1; kill <= 500; ++kill) {
            // A copy of this process saves through the program's own save path, the new text and
            // the old in turn, until killed; it exits by itself only when a save fails.
            const pid_t saver = fork();
            if (saver == 0)
                for (int turn = 0;; turn = 1 - turn)
                    if (!store.write(QStringLiteral("Love"), turn ? kOldText : kNewText).ok)
                        _exit(1);
            QVERIFY(saver > 0);
            usleep(random.bounded(2001));
            ::kill(saver, SIGKILL);
            int status = 0;
            QCOMPARE(waitpid(saver, &status, 0), saver);
            QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
                     "the saver stopped by itself: a save failed");
            const QByteArray now = bytesOf("Killed/Love.txt");
            QVERIFY2(now == oldBytes || now == newBytes,
                     qPrintable(QStringLiteral("kill %1 of seed %2").arg(kill).arg(seed)));
            QCOMPARE(store.subjectNames(), QStringList{"Love"});
        }
        store.removeLeftoverSaves();
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{"Love.txt"});
    }
};

QTEST_GUILESS_MAIN(TestFileSystem)
#include "tst_filesystem.moc"
