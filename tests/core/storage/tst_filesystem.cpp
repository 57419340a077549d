#include "favorites/subjectfiles.h"
#include "prefs/preferencesfile.h"
#include "scripture/scripturetext.h"
#include "storage/filesystem.h"
#include "storage/storage.h"
#include "storage/storedtext.h"
#include "support/testfiles.h"
#include "text/codepage.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
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

// Two texts of different sizes, both holding characters stored as single high bytes.
const QString kOldText = QStringLiteral("Old \u00E6\u2014\u20AC verse\r\n").repeated(200);
const QString kNewText =
    QStringLiteral("New caf\u00E9 \u2018text\u2019 of the subject\r\n").repeated(1000);

// The calls that make a save survive a power cut, noted as they are made while this is set:
// this program's own definitions of them come before the system library's.
QStringList* durabilityCalls = nullptr;
int noteSync(int fd, long call) {
    const QString file = QFile::symLinkTarget(QStringLiteral("/proc/self/fd/%1").arg(fd));
    if (durabilityCalls)
        *durabilityCalls << (QFileInfo(file).isDir() ? "sync folder" : "sync");
    return int(syscall(call, fd));
}

mode_t modeOf(const QString& path) {
    struct stat status {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

} // namespace

extern "C" int fsync(int fd) {
    return noteSync(fd, SYS_fsync);
}
extern "C" int fdatasync(int fd) {
    return noteSync(fd, SYS_fdatasync);
}
int fileSystemSyncs = 0;
extern "C" int syncfs(int fd) {
    ++fileSystemSyncs;
    return int(syscall(SYS_syncfs, fd));
}
extern "C" int rename(const char* from, const char* to) {
    if (durabilityCalls)
        *durabilityCalls << "rename";
    return int(syscall(SYS_renameat, AT_FDCWD, from, AT_FDCWD, to));
}

class TestFileSystem : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    FileSystem m_files;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QByteArray bytesOf(const QString& name) const { return testfiles::bytesOf(path(name)); }

private slots:
    // A text is stored one byte a character in the code page, else as UTF-8 behind a byte-order
    // mark, and read back whole; an edit keeps the file's encoding and every byte it did not touch.
    void storedBytes_data() {
        QTest::addColumn<QByteArray>("before"); // the file as read; none: a new file
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        const auto row = [](const char* name, const QByteArray& before, const QString& text,
                            const QByteArray& bytes) {
            QTest::newRow(name) << before << text << bytes;
        };
        const QByteArray mark = FileSystem::kUtf8ByteOrderMark;
        const QByteArray utf8 = mark + "Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D";
        row("nominal: empty text", {}, QString(), QByteArray());
        row("nominal: every kind of line break kept", {}, "\r\n\n\r\r\na\n\r", "\r\n\n\r\r\na\n\r");
        row("nominal: edge bytes of the code page", {}, "\u007F\u20AC\u201A\u0178\u00A0\u00FF",
            "\x7F\x80\x82\x9F\xA0\xFF");
        row("robustness: bytes the code page leaves undefined", {},
            "\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D");
        row("robustness: U+0080 has no byte of its own", {}, "\u0080", "\xEF\xBB\xBF\xC2\x80");
        row("robustness: a character outside the code page", {}, "Grace \u03C7 \u00E6",
            "\xEF\xBB\xBFGrace \xCF\x87 \xC3\xA6");
        row("robustness: begins with the characters of a mark", {}, "\u00EF\u00BB\u00BFx",
            "\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBFx");
        row("nominal: an edit of Windows-1252 stays so", "caf\xE9", "caf\u00E9!", "caf\xE9!");
        row("nominal: a character the code page lacks makes it UTF-8", "caf\xE9", "caf\u00E9\u03C7",
            mark + "caf\xC3\xA9\xCF\x87");
        row("nominal: an edit of UTF-8 with a mark stays so", utf8,
            "Caf\u00E9 \u201Cquoted\u201D \u2013 na\u00EFve", utf8 + " \xE2\x80\x93 na\xC3\xAFve");
        row("robustness: bytes that are not UTF-8 are kept",
            mark + "\x80\xC3-\xF0\x9F\x95\x8A\xE2\x82", "\uFFFD\uFFFD+\U0001F54A\uFFFD\uFFFD",
            mark + "\x80\xC3+\xF0\x9F\x95\x8A\xE2\x82");
        row("robustness: encoded surrogates, first and last, are not UTF-8",
            mark + "\xED\xA0\x80\xED\xBF\xBF-", "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD+",
            mark + "\xED\xA0\x80\xED\xBF\xBF+");
        row("robustness: an edit within a character of two units", mark + "\xF0\x9F\x95\x8A\xFF",
            "\U0001F54B\uFFFD", mark + "\xF0\x9F\x95\x8B\xFF");
        row("robustness: an edit ending within one", mark + "\xFF\xF0\x9F\x95\x8A",
            "\uFFFD\U0001054A", mark + "\xFF\xF0\x90\x95\x8A");
        row("robustness: an edit after one, the last there is", mark + "\xF4\x8F\xBF\xBF\x61\xFF",
            "\U0010FFFFb\uFFFD", mark + "\xF4\x8F\xBF\xBF\x62\xFF");
        row("robustness: an edit never joins such bytes into a character", mark + "\xE2x\x82\xAC",
            "\uFFFD\uFFFD\uFFFD", mark + "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    }
    void storedBytes() {
        QFETCH(QByteArray, before);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(before.isNull() ? FileSystem::encode(text) : StoredText(before).bytesFor(text),
                 bytes);
        QCOMPARE(StoredText(bytes).bytesFor(text), bytes);
        QVERIFY(m_files.writeBytes(path("w.txt"), bytes).ok);
        QCOMPARE(m_files.readAll(path("w.txt")).text, text);
    }

    // Where a text is read as the code page, each character without a byte becomes one "?",
    // a character of two UTF-16 units included, and nothing after it is lost.
    void replacingMarksEachCharacterOnce() {
        QCOMPARE(codepage::encodeWindows1252(u"\U0001F54A \xD83Dx\u00E6"), "? ?x\xE6");
    }

    // The code page's own table reads every byte as Qt's codec for it does, and has a byte for
    // exactly the characters the codec carries there and back.
    void codePageAgreesWithQtsCodec() {
        QStringDecoder decoder("windows-1252");
        QStringEncoder encoder("windows-1252");
        if (!decoder.isValid() || !encoder.isValid())
            QSKIP("This Qt has no codec for the code page.");
        const QByteArray bytes = codepage::everyByte();
        QCOMPARE(codepage::decodeWindows1252(bytes), decoder.decode(bytes));
        for (char32_t code = 0; code < 0x10000; ++code) {
            const QChar ch(char16_t(code), 0);
            if (ch.isSurrogate())
                continue;
            const QByteArray encoded = encoder.encode(QStringView(&ch, 1));
            const bool carried = decoder.decode(encoded) == QString(ch);
            QCOMPARE(codepage::fitsWindows1252(QStringView(&ch, 1)), carried);
            if (carried)
                QCOMPARE(codepage::encodeWindows1252(QStringView(&ch, 1)), encoded);
        }
    }

    // A save that cannot be done keeps the old file whole, with its mode, and leaves no temporary
    // file, also when a full disk only fails at the flush. A read-only file of the user's is
    // saved, made writable for its owner; so is one in a folder that cannot be opened to sync.
    void aSaveThatFailsKeepsTheOldFile_data() {
        for (const char* column : {"folderMode", "room", "size", "fileMode"}) // room: -1 any
            QTest::addColumn<int>(column);
        QTest::addColumn<bool>("saved");
        const auto row = [](const char* name, int folder, int room, int size, bool saved) {
            QTest::newRow(name) << folder << room << size << (saved && size ? 0600 : 0400) << saved;
        };
        row("nominal: a read-only file is saved", 0755, -1, 3, true);
        row("robustness: a read-only folder", 0555, -1, 3, false);
        row("robustness: a folder that can be written but not listed", 0333, -1, 3, true);
        row("robustness: equal bytes in a read-only folder write nothing", 0555, -1, 0, true);
        row("robustness: no room for a short save", 0755, 0, 100, false);
        row("robustness: room for the start of a short save", 0755, 4096, 10240, false);
        row("robustness: room for the start of a long save", 0755, 4096, 40960, false);
    }
    void aSaveThatFailsKeepsTheOldFile() {
        QFETCH(int, folderMode);
        QFETCH(int, room);
        QFETCH(int, size);
        QFETCH(bool, saved);
        const QTemporaryDir dir;
        const QByteArray home = QFile::encodeName(dir.path()), file = home + "/f.txt";
        QVERIFY(m_files.writeAll(file, "old").ok);
        // Permission bits do not bind root: a child meant to meet them runs as nobody then.
        const passwd* nobody = geteuid() == 0 ? getpwnam("nobody") : nullptr;
        const uid_t uid = nobody ? nobody->pw_uid : geteuid();
        const gid_t gid = nobody ? nobody->pw_gid : getegid();
        QVERIFY(chown(home, uid, gid) == 0 && chown(file, uid, gid) == 0 && chmod(file, 0400) == 0);
        QCOMPARE(chmod(home, mode_t(folderMode)), 0);
        const QString text = size ? QString(size, QLatin1Char('n')) : "old";
        const int code = exitCodeInChild([&] {
            // A write past the file size limit fails with EFBIG, as one on a full disk does.
            const rlimit fileSize{rlim_t(room), rlim_t(room)};
            signal(SIGXFSZ, SIG_IGN);
            if ((room >= 0 && setrlimit(RLIMIT_FSIZE, &fileSize) != 0) || setgid(gid) != 0 ||
                setuid(uid) != 0)
                return 2;
            // The device's own reason is what is reported, not a made-up one.
            const FileSystem::Result result = FileSystem().writeAll(file, text);
            if (result.ok) // a folder that cannot be opened is synced with its file system
                return (folderMode & 0444) || fileSystemSyncs > 0 ? 0 : 4;
            return room < 0 || result.error.contains("large") ? 1 : 3;
        });
        chmod(home, 0755);
        QCOMPARE(code, saved ? 0 : 1);
        QCOMPARE(testfiles::bytesOf(file), saved ? text.toLatin1() : "old");
        QTEST(int(modeOf(file)), "fileMode");
        QCOMPARE(QDir(home).entryList(QDir::Files | QDir::Hidden), QStringList{"f.txt"});
    }

    // Only a plain file is read or written. A pipe, a device or a folder in a file's place
    // cannot be read, and is never waited on; a link is read through but never written through.
    void onlyPlainFilesAreReadOrWritten_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("readable");
        for (const char* kind : {"pipe", "device link", "folder", "dangling link", "missing"})
            QTest::addRow("robustness: %s", kind) << kind << false;
        QTest::newRow("robustness: file link") << "file link" << true;
    }
    void onlyPlainFilesAreReadOrWritten() {
        QFETCH(QString, kind);
        QVERIFY(testfiles::put(path("target.txt"), "keep"));
        const QString file = path(kind);
        if (kind == "pipe")
            QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkdir(file));
        else if (kind.endsWith("link"))
            QVERIFY(QFile::link(kind == "device link" ? "/dev/zero"
                                : kind == "file link" ? path("target.txt")
                                                      : path("gone.txt"),
                                file));
        const int code = exitCodeInChild([&] {
            alarm(10);
            QStringList lines;
            ScriptureText scripture(m_files, file);
            scripture.startLoading();
            return int(m_files.canRead(file).ok + m_files.readBytes(file).ok +
                       m_files.readLines(file, lines, 3).ok + scripture.refresh());
        });
        QTEST(code == 4, "readable");
        QVERIFY(code == 0 || code == 4);
        QVERIFY(!m_files.writeAll(kind == "missing" ? file + "/x" : file, "lost").ok);
        QCOMPARE(bytesOf("target.txt"), QByteArray("keep"));
        QVERIFY(!QFile::exists(path("gone.txt")));
    }

    // A deleted subject goes to the desktop's home trash, made where missing, with a note of
    // where it was and when, under a name the trash does not hold; where there is no such trash,
    // the file stays. Nothing is put in the folder the program started in. ("~": the test's home.)
    void trashIsTheHomeOne_data() {
        for (const char* column : {"dataHome", "home", "before", "trashed"}) // before: a file there
            QTest::addColumn<QString>(column);
        QTest::addColumn<bool>("otherDisk"); // the subject's, if the machine has one
        const auto row = [](const char* name, const char* dataHome, const char* home,
                            const char* before, const char* trashed, bool otherDisk = false) {
            QTest::newRow(name) << dataHome << home << before << trashed << otherDisk;
        };
        const char* note = "share/Trash/info/Love.txt.trashinfo";
        row("nominal: the trash there is", "~/share", "~", "share/Trash/info/Hope.txt.trashinfo",
            "share/Trash/files/Love.txt");
        row("nominal: a fresh account", "", "~", "", ".local/share/Trash/files/Love.txt");
        row("nominal: from another disk", "", "~", "", ".local/share/Trash/files/Love.txt", true);
        row("robustness: a data folder not made yet", "~/new/share", "~", "",
            "new/share/Trash/files/Love.txt");
        row("robustness: a relative data folder", "share", "~", "",
            ".local/share/Trash/files/Love.txt");
        row("robustness: a name the trash holds", "~/share", "~", note,
            "share/Trash/files/Love.2.txt");
        row("robustness: a trashed file without its note", "~/share", "~",
            "share/Trash/files/Love.txt", "share/Trash/files/Love.2.txt");
        row("robustness: no home", "", "", "", "");
        row("robustness: a relative home", "", "home", "", "");
        row("robustness: a file where the trash goes", "~/share", "~", "share/Trash", "");
    }
    void trashIsTheHomeOne() {
        QFETCH(QString, dataHome);
        QFETCH(QString, home);
        QFETCH(QString, before);
        QFETCH(QString, trashed);
        QFETCH(bool, otherDisk);
        const QTemporaryDir dir, disk("/dev/shm/Verses dir-XXXXXX");
        if (otherDisk && !disk.isValid())
            QSKIP("no memory file system at /dev/shm");
        const auto at = [&dir](const QString& name) { return dir.filePath(name); };
        const QString verses = otherDisk ? disk.path() : at("Verses dir");
        const QString love = verses + "/Love.txt", started = at("started here");
        QVERIFY(QDir().mkpath(verses) && QDir().mkpath(started));
        QVERIFY(testfiles::put(love, "Love"));
        if (!before.isEmpty())
            QVERIFY(QDir().mkpath(QFileInfo(at(before)).path()) && testfiles::put(at(before), "x"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.replace('~', dir.path())));
        qputenv("HOME", QFile::encodeName(home.replace('~', dir.path())));
        const QString current = QDir::currentPath();
        QVERIFY(QDir::setCurrent(started));
        const FileSystem::Result trashing = m_files.moveToTrash(love);
        QVERIFY(QDir::setCurrent(current));
        QVERIFY(QDir(started).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QCOMPARE(trashing.ok, !trashed.isEmpty());
        QCOMPARE(testfiles::bytesOf(love), trashed.isEmpty() ? "Love" : "<missing>");
        if (trashed.isEmpty())
            return;
        QCOMPARE(testfiles::bytesOf(at(trashed)), "Love");
        if (!before.contains("/files/"))
            QCOMPARE(modeOf(QFileInfo(at(trashed)).path()), 0700);
        static const QRegularExpression noted(
            "^\\[Trash Info\\]\nPath=(\\S+)\nDeletionDate=\\d{4}-\\d\\d-"
            "\\d\\dT\\d\\d:\\d\\d:\\d\\d\n$");
        const QString noteOf = QString(at(trashed)).replace("/files/", "/info/") + ".trashinfo";
        const QRegularExpressionMatch match = noted.match(testfiles::bytesOf(noteOf));
        QVERIFY2(match.hasMatch(), testfiles::bytesOf(noteOf).constData());
        QCOMPARE(modeOf(noteOf), 0600);
        QCOMPARE(match.captured(1), QString(QFile::encodeName(love).toPercentEncoding("/")));
        QVERIFY(match.captured(1).contains("Verses%20dir"));
        for (const QFileInfo& other : QDir(QFileInfo(noteOf).path()).entryInfoList(QDir::Files))
            QVERIFY2(other.size() > 0, qPrintable(other.fileName())); // no note left unwritten
        for (int time = 0; time < 2; ++time) // the file of a subject with an empty name
            QVERIFY(testfiles::put(verses + "/.txt", "") &&
                    m_files.moveToTrash(verses + "/.txt").ok);
        QVERIFY(QFileInfo::exists(QFileInfo(at(trashed)).path() + "/.txt.2"));
    }

    // A file that opens but cannot be read (here the process's own memory) is no empty file.
    void aReadThatFailsAfterOpeningFails() {
        QStringList lines;
        const QString memory = "/proc/self/mem";
        QVERIFY(!m_files.readBytes(memory).ok && !m_files.readLines(memory, lines, 3).ok);
        // Started without standard input, a file may open as descriptor 0: it reads all the same.
        QVERIFY(testfiles::put(path("zero.txt"), "read"));
        QCOMPARE(exitCodeInChild([&] {
                     ::close(0);
                     return int(m_files.readBytes(path("zero.txt")).bytes == "read");
                 }),
                 1);
    }

    // Pref.dat is read only as far as its three lines, however long the file.
    void readsOnlyTheLinesUsed() {
        const auto bytesRead = [] {
            QFile io("/proc/self/io");
            return io.open(QIODevice::ReadOnly) ? io.readLine().split(' ').value(1).toLongLong()
                                                : -1;
        };
        const QByteArray emptyLines(10 << 20, '\n');
        QVERIFY(testfiles::put(path("Pref.dat"), "Times\r\nBold\r\n12\r\n" + emptyLines));
        Storage storage{ProgramFolder(m_dir.path()), m_files};
        const qint64 before = bytesRead();
        QCOMPARE(prefs::savedRequest(storage)->pointSize, 12.0);
        QVERIFY(bytesRead() - before < FileSystem::kMostLineBytes);
    }

    // A save is durable before it is reported done: the temporary file is synced before the
    // rename, and the folder after it, so that the new name survives a power cut.
    void savesAreSyncedAroundTheRename() {
        QStringList calls;
        durabilityCalls = &calls;
        QVERIFY(m_files.writeAll(path("durable.txt"), "new").ok);
        durabilityCalls = nullptr;
        QCOMPARE(calls, (QStringList{"sync", "rename", "sync folder"}));
        const mode_t mask = umask(0);
        umask(mask);
        QCOMPARE(modeOf(path("durable.txt")), 0666 & ~mask); // a new file, as any other
    }

    // A save killed at any moment leaves the old text or the new one, byte for byte, and one
    // subject listed; the clearing at start-up then removes every temporary file the kills left.
    void killedSaveLeavesOldOrNewTextWhole() {
        const QString folder = path("Killed");
        QVERIFY(QDir().mkpath(folder));
        SubjectFiles store(m_files, folder);
        const QString love = folder + "/Love.txt";
        QVERIFY(m_files.writeAll(love, kOldText).ok);
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
                    if (!m_files.writeAll(love, turn ? kOldText : kNewText).ok)
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
        m_files.removeLeftoverSaves(folder, std::chrono::seconds(0));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{"Love.txt"});
    }
};

QTEST_GUILESS_MAIN(TestFileSystem)
#include "tst_filesystem.moc"
