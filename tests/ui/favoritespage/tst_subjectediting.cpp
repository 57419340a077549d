#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/textbox.h"
#include "favorites/subjectediting.h"
#include "favoritespage/subjectlist.h"
#include "support/appfixture.h"

#include <QDir>
#include <QTest>

namespace {

const QByteArray kLove = "Love\r\n\r\n Beloved, let us love one another\r\n1 John 4:7";
const QByteArray kFaith = "Faith\r\n\r\n Now faith is the substance\r\nHebrews 11:1";

QString verses(const QString& name) {
    return QStringLiteral("Verses/") + name;
}

void pick(ComboBox* box, const QString& item) {
    focusOn(box);
    const int index = box->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

} // namespace

class TestSubjectEditing : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> fx;

    FrmBible& w() { return fx->window(); }
    bool changed() { return fx->app().subjectEditing().subjectEdited(); }
    QStringList subjectFiles() const {
        return QDir(fx->path(QStringLiteral("Verses"))).entryList(QDir::Files, QDir::Name);
    }
    // Starts with Love.txt and Faith.txt and shows Love, picked and left.
    void startWithLoveShown() {
        fx->start();
        fx->writeBytes(verses("Love.txt"), kLove);
        fx->writeBytes(verses("Faith.txt"), kFaith);
        fx->app().subjects().ListCategories();
        pick(w().ComboCategory, QStringLiteral("Love"));
        pressTab(&w());
    }
    // Types the subject's name over the box and leaves it.
    void enterSubject(const QString& name) {
        typeOver(w().ComboCategory, name);
        pressTab(&w());
    }
    // Types at the end of the favourites list, and leaves it when asked.
    void appendToList(const QString& text, bool leave = true) {
        focusOn(w().TextFavoritesList);
        w().TextFavoritesList->moveCursor(QTextCursor::End);
        QTest::keyClicks(w().TextFavoritesList, text);
        if (leave)
            pressTab(&w());
    }

private slots:
    void init() {
        fx = std::make_unique<AppFixture>();
        QDir(fx->folder()).mkdir(QStringLiteral("Verses"));
    }
    void cleanup() { fx.reset(); }

    void firstSubjectAfterStartUp() {
        fx->writeBytes(verses("Faith.txt"), kFaith);
        fx->start();
        QCOMPARE(w().ComboCategory->text(), QStringLiteral("Select Subject"));
        QCOMPARE(w().TextFavoritesList->text(), QString());
        QVERIFY(changed());
        enterSubject(QStringLiteral("Love"));
        QCOMPARE(fx->readBytes(verses("Love.txt")), QByteArray("Love"));
        QCOMPARE(fx->readBytes(verses("Faith.txt")), kFaith);
        QCOMPARE(w().ComboCategory->text(), QStringLiteral("Love"));
        QCOMPARE(w().ComboCategory->items(), QStringList({"Faith", "Love"}));
        QCOMPARE(w().TextFavoritesList->text(), QStringLiteral("Love"));
        QVERIFY(!changed());
        QVERIFY(fx->messages.asked.isEmpty());
    }

    void pickingEditingAndLeavingRewritesTheFile() {
        startWithLoveShown();
        QCOMPARE(w().TextFavoritesList->text(), QString::fromLatin1(kLove));
        QCOMPARE(fx->readBytes(verses("Love.txt")), kLove); // left unedited: same bytes
        QVERIFY(!changed());

        appendToList(QString(), false);
        QTest::keyClick(w().TextFavoritesList, Qt::Key_Return);
        QTest::keyClicks(w().TextFavoritesList, QStringLiteral("my note"));
        QVERIFY(changed());
        pressTab(&w());
        QCOMPARE(fx->readBytes(verses("Love.txt")), kLove + "\r\nmy note");
        QCOMPARE(fx->readBytes(verses("Faith.txt")), kFaith);
        QVERIFY(!changed());
    }

