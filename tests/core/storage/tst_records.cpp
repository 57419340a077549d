#include "bookmark/bookmarkfile.h"
#include "bookmark/bookmarkrecord.h"
#include "settings/settingsfile.h"
#include "storage/storage.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

#include <limits>

// BkMrk.dat and the settings file: what start-up makes of every line they may hold, and what is
// saved.
class TestRecords : public QObject {
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
