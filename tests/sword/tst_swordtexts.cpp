#include "modulefolder.h"
#include "scripture/bookcatalogue.h"
#include "storage/filesystem.h"
#include "support/testfiles.h"
#include "swordlibrary.h"
#include "texts/textshelf.h"
#include "texts/verseline.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <versekey.h>

// Modules rendered through the SWORD library, plain, into the form Bible.dat is read in.
class TestSwordTexts : public QObject {
    Q_OBJECT
    QTemporaryDir m_home; // no ~/.sword: only the modules a test makes are found

private slots:
    void initTestCase() { qputenv("HOME", m_home.path().toUtf8()); }

    void rendering_data() {
        QTest::addColumn<QString>("configuration");
        QTest::addColumn<QStringList>("verses");
        QTest::addColumn<QByteArray>("rendered"); // or why not
        QTest::newRow("nominal: plain verses, one missing, Greek with its accents")
            << ""
            << QStringList{"Gen 1:1=In the beginning.", "Gen 1:3=Let there be light.",
                           "John 1:1=Ἐν ἀρχῇ ἦν ὁ λόγος"}
            << QByteArray("Genesis 1:1  In the beginning.\nGenesis 1:3  Let there be light.\n"
                          "John 1:1  Ἐν ἀρχῇ ἦν ὁ λόγος\n");
        QTest::newRow("nominal: marked up, the primary reading")
            << ""
            << QStringList{"Gen 1:1=<title>Creation</title>In the <w lemma=\"strong:H7225\" "
                           "morph=\"robinson:N\">beginning</w> God <seg type=\"x-variant\" "
                           "subType=\"x-1\">created</seg><seg type=\"x-variant\" "
                           "subType=\"x-2\">made</seg><note type=\"study\">a note</note> "
                           "<transChange type=\"added\">the heaven</transChange>.<note "
                           "type=\"crossReference\"><reference osisRef=\"John.1.1\">John "
                           "1:1</reference></note>"}
            << QByteArray("Genesis 1:1  In the beginning God created the heaven.\n");
        QTest::newRow("nominal: line breaks")
            << "" << QStringList{"Ps 23:1=The LORD<lb/>is my\nshepherd;<l eID=\"x\"/> \r\n"}
            << QByteArray("Psalms 23:1  The LORD is my shepherd;\n");
        QTest::newRow("robustness: a locked module")
            << "CipherKey=" << QStringList{"Gen 1:1=Q29kZQ=="}
            << QByteArray("Test cannot be rendered: it is locked, and its unlock key has not "
                          "been entered.");
    }
    void rendering() {
        QFETCH(QString, configuration);
        QFETCH(QStringList, verses);
        ModuleFolder module("KJV", configuration);
        module.write(verses);
        QTEST(module.rendered(), "rendered");
    }

    // Each book of a versification with the deuterocanon holding its OSIS name: the 66 books in the
    // program's order, each under a name the SWORD library reads as that book's.
    void theSixtySixBooks() {
        ModuleFolder module("KJVA", {});
        QStringList verses;
        sword::VerseKey key;
        key.setVersificationSystem("KJVA");
        for (key.setPosition(sword::TOP); !key.popError(); key.setBook(char(key.getBook() + 1)))
            verses << QString("%1 1:1=%1").arg(key.getOSISBookName());
        module.write(verses);
        QStringList books;
        for (const QString& line : QString(module.rendered()).split('\n', Qt::SkipEmptyParts)) {
            key.setText(line.section("  ", 0, 0).toUtf8());
            QCOMPARE(line.section("  ", 1), QString(key.getOSISBookName()));
            books << line.section(" 1:1  ", 0, 0);
        }
        QCOMPARE(books, scripture::bookList().filter(QRegularExpression("^[^*]")));
        QVERIFY(verses.size() > 66);
    }

    // Rendered once, and again when its text or configuration changes; only its earlier one goes.
    void moduleChanged() {
        ModuleFolder module("KJV", {});
        module.write({"Gen 1:1=First."});
        QCOMPARE(module.rendered(), "Genesis 1:1  First.\n");
        const QString first = module.cached().value(0);
        QVERIFY(testfiles::put(module.cachePath(first), "\xEF\xBB\xBF"
                                                        "as kept\n"));
        QVERIFY(testfiles::put(module.cachePath("Other-0123456789abcdef.txt"), "another's"));
        QCOMPARE(module.rendered(), "as kept\n");
        module.write({"Gen 1:1=Second."});
        QCOMPARE(module.rendered(), "Genesis 1:1  Second.\n");
        const QString second = module.cached().value(1);
        module.describe("Version=2");
        QCOMPARE(module.rendered(), "Genesis 1:1  Second.\n");
        const QStringList cached = module.cached();
        QVERIFY(cached.size() == 2 && cached[0].startsWith("Other-") && !cached.contains(first) &&
                !cached.contains(second));
    }

    // The King James module, as the SWORD library's own diatheke prints its verses.
    void kingJamesAsDiathekeShowsIt() {
        const QString diatheke = QStandardPaths::findExecutable("diatheke");
        if (diatheke.isEmpty() || !QFileInfo::exists("/usr/share/sword/mods.d/engKJV2006eb.conf"))
            QSKIP("needs diatheke and sword-text-kjv");
        qunsetenv("SWORD_PATH");
        QTemporaryDir cache;
        FileSystem files;
        texts::TextShelf shelf(files, {}, cache.path(), [] {
            return texts::OpenedLibrary{std::make_unique<SwordLibrary>(), {}};
        });
        const texts::TextShelf::Resolved kjv = shelf.resolve("kjv");
        const QStringList lines =
            FileSystem::splitLines(FileSystem::decode(testfiles::bytesOf(kjv.path)));
        for (const char* reference : {"Genesis 1:1", "John 3:16", "Revelation 22:21"}) {
            QProcess shown;
            shown.start(diatheke, {"-b", "engKJV2006eb", "-f", "plain", "-k", reference});
            QVERIFY(shown.waitForFinished());
            const QByteArray verse = shown.readAllStandardOutput().split('\n').value(0);
            QCOMPARE(testfiles::verseText(lines, reference),
                     QString::fromUtf8(texts::verseLine(verse.sliced(verse.indexOf(": ") + 2))));
        }
    }
};

QTEST_GUILESS_MAIN(TestSwordTexts)
#include "tst_swordtexts.moc"