    void emptiedListIsRefilledAndSavedWithTheName() {
        startWithLoveShown();
        typeOver(w().TextFavoritesList, QString());
        QCOMPARE(w().TextFavoritesList->text(), QStringLiteral("Love"));
        pressTab(&w());
        QCOMPARE(fx->readBytes(verses("Love.txt")), QByteArray("Love"));
    }

    void deleteAsksFirst_data() {
        QTest::addColumn<MessageBoxes::Answer>("answer");
        QTest::addColumn<bool>("removeFails");
        QTest::newRow("nominal: OK deletes") << MessageBoxes::Ok << false;
        QTest::newRow("nominal: Cancel keeps") << MessageBoxes::Cancel << false;
        QTest::newRow("robustness: delete fails") << MessageBoxes::Ok << true;
    }
    void deleteAsksFirst() {
        QFETCH(MessageBoxes::Answer, answer);
        QFETCH(bool, removeFails);
        fx->files.failRemove = [&](const QString&) { return removeFails; };
        startWithLoveShown();
        fx->messages.answers = {answer};
        enterSubject(QString());

        QVERIFY(fx->messages.asked.size() >= 1);
        QCOMPARE(fx->messages.asked[0].text, QStringLiteral("Love Category will be deleted."));
        QCOMPARE(fx->messages.asked[0].buttons, MessageBoxes::OkCancel);
        QCOMPARE(fx->messages.asked[0].title, QStringLiteral("Warning"));
        QVERIFY(!changed());
        if (answer == MessageBoxes::Ok && !removeFails) {
            QCOMPARE(subjectFiles(), QStringList({"Faith.txt"}));
            QCOMPARE(w().ComboCategory->text(), QStringLiteral("Select Subject"));
            QCOMPARE(w().ComboCategory->items(), QStringList({"Faith"}));
            QCOMPARE(w().TextFavoritesList->text(), QStringLiteral("New"));
            return;
        }
        QCOMPARE(fx->messages.asked.size(), removeFails ? 2 : 1);
        if (removeFails)
            QVERIFY(fx->messages.asked[1].text.contains(QStringLiteral("\"Love\"")));
        QCOMPARE(fx->readBytes(verses("Love.txt")), kLove);
        QCOMPARE(w().ComboCategory->text(), QString());
        QCOMPARE(w().TextFavoritesList->text(), QString::fromLatin1(kLove));
    }

    void clearingWithoutASubjectAsksNothing() {
        fx->start();
        enterSubject(QString());
        QVERIFY(fx->messages.asked.isEmpty());
        QCOMPARE(w().ComboCategory->text(), QString());
        QVERIFY(subjectFiles().isEmpty());
    }

    void addVerseSavesTheEntryAtOnce_data() {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("verseLine");
        QTest::newRow("nominal: after a lookup")
            << "John"
            << "3:16" << QString(QLatin1Char(' ') + verseText("John 3:16"));
        QTest::newRow("robustness: no lookup done") << ""
                                                    << ""
                                                    << "";
    }
    void addVerseSavesTheEntryAtOnce() {
        QFETCH(QString, book);
        QFETCH(QString, reference);
        QFETCH(QString, verseLine);
        startWithLoveShown();
        if (!book.isEmpty()) {
            w().ComboBookFavorites->setText(book);
            typeOver(w().TextVersesFavorites, reference);
        }
        QTest::mouseClick(w().CommandAddFavorite, Qt::LeftButton);
        const QString bookText = book.isEmpty() ? QStringLiteral("Books") : book;
        const QString entry = "\r\n\r\n" + verseLine + "\r\n" + bookText + " " + reference;
        QCOMPARE(w().TextFavoritesList->text(), QString::fromLatin1(kLove) + entry);
        QCOMPARE(fx->readBytes(verses("Love.txt")), kLove + entry.toLatin1());
        QVERIFY(changed());
    }

    void typingAnExistingSubjectLoadsIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("loveShown");
        QTest::newRow("nominal: while another subject is shown") << "Faith" << true;
        QTest::newRow("nominal: right after start-up") << "Faith" << false;
        QTest::newRow("robustness: name that cleans to it") << " Fa ith? " << true;
        QTest::newRow("robustness: another letter case") << "faith" << true;
        QTest::newRow("robustness: cleans to it in another letter case") << " fA iTH? " << true;
    }
    void typingAnExistingSubjectLoadsIt() {
        QFETCH(QString, typed);
        QFETCH(bool, loveShown);
        if (loveShown) {
            startWithLoveShown();
        } else {
            fx->writeBytes(verses("Faith.txt"), kFaith);
            fx->writeBytes(verses("Love.txt"), kLove);
            fx->start();
        }
        enterSubject(typed);
        QCOMPARE(fx->readBytes(verses("Faith.txt")), kFaith);
        QCOMPARE(fx->readBytes(verses("Love.txt")), kLove);
        QCOMPARE(w().ComboCategory->text(), QStringLiteral("Faith"));
        QCOMPARE(w().TextFavoritesList->text(), QString::fromLatin1(kFaith));
        QCOMPARE(subjectFiles(), QStringList({"Faith.txt", "Love.txt"}));

        appendToList(QStringLiteral("!")); // its edits now go to its own file
        QCOMPARE(fx->readBytes(verses("Faith.txt")), kFaith + "!");
        QCOMPARE(fx->readBytes(verses("Love.txt")), kLove);
    }

    void newSubjectNames_data() {
        for (const char* column : {"typed", "file", "box"}) // file empty: nothing created
            QTest::addColumn<QString>(column);
        const auto row = [](const char* name, const char* typed, const char* file,
                            const char* box) { QTest::newRow(name) << typed << file << box; };
        row("nominal: plain name", "Hope", "Hope.txt", "Hope");
        row("nominal: cleaned name", "My Hope?", "MyHope.txt", "MyHope");
        row("robustness: parent folder", "../outside", "outside.txt", "outside");
        row("robustness: through the folder", "../Verses/Love", "VersesLove.txt", "VersesLove");
        row("robustness: nothing left of it", "???", "", "???");
        row("robustness: spaces only", "   ", "", "");
        row("robustness: Select Subject", "Select Subject", "", "Select Subject");
    }
    void newSubjectNames() {
        QFETCH(QString, typed);
        QFETCH(QString, file);
        QFETCH(QString, box);
        fx->writeBytes(QStringLiteral("outside.txt"), "keep");
        startWithLoveShown();
        enterSubject(typed);
        QCOMPARE(w().ComboCategory->text(), box);
        QCOMPARE(fx->readBytes(QStringLiteral("outside.txt")), QByteArray("keep"));
        QCOMPARE(fx->readBytes(verses("Love.txt")), kLove);
        QStringList expected = {"Faith.txt", "Love.txt"};
        if (!file.isEmpty()) {
            expected << file;
            expected.sort();
            QCOMPARE(fx->readBytes(verses(file)), kLove);
            appendToList(QStringLiteral("+")); // later saves reach the file it was created as
            QCOMPARE(fx->readBytes(verses(file)), kLove + "+");
        }
        QCOMPARE(subjectFiles(), expected);
        QCOMPARE(w().ComboCategory->items(), expected.replaceInStrings(QStringLiteral(".txt"), ""));
        QVERIFY(fx->messages.asked.isEmpty());
    }

    void closingSavesTheShownSubject_data() {
        QTest::addColumn<QString>("typedInBox"); // typed without leaving the box
        QTest::newRow("nominal: list edited") << "";
        QTest::newRow("robustness: another subject typed") << "Faith";
    }
    void closingSavesTheShownSubject() {
        QFETCH(QString, typedInBox);
        startWithLoveShown();
        appendToList(QStringLiteral(" end"), false);
        if (!typedInBox.isEmpty()) {
            pressTab(&w());
            typeOver(w().ComboCategory, typedInBox);
        }
        w().close();
        QCOMPARE(fx->readBytes(verses("Love.txt")), kLove + " end");
        QCOMPARE(fx->readBytes(verses("Faith.txt")), kFaith);
    }

    void failedWriteKeepsTheFileAndTheText_data() {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("subject"); // typed into the box after leaving the list
        QTest::addColumn<int>("messages");
        QTest::addColumn<QByteArray>("love");
        QTest::newRow("robustness: saving on leaving the list") << "Love.txt"
                                                                << "" << 1 << kLove;
        QTest::newRow("robustness: creating a subject")
            << "Hope.txt"
            << "Hope" << 1 << QByteArray(kLove + " unsaved");
        QTest::newRow("robustness: rewriting on leaving the box") << "Love.txt"
                                                                  << "Love" << 2 << kLove;
    }
    void failedWriteKeepsTheFileAndTheText() {
        QFETCH(QString, failing);
        QFETCH(QString, subject);
        QFETCH(int, messages);
        startWithLoveShown();
        fx->files.failWrite = [&](const QString& path) { return path.endsWith('/' + failing); };
        appendToList(QStringLiteral(" unsaved"));
        if (!subject.isEmpty()) {
            enterSubject(subject);
        }
        QCOMPARE(fx->messages.asked.size(), messages);
        const QString name = failing.chopped(4);
        for (const auto& asked : fx->messages.asked) {
            QVERIFY2(asked.text.contains('"' + name + '"'), qPrintable(asked.text));
            QVERIFY(asked.text.contains(QStringLiteral("No space left on device")));
        }
        QTEST(fx->readBytes(verses("Love.txt")), "love");
        QCOMPARE(w().TextFavoritesList->text(), QString::fromLatin1(kLove) + " unsaved");
        QCOMPARE(subjectFiles(), QStringList({"Faith.txt", "Love.txt"}));
    }

    // Every byte a subject holds comes back as it was (a non-breaking space, each form of line
    // break, every high byte) through a pick, leaving the box, an edit elsewhere in the text and
    // the closing save.
    void untouchedBytesSurviveEverySave() {
        QByteArray odd = "Odd\xA0text\rlone CR\nlone LF\r\nCR LF ";
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            odd.append(char(byte));
        fx->writeBytes(verses("Odd.txt"), odd);
        startWithLoveShown();
        pick(w().ComboCategory, QStringLiteral("Odd"));
        pressTab(&w());
        QCOMPARE(fx->readBytes(verses("Odd.txt")), odd);
        appendToList(QStringLiteral("!"));
        QCOMPARE(fx->readBytes(verses("Odd.txt")), odd + "!");
        appendToList(QStringLiteral("?"), false);
        QVERIFY(w().close());
        QCOMPARE(fx->readBytes(verses("Odd.txt")), odd + "!?");
    }

    // When the subject box names no subject, the list is saved nowhere and stays on screen.
    void savesGoOnlyToTheSubjectTheBoxNames_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refill"); // what the emptied list is refilled with
        QTest::newRow("robustness: box emptied, delete cancelled") << ""
                                                                   << "New";
        QTest::newRow("robustness: box names nothing there is") << "???"
                                                                << "???";
    }
    void savesGoOnlyToTheSubjectTheBoxNames() {
        QFETCH(QString, typed);
        QFETCH(QString, refill);
        startWithLoveShown();
        fx->messages.answers = {MessageBoxes::Cancel};
        enterSubject(typed);
        typeOver(w().TextFavoritesList, QString());
        QTest::keyClick(w().TextFavoritesList, Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::mouseClick(w().CommandAddFavorite, Qt::LeftButton);
        QCOMPARE(fx->readBytes(verses("Love.txt")), kLove);
        QCOMPARE(fx->readBytes(verses("Faith.txt")), kFaith);
        QCOMPARE(subjectFiles(), QStringList({"Faith.txt", "Love.txt"}));
        QVERIFY(w().TextFavoritesList->text().startsWith(refill + "\r\n\r\n"));
    }

    // Text that cannot be saved as the window closes is the user's to give up: Yes closes,
    // No keeps the window open with the text.
    void closingWithTextThatCannotBeSavedAsks_data() {
        QTest::addColumn<QString>("typedInBox");
        QTest::addColumn<MessageBoxes::Answer>("answer");
        QTest::addColumn<QString>("why");
        QTest::newRow("robustness: the save fails, No") << "" << MessageBoxes::No << "\"Love\"";
        QTest::newRow("robustness: the save fails, Yes") << "" << MessageBoxes::Yes << "\"Love\"";
        QTest::newRow("robustness: no subject named, No")
            << "???" << MessageBoxes::No << "no subject";
    }
    void closingWithTextThatCannotBeSavedAsks() {
        QFETCH(QString, typedInBox);
        QFETCH(MessageBoxes::Answer, answer);
        QFETCH(QString, why);
        startWithLoveShown();
        fx->files.failWrite = [](const QString& path) { return path.endsWith("Love.txt"); };
        if (!typedInBox.isEmpty())
            enterSubject(typedInBox);
        appendToList(QStringLiteral(" kept"), false);
        fx->messages.asked.clear();
        fx->messages.answers = {answer};
        QCOMPARE(w().close(), answer == MessageBoxes::Yes);
        QCOMPARE(fx->messages.asked.size(), 1);
        QVERIFY2(fx->messages.asked[0].text.contains(why), qPrintable(fx->messages.asked[0].text));
        QVERIFY(fx->messages.asked[0].text.endsWith(QStringLiteral("Close anyway?")));
        QCOMPARE(fx->messages.asked[0].buttons, MessageBoxes::YesNo);
        QCOMPARE(w().isVisible(), answer == MessageBoxes::No);
        QVERIFY(w().TextFavoritesList->text().endsWith(QStringLiteral(" kept")));
        QCOMPARE(fx->readBytes(verses("Love.txt")), kLove);
    }

    void failedReadKeepsTheShownSubject() {
        fx->files.failRead = [](const QString& path) { return path.endsWith("Faith.txt"); };
        startWithLoveShown();
        pick(w().ComboCategory, QStringLiteral("Faith"));
        QCOMPARE(fx->messages.asked.size(), 1);
        QVERIFY(fx->messages.asked[0].text.contains(QStringLiteral("\"Faith\"")));
        QVERIFY(fx->messages.asked[0].text.contains(QStringLiteral("Permission denied")));
        QCOMPARE(w().ComboCategory->text(), QStringLiteral("Love"));
        QCOMPARE(w().TextFavoritesList->text(), QString::fromLatin1(kLove));
        pressTab(&w());
        QCOMPARE(fx->readBytes(verses("Faith.txt")), kFaith);
        QCOMPARE(fx->readBytes(verses("Love.txt")), kLove);
    }

    void zeroLengthFileLoadsAsEmpty() {
        fx->writeBytes(verses("Empty.txt"), QByteArray());
        startWithLoveShown();
        pick(w().ComboCategory, QStringLiteral("Empty"));
        QCOMPARE(w().TextFavoritesList->text(), QStringLiteral("Empty"));
        QVERIFY(fx->messages.asked.isEmpty());
    }

    void vanishedFolderIsReported() {
        startWithLoveShown();
        QVERIFY(QDir(fx->path(QStringLiteral("Verses"))).removeRecursively());
        enterSubject(QStringLiteral("Hope"));
        QCOMPARE(fx->messages.asked.size(), 1);
        QVERIFY(fx->messages.asked[0].text.contains(QStringLiteral("\"Hope\"")));
        QCOMPARE(w().TextFavoritesList->text(), QString::fromLatin1(kLove));
    }
};

QTEST_MAIN(TestSubjectEditing)
#include "tst_subjectediting.moc"
