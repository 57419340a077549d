#include "favorites/followedsubject.h"
#include "favorites/subjectfiles.h"
#include "storage/filesystem.h"
#include "study/bookmarklist.h"
#include "study/highlights.h"
#include "study/markstore.h"
#include "study/notelines.h"
#include "study/notelinks.h"
#include "study/notenames.h"
#include "study/notesaving.h"
#include "support/testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using study::MarkFile;

namespace {

scripture::Reference verse(const char* reference) {
    return *MarkFile::verseOf(QString::fromUtf8(reference));
}

} // namespace

// The reader's bookmarks and highlights, a file each that a person may edit too, and the names
// of the notes' files.
class TestMarks : public QObject {
    Q_OBJECT

private slots:
    // Only a line of one verse, a tab and a value is a mark; every other line stays as it is and
    // where it is, and an edit touches only its own line, line breaks as they were.
    void editsKeepEveryOtherLine_data() {
        for (const char* column : {"edit", "before", "after"})
            QTest::addColumn<QString>(column);
        const auto row = [](const char* name, const char* edit, const QString& before,
                            const QString& after) {
            QTest::newRow(name) << QString(edit) << before << after;
        };
        const QString kept =
            "my list\r\nJohn 3:99x\tdamaged\nTobit 1:1\tno book\r\nJn 3:16-17\tx\n";
        const QString added = "John 3:16\tJohn 3:16";
        row("nominal: added to nothing", "add", "", added + "\r\n");
        row("nominal: added after lines of other kinds", "add", kept, kept + added + "\r\n");
        row("robustness: added after a last line without its break, in a file of LFs", "add",
            "John 1:1\ta\nGen 1:1\tb", "John 1:1\ta\nGen 1:1\tb\n" + added + "\n");
        row("nominal: renamed", "rename", "Jhn 1:1\ta\r\nmine", "John 1:1\tnew\r\nmine");
        row("nominal: removed, the last keeping no break", "remove",
            "mine\r\nJohn 1:1\ta\r\nRom 8:28\tb", "mine\r\nRom 8:28\tb");
        row("robustness: the last removed, the line before losing its break", "remove",
            "mine\r\nJohn 1:1\ta", "mine");
        row("nominal: moved down past a line of another kind", "move",
            "John 1:1\ta\r\nmine\nRom 8:28\tb", "Rom 8:28\tb\r\nmine\nJohn 1:1\ta");
    }
    void editsKeepEveryOtherLine() {
        QFETCH(QString, edit);
        QFETCH(QString, before);
        QFETCH(QString, after);
        MarkFile file(before);
        if (edit == "add")
            study::addBookmark(file, verse("John 3:16"), " ");
        if (edit == "rename")
            study::renameBookmark(file, 0, "new");
        if (edit == "remove")
            file.remove(0);
        if (edit == "move")
            file.swap(0, *study::movedTo(file, 0, 1));
        QCOMPARE(file.text(), after);
        QCOMPARE(MarkFile(after).text(), after);
    }

    void bookmarksInTheMenu() {
        MarkFile file;
        for (int chapter = 1; chapter <= 17; ++chapter)
            study::addBookmark(file, verse(qPrintable(QString("Ps %1:1").arg(chapter))), {});
        const std::vector<std::size_t> shown = study::bookmarksInMenu(file);
        QCOMPARE(shown.size(), 15u);
        QCOMPARE(study::bookmarkLine(file.marks()[shown.front()]), "Psalms 17:1");
        QCOMPARE(shown.back(), 2u);
        QCOMPARE(study::movedTo(file, 0, -1), std::nullopt);
        QCOMPARE(study::movedTo(file, 1, -1), 0u);
        QCOMPARE(study::movedTo(file, 16, 1), std::nullopt);
        study::renameBookmark(file, 16, "tab\tand\nbreak");
        QCOMPARE(study::bookmarkLine(file.marks()[16]), "tab and break  (Psalms 17:1)");
        const MarkFile::Mark renamed = file.marks()[16];
        file.swap(16, 0);
        QCOMPARE(file.find(renamed), 0u);
        study::renameBookmark(file, 0, "again");
        QCOMPARE(file.find(renamed), std::nullopt);
    }

    // A verse keeps one highlight line; clearing removes it; a line whose colour is no word of the
    // five is the person's own, kept and not drawn.
    void highlights() {
        MarkFile file("John 3:16\tBLUE\r\nJohn 3:16\tgreen\r\nJohn 3:17\tmine\r\n");
        QCOMPARE(study::chapterHighlights(file, verse("John 3:16").book, 3),
                 (std::map<int, study::Colour>{{16, study::Colour::Blue}}));
        study::highlight(file, {verse("John 3:16"), verse("John 3:17")}, study::Colour::Pink);
        QCOMPARE(file.text(), "John 3:16\tpink\r\nJohn 3:17\tmine\r\nJohn 3:17\tpink\r\n");
        study::highlight(file, {verse("John 3:16"), verse("John 3:17")}, std::nullopt);
        QCOMPARE(file.text(), "John 3:17\tmine\r\n");
        for (const study::Colour colour : study::kColours)
            QCOMPARE(study::colourNamed(study::colourWord(colour)), colour);
    }

