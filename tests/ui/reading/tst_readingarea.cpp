#include "controls/combobox.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "naivescan.h"
#include "reading/readingarea.h"
#include "support/appfixture.h"

#include <QApplication>
#include <QTest>

namespace {

const QString kBible = QStringLiteral(VELLUMARK_TEST_BIBLE);

QString chapter(const QString& prefix) {
    return naive::chapterText(kBible, prefix).value_or(QString());
}

QString lineOf(const QString& reference) {
    QString found;
    naive::forEachLine(kBible, [&](const QString& line) {
        if (found.isEmpty() && line.startsWith(reference + QStringLiteral("  ")))
            found = line;
    });
    return found;
}

QStringList numbers(int count) {
    QStringList list;
    for (int n = 1; n <= count; ++n)
        list.append(QString::number(n));
    return list;
}

} // namespace

class TstReadingArea : public QObject {
    Q_OBJECT
private slots:
    void pickingBookAndChapter() {
        AppFixture fx;
        fx.start();
        FrmBible& w = fx.window();
        const QString welcome = w.TextVerses->text();
        w.ListVerse->setText(
            QStringLiteral("Click verse to view chapter.")); // the hint opens nothing
        QCOMPARE(w.ComboBooks->text(), QStringLiteral("Books"));

        pickItem(w.ComboBooks, QStringLiteral("Psalms"));
        QCOMPARE(w.ComboChapter->text(), QStringLiteral("1"));
        QCOMPARE(w.ComboChapter->items(), numbers(150));
        QCOMPARE(w.TextVerses->text(), welcome);
        fx.pointer.history.clear();
        pickItem(w.ComboChapter, QStringLiteral("119"));
        QCOMPARE(w.TextVerses->text(), chapter(QStringLiteral("Psalms 119:")));
        QCOMPARE(w.TextVerses->selStart(), 0);
        QCOMPARE(w.activeControl(), static_cast<QWidget*>(w.TextVerses));
        QCOMPARE(fx.pointer.history, (QList<bool>{true, false}));

        // Picking it again discards the user's edits and puts the caret back to the start.
        w.TextVerses->setSelStart(40);
        w.TextVerses->setSelText(QStringLiteral("edited"));
        pickItem(w.ComboChapter, QStringLiteral("119"));
        QCOMPARE(w.TextVerses->text(), chapter(QStringLiteral("Psalms 119:")));
        QCOMPARE(w.TextVerses->selStart(), 0);

        // A book typed rather than picked keeps the list, but its chapter is what loads.
        w.ComboBooks->setText(QStringLiteral("Jude"));
        QCOMPARE(w.ComboChapter->count(), 150);
        pickItem(w.ComboChapter, QStringLiteral("1"));
        QCOMPARE(w.TextVerses->text(), chapter(QStringLiteral("Jude 1:")));

        pickItem(w.ComboBooks, QStringLiteral("Obadiah"));
        QCOMPARE(w.ComboChapter->items(), numbers(1));
        // The separator names no book: an empty list, and a chapter picked shows the empty text.
        pickItem(w.ComboBooks, QStringLiteral("***************"));
        QCOMPARE(w.ComboChapter->items(), QStringList());
        w.ComboChapter->addItem(QStringLiteral("1"));
        pickItem(w.ComboChapter, QStringLiteral("1"));
        QCOMPARE(w.TextVerses->text(), QString());
    }

    void withoutReadableFileNothingChanges_data() {
        QTest::addColumn<bool>("missing");
        QTest::newRow("robustness: Bible.dat missing") << true;
        QTest::newRow("robustness: Bible.dat unreadable") << false;
    }

    void withoutReadableFileNothingChanges() {
        QFETCH(bool, missing);
        AppFixture fx(missing ? AppFixture::Bible::Missing : AppFixture::Bible::Real);
        fx.files.failRead = [](const QString& path) { return path.endsWith("Bible.dat"); };
        fx.start();
        FrmBible& w = fx.window();
        const QString before = w.TextVerses->text();
        pickItem(w.ComboBooks, QStringLiteral("Genesis"));
        fx.pointer.history.clear();
        pickItem(w.ComboChapter, QStringLiteral("1"));
        QCOMPARE(w.TextVerses->text(), before);
        QCOMPARE(fx.pointer.history, (QList<bool>{true, false}));

        w.ListVerse->setItems({lineOf(QStringLiteral("John 3:16"))});
        w.ListVerse->setText(lineOf(QStringLiteral("John 3:16")));
        QCOMPARE(w.TextVerses->text(), before);
        QCOMPARE(w.ComboBooks->text(), QStringLiteral("Genesis"));
        QVERIFY(!fx.pointer.isBusy());
    }

    void clickingResultOpensVerse_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("book");
        QTest::addColumn<int>("chapters");
        QTest::newRow("nominal: first verse") << "Genesis 1:1"
                                              << "Genesis" << 50;
        QTest::newRow("nominal: second verse") << "Genesis 1:2"
                                               << "Genesis" << 50;
        QTest::newRow("nominal: name with spaces") << "Song of Solomon 2:3"
                                                   << "Song of Solomon" << 8;
        QTest::newRow("nominal: name with a digit") << "1 John 4:8"
                                                    << "1 John" << 5;
        QTest::newRow("nominal: Psalms 119, deep in the chapter") << "Psalms 119:176"
                                                                  << "Psalms" << 150;
    }

    // Also after the user edited the text and changed the chapter box, the same line reopens it.
    void clickingResultOpensVerse() {
        QFETCH(QString, reference);
        QFETCH(QString, book);
        QFETCH(int, chapters);
        AppFixture fx;
        fx.start();
        FrmBible& w = fx.window();
        const QString line = lineOf(reference);
        const QString prefix = reference.section(QLatin1Char(':'), 0, 0) + QLatin1Char(':');
        const QString text = chapter(prefix);
        // The caret stands after every earlier verse's display line and its two line breaks.
        int caret = 0;
        for (const QString& verse : text.split(QStringLiteral("\r\n\r\n"))) {
            if (prefix + verse == line)
                break;
            caret += int(verse.size()) + 4;
        }
        w.ListVerse->setItems({lineOf(QStringLiteral("Jude 1:1")), line});
        for (int click = 0; click < 2; ++click) {
            fx.pointer.history.clear();
            w.ListVerse->setText(line);
            QCOMPARE(w.TextVerses->text(), text);
            QCOMPARE(w.TextVerses->selStart(), caret);
            QCOMPARE(w.ComboBooks->text(), book);
            QCOMPARE(w.ComboChapter->text(), prefix.section(QLatin1Char(' '), -1).chopped(1));
            QCOMPARE(w.ComboChapter->items(), numbers(chapters));
            QCOMPARE(w.activeControl(), static_cast<QWidget*>(w.TextVerses));
            QCOMPARE(fx.pointer.history, (QList<bool>{true, false}));
            w.TextVerses->setSelStart(0);
            w.TextVerses->setSelText(QStringLiteral("edited "));
            w.ComboChapter->setText(QStringLiteral("2"));
        }
    }
};

QTEST_MAIN(TstReadingArea)
#include "tst_readingarea.moc"
