#include "favorites/subjectediting.h"
#include "favorites/subjectstore.h"
#include "storage/filesystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using BoxLeft = SubjectEditing::BoxLeft;
Q_DECLARE_METATYPE(BoxLeft)

// The favorites page's decisions, over a Verses folder holding Love and Faith, with Love shown.
class TestSubjectDecisions : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    FileSystem m_files;
    std::unique_ptr<SubjectStore> m_store;
    std::unique_ptr<SubjectEditing> m_editing;

    void loveShown(bool edited) {
        m_editing = std::make_unique<SubjectEditing>(*m_store);
        m_editing->subjectLoaded(QStringLiteral("Love"), QStringLiteral("Love text"));
        m_editing->subjectBoxGotFocus(QStringLiteral("Love"));
        if (edited)
            m_editing->subjectBoxChanged();
    }

private slots:
    void initTestCase() {
        const QString verses = m_dir.filePath(QStringLiteral("Verses"));
        QVERIFY(QDir().mkpath(verses));
        for (const char* name : {"Love.txt", "Faith.txt"}) {
            QFile file(verses + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        m_store = std::make_unique<SubjectStore>(m_files, verses);
    }

    void leavingTheSubjectBox_data() {
        QTest::addColumn<QString>("typed"); // trimmed
        QTest::addColumn<bool>("edited");
        QTest::addColumn<BoxLeft>("expected");
        const auto row = [](const char* name, const char* typed, bool edited, BoxLeft expected) {
            QTest::newRow(name) << QString::fromLatin1(typed) << edited << expected;
        };
        row("nominal: a new name creates it", "Hope", true, {BoxLeft::Write, "Hope"});
        row("nominal: a name with removed characters", "My Hope?", true,
            {BoxLeft::Write, "MyHope"});
        row("nominal: the shown subject is written again", "Love", true, {BoxLeft::Write, "Love"});
        row("nominal: another subject is shown, not written", "Faith", true,
            {BoxLeft::Load, "Faith"});
        row("robustness: another subject in another letter case", "fAITH", true,
            {BoxLeft::Load, "Faith"});
        row("robustness: a name that cleans to another subject", " F.a:ith ", true,
            {BoxLeft::Load, "Faith"});
        row("robustness: the shown subject in another letter case", "LOVE", true,
            {BoxLeft::Write, "Love"});
        row("nominal: nothing typed since the box got the focus", "Hope", false, {});
        row("robustness: empty", "", true, {});
        row("robustness: the placeholder", "Select Subject", true, {});
        row("robustness: nothing left after cleaning", "?|?", true, {});
    }
    void leavingTheSubjectBox() {
        QFETCH(QString, typed);
        QFETCH(bool, edited);
        QFETCH(BoxLeft, expected);
        loveShown(edited);
        QCOMPARE(m_editing->leaveSubjectBox(typed), expected);
    }

    // The list is saved only to the subject the box names, when that is the subject it holds.
    void whereTheListIsSaved_data() {
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<QString>("target"); // empty: saved nowhere
        for (const auto& [name, box, target] :
             {std::array<const char*, 3>{"nominal: the shown subject", "Love", "Love"},
              {"robustness: another letter case", "love", "Love"},
              {"robustness: another subject typed", "Faith", ""},
              {"robustness: emptied box", "", ""},
              {"robustness: no such subject", "???", ""}})
            QTest::newRow(name) << box << target;
    }
    void whereTheListIsSaved() {
        QFETCH(QString, boxText);
        loveShown(true);
        QTEST(m_editing->saveTarget(boxText).value_or(QString()), "target");
    }

    void offeringToDelete_data() {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<QString>("offered");
        const auto row = [](const char* name, const char* remembered, bool edited, const char* box,
                            const char* offered) {
            QTest::newRow(name) << remembered << edited << box << offered;
        };
        row("nominal: box emptied", "Love", true, "", "Love");
        row("robustness: remembered in another case", "love", true, "", "Love");
        row("nominal: box not emptied", "Love", true, "Lo", "");
        row("nominal: box untouched", "Love", false, "", "");
        row("robustness: no such subject", "Select Subject", true, "", "");
    }
    void offeringToDelete() {
        QFETCH(QString, remembered);
        QFETCH(bool, edited);
        QFETCH(QString, boxText);
        SubjectEditing editing(*m_store);
        editing.subjectBoxGotFocus(remembered);
        if (edited)
            editing.subjectBoxChanged();
        QTEST(editing.subjectToDelete(boxText).value_or(QString()), "offered");
    }

    // What the list holds beyond its file decides the closing save: a later edit, or a save
    // that failed; looking at the list, or a lookup after loading, does not.
    void unsavedText() {
        loveShown(false);
        QVERIFY(!m_editing->saveOnClosing(QStringLiteral("Love text")));
        m_editing->listGotFocus();
        m_editing->listChanged();
        QVERIFY(m_editing->saveOnClosing(QStringLiteral("Love text!")));
        QVERIFY(m_editing->leaveList());
        QVERIFY(!m_editing->leaveList());
        QVERIFY(m_editing->hasUnsavedText(QStringLiteral("Love text!")));
        m_editing->subjectSaved(QStringLiteral("Love text!"));
        QVERIFY(!m_editing->saveOnClosing(QStringLiteral("Love text!")));
        m_editing->listChanged();
        m_editing->verseLookedUp();
        QVERIFY(!m_editing->subjectEdited());
    }
};

QTEST_GUILESS_MAIN(TestSubjectDecisions)
#include "tst_subjectdecisions.moc"