    // A change is made to the file as it is then, so one made elsewhere stays; the file keeps its
    // encoding and the bytes no edit touched; a link is neither read nor written.
    void storeKeepsChangesMadeElsewhere() {
        QTemporaryDir dir;
        FileSystem files;
        const QString path = dir.filePath("Highlights.txt");
        study::MarkStore store(files, path);
        const auto yellow = [](MarkFile& file) {
            study::highlight(file, {verse("Rom 8:28")}, study::Colour::Yellow);
        };
        QVERIFY(store.change(yellow).ok);
        QCOMPARE(testfiles::bytesOf(path), "Romans 8:28\tyellow\r\n");
        const QByteArray elsewhere = "\xEF\xBB\xBF\xFFnot UTF-8\r\nJohn 3:16\tgreen\r\n";
        QVERIFY(testfiles::put(path, elsewhere));
        QVERIFY(store.change(yellow).ok);
        QCOMPARE(testfiles::bytesOf(path), elsewhere + "Romans 8:28\tyellow\r\n");
        QCOMPARE(store.read().file.marks().size(), 2u);
        QVERIFY(QFile::link(path, dir.filePath("link.txt")));
        study::MarkStore linked(files, dir.filePath("link.txt"));
        QVERIFY(!linked.read().ok && !linked.change(yellow).ok);
        QCOMPARE(testfiles::bytesOf(path), elsewhere + "Romans 8:28\tyellow\r\n");
    }

    // A reference typed in a note opens where the caret stands in it or just after it.
    void referencesInNotes() {
        const QString line = "See (Rom 8:28) and 1 John 4.8-9, not 3:16 or Song of Solomon 2:4";
        const auto at = [&](const char* text, qsizetype offset = 0) {
            return study::referenceAt(line, line.indexOf(text) + offset);
        };
        QCOMPARE(at("Rom"), verse("Rom 8:28"));
        QCOMPARE(at(":28", 3), verse("Rom 8:28"));
        QCOMPARE(at("(Rom"), std::nullopt);
        QCOMPARE(at("1 John")->firstVerse, 8);
        QCOMPARE(at("-9")->lastVerse, 9);
        QCOMPARE(at("3:16"), std::nullopt);
        QCOMPARE(at("of Solomon"), verse("Song 2:4"));
        QCOMPARE(at("See"), std::nullopt);
    }

    // The notes as verse lines: in the books' order, a file that names no verse last.
    void notesAsLines() {
        QTemporaryDir dir;
        FileSystem files;
        QVERIFY(testfiles::put(dir.filePath("Romans 8.28.txt"), "Called\r\n\r\nsee\n"));
        QVERIFY(testfiles::put(dir.filePath("Genesis 1.1.txt"), "\xEF\xBB\xBF\xCE\xA3"));
        QVERIFY(testfiles::put(dir.filePath("a list.txt"), "caf\xE9"));
        QCOMPARE(study::notesAsVerseLines(SubjectFiles(files, dir.path())),
                 "\xEF\xBB\xBFGenesis 1:1  \xCE\xA3\nRomans 8:28  Called\nRomans 8:28  see\n"
                 "a list  caf\xC3\xA9\n");
    }

    // A note is written only when changed, goes to the trash when emptied, and keeps its file's
    // line breaks though the editor shows line feeds alone.
    void savingNotes() {
        QTemporaryDir dir;
        FileSystem files;
        const SubjectFiles notes(files, dir.path());
        FollowedSubject followed(notes);
        followed.loaded("Romans 8.28", StoredText("a\r\nb"), "a\r\nb");
        QCOMPARE(study::noteTextFor("a\nb", "a\r\nb"), "a\r\nb");
        QCOMPARE(study::noteTextFor("a\nc", "a\nb"), "a\nc");
        QCOMPARE(study::noteTextFor("new\n", ""), "new\r\n");
        QCOMPARE(study::noteStep(followed, "a\r\nb", true), study::NoteStep::Nothing);
        QCOMPARE(study::noteStep(followed, "a\r\nc", true), study::NoteStep::Write);
        QCOMPARE(study::noteStep(followed, " \r\n", true), study::NoteStep::Remove);
        followed.loaded("Romans 8.29", std::nullopt, "");
        QCOMPARE(study::noteStep(followed, " ", false), study::NoteStep::Nothing);
        QVERIFY(study::noteNotSaved("Romans 8:28", "full", true).text.contains("\r\nfull\r\n"));
    }

    void noteNames() {
        QCOMPARE(study::noteName(verse("Song 2:4")), "Song of Solomon 2.4");
        QCOMPARE(study::noteVerse("Song of Solomon 2.4"), verse("Song 2:4"));
        QCOMPARE(study::noteVerse("Romans 8"), std::nullopt);
        QCOMPARE(study::noteVerse("shopping"), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestMarks)
#include "tst_marks.moc"
