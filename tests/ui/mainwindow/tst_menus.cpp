#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "support/appfixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

QString entry(const QAction* action) {
    if (action->isSeparator())
        return QStringLiteral("-");
    QString text = action->text();
    if (!action->shortcut().isEmpty())
        text += QLatin1Char('\t') + action->shortcut().toString(QKeySequence::PortableText);
    return text;
}

// The menu tree as captions (with their access keys) and shortcuts, one line per item.
QStringList menuTree(const QMenu* menu, const QString& indent) {
    QStringList lines;
    for (const QAction* action : menu->actions()) {
        lines << indent + entry(action);
        if (action->menu())
            lines << menuTree(action->menu(), indent + QStringLiteral("  "));
    }
    return lines;
}

QList<QWidget*> searchPage(FrmBible& w) {
    return {w.Label2, w.TextSearch, w.ComboSearch, w.ListVerse};
}

QList<QWidget*> favoritesPage(FrmBible& w) {
    return {w.Label3,
            w.Label4,
            w.TextFavorites,
            w.ComboBookFavorites,
            w.TextVersesFavorites,
            w.ComboCategory,
            w.CommandAddFavorite,
            w.TextFavoritesList};
}

QList<QWidget*> readingArea(FrmBible& w) {
    return {w.Label1, w.ComboBooks, w.ComboChapter, w.TextVerses};
}

void verifyShown(const QList<QWidget*>& controls, bool shown) {
    for (const QWidget* c : controls)
        QVERIFY2(c->isVisible() == shown, qPrintable(c->objectName()));
}

} // namespace

class TestMenus : public QObject {
    Q_OBJECT
    std::unique_ptr<AppFixture> fx;

private slots:
    void init() {
        fx = std::make_unique<AppFixture>();
        fx->start();
    }
    void cleanup() { fx.reset(); }

    void menuBarHasTheSevenMenusInOrder() {
        QStringList tree;
        for (const QAction* top : fx->window().menuBar()->actions()) {
            tree << entry(top);
            tree << menuTree(top->menu(), QStringLiteral("  "));
        }
        const QStringList expected = {"&File",
                                      "  &Print",
                                      "    &Favorite Subject && Verses",
                                      "    Print &Form",
                                      "  -",
                                      "  &Exit",
                                      "&Edit",
                                      "  &Cut\tCtrl+X",
                                      "  &Copy\tCtrl+C",
                                      "  &Paste\tCtrl+V",
                                      "  De&lete\tDel",
                                      "  -",
                                      "  Select &All\tCtrl+A",
                                      "  Time\\&Date\tF5",
                                      "&Bookmark",
                                      "  &Set Bookmark",
                                      "  &Go to Bookmark",
                                      "&Favorites",
                                      "  Favorite &Verses",
                                      "&Search",
                                      "  &Search Text",
                                      "&Options",
                                      "  Set &Font",
                                      "&Help",
                                      "  Contents"};
        QCOMPARE(tree, expected);
    }

    // Each page shows only its controls, keeps its texts while hidden, and hiding the focused
    // control moves the focus on with its lost-focus handler run.
    void switchingPages() {
        FrmBible& w = fx->window();
        QStringList events;
        QObject::connect(w.TextFavoritesList, &TextBox::lostFocus, &w,
                         [&] { events << QStringLiteral("list:lost"); });
        QObject::connect(w.ComboSearch, &ComboBox::gotFocus, &w,
                         [&] { events << QStringLiteral("search:got"); });
        w.TextVersesFavorites->setText(QStringLiteral("3:16"));
        w.TextFavoritesList->setText(QStringLiteral("Love\r\nmore"));
        verifyShown(favoritesPage(w), true);
        verifyShown(searchPage(w), false);
        focusOn(w.TextFavoritesList);

        w.menus.mnuSearch2->trigger();
        QCOMPARE(events, (QStringList{"list:lost", "search:got"}));
        QVERIFY(w.activeControl()->isVisible());
        verifyShown(searchPage(w), true);
        verifyShown(favoritesPage(w), false);
        verifyShown(readingArea(w), true);
        QVERIFY(!w.LabelCategory->isVisible());
        w.TextSearch->setText(QStringLiteral("love one another"));
        w.ListVerse->setItems({QStringLiteral("John 13:34  A new commandment")});

        w.menus.mnuFavoriteVerses->trigger();
        verifyShown(favoritesPage(w), true);
        verifyShown(searchPage(w), false);
        QVERIFY(!w.LabelCategory->isVisible());
        QCOMPARE(w.TextVersesFavorites->text(), QStringLiteral("3:16"));
        QCOMPARE(w.TextFavoritesList->text(), QStringLiteral("Love\r\nmore"));
        w.menus.mnuSearch2->trigger();
        w.menus.mnuSearch2->trigger(); // the page already shown: nothing changes
        verifyShown(searchPage(w), true);
        QCOMPARE(w.TextSearch->text(), QStringLiteral("love one another"));
        QCOMPARE(w.ListVerse->items(),
                 QStringList{QStringLiteral("John 13:34  A new commandment")});
    }

    // The help text byte for byte in its shape; chosen twice it is shown once.
    void helpText() {
        FrmBible& w = fx->window();
        w.menus.mnuSearch2->trigger();
        w.menus.mnuContents->trigger();
        w.menus.mnuContents->trigger();
        const QString text = w.TextVerses->text();
        QVERIFY(
            text.startsWith(QStringLiteral("VELLUMARK\r\n\r\nConformable to the edition of "
                                           "1611\r\nCommonly known as The Authorized or\r\n"
                                           "\r\nOrrisant Version\r\n\r\nInstructions\r\n\r\n")));
        QCOMPARE(text.count(QStringLiteral("VELLUMARK")), 1);
        QCOMPARE(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
        verifyShown(searchPage(w), true);
        QCOMPARE(w.ComboBooks->text(), QStringLiteral("Books"));

        // After the heading: fourteen paragraphs each followed by an empty line, then the two
        // closing lines directly under each other and exactly one final CR LF.
        QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines.size(), 9 + 14 * 2 + 2);
        for (int i = 9; i < 9 + 28; i += 2) {
            QVERIFY2(!lines[i].isEmpty(), qPrintable(QString::number(i)));
            QCOMPARE(lines[i + 1], QString());
        }
        QVERIFY(lines[37].startsWith(QStringLiteral("Copyright")));
        QVERIFY(!lines[38].isEmpty());
        QVERIFY(lines.contains(QStringLiteral(
            "To print the 'Subject' page click File > Print > Favorite Subject & Verses. The "
            "printed page will also have the same font characteristics with a line length of "
            "40 characters.")));
        QVERIFY(text.contains(QStringLiteral("C:\\Windows\\ProgramFiles\\Vellumark\\Verses\\ "
                                             "folder.")));
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
