#include "mainwindow/menus.h"

#include "controls/editkeys.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu* menu(QWidget* parent, const char* objectName, const QString& caption) {
    auto* m = new QMenu(caption, parent);
    m->setObjectName(QLatin1String(objectName));
    return m;
}

// The menu shows the first shortcut; the others run the item as well.
QAction* item(QMenu* parent, const char* objectName, const QString& caption,
              const QList<QKeySequence>& shortcuts = {}) {
    QAction* action = parent->addAction(caption);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcuts(shortcuts);
    return action;
}

void separator(QMenu* parent, const char* objectName) {
    parent->addSeparator()->setObjectName(QLatin1String(objectName));
}

} // namespace

Menus buildMenus(QMenuBar* bar) {
    Menus m;

    QMenu* file = menu(bar, "mnuFile", QStringLiteral("&File"));
    QMenu* print = menu(file, "mnuPrint", QStringLiteral("&Print"));
    m.printSubject =
        item(print, "mnuPrintFavoriteSubject", QStringLiteral("&Favorite Subject && Verses"));
    m.printWindow = item(print, "mnuPrintForm", QStringLiteral("Print &Form"));
    file->addMenu(print);
    separator(file, "mnuBar1");
    m.exit = item(file, "mnuExit", QStringLiteral("&Exit"));
    bar->addMenu(file);

    QMenu* edit = menu(bar, "mnuEdit", QStringLiteral("&Edit"));
    m.undo = item(edit, "mnuUndo", QStringLiteral("&Undo"), editkeys::undo());
    separator(edit, "mnuBar3");
    m.cut = item(edit, "mnuCut", QStringLiteral("&Cut"), editkeys::cut());
    m.copy = item(edit, "mnuCopy", QStringLiteral("&Copy"), editkeys::copy());
    m.copyWithReference = item(edit, "mnuCopyWithReference", QStringLiteral("Copy with &Reference"),
                               {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)});
    m.compareTexts = item(edit, "mnuCompareTranslations", QStringLiteral("Compare &Translations"),
                          editkeys::compareTexts());
    m.paste = item(edit, "mnuPaste", QStringLiteral("&Paste"), editkeys::paste());
    m.deleteForward = item(edit, "mnuDelete", QStringLiteral("De&lete"), editkeys::deleteKey());
    separator(edit, "mnuBar2");
    m.selectAll = item(edit, "mnuSelectAll", QStringLiteral("Select &All"), editkeys::selectAll());
    m.insertDateTime =
        item(edit, "mnuTimeDate", QStringLiteral("Time\\&Date"), {QKeySequence(Qt::Key_F5)});
    separator(edit, "mnuBar5");
    QMenu* highlight = m.highlightMenu = menu(edit, "mnuHighlight", QStringLiteral("&Highlight"));
    const auto colourKey = [](int digit) {
        return QList{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key(Qt::Key_0 + digit))};
    };
    m.highlight = {item(highlight, "mnuHighlightYellow", QStringLiteral("&Yellow"), colourKey(1)),
                   item(highlight, "mnuHighlightGreen", QStringLiteral("&Green"), colourKey(2)),
                   item(highlight, "mnuHighlightBlue", QStringLiteral("&Blue"), colourKey(3)),
                   item(highlight, "mnuHighlightPink", QStringLiteral("&Pink"), colourKey(4)),
                   item(highlight, "mnuHighlightPurple", QStringLiteral("P&urple"), colourKey(5))};
    highlight->addSeparator();
    m.clearHighlight =
        item(highlight, "mnuHighlightClear", QStringLiteral("&Clear Highlight"), colourKey(0));
    edit->addMenu(highlight);
    m.noteOnVerse = item(edit, "mnuNoteOnVerse", QStringLiteral("&Note on Verse"),
                         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)});
    bar->addMenu(edit);

    // The bookmarks themselves are listed below the separator, as the menu opens.
    m.bookmarkMenu = menu(bar, "mnuBookmark", QStringLiteral("&Bookmark"));
    m.setBookmark = item(m.bookmarkMenu, "mnuSetBookmark", QStringLiteral("&Set Bookmark"));
    m.goToBookmark = item(m.bookmarkMenu, "mnuGoToBookmark", QStringLiteral("&Go to Bookmark"));
    m.bookmarkMenu->addSeparator();
    m.addBookmark = item(m.bookmarkMenu, "mnuAddBookmark", QStringLiteral("&Add Bookmark..."),
                         editkeys::addBookmark());
    m.manageBookmarks = item(m.bookmarkMenu, "mnuBookmarks", QStringLiteral("&Bookmarks..."),
                             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B)});
    separator(m.bookmarkMenu, "mnuBar6");
    bar->addMenu(m.bookmarkMenu);

    // Through the places read and the chapters of the text.
    QMenu* go = menu(bar, "mnuGo", QStringLiteral("&Go"));
    m.back = item(go, "mnuBack", QStringLiteral("&Back"), {QKeySequence(Qt::ALT | Qt::Key_Left)});
    m.forward =
        item(go, "mnuForward", QStringLiteral("&Forward"), {QKeySequence(Qt::ALT | Qt::Key_Right)});
    go->addSeparator();
    m.nextChapter = item(go, "mnuNextChapter", QStringLiteral("&Next Chapter"),
                         {QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    m.previousChapter = item(go, "mnuPreviousChapter", QStringLiteral("&Previous Chapter"),
                             {QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    go->addSeparator();
    m.goToReference = item(go, "mnuGoToReference", QStringLiteral("Go to &Reference"),
                           {QKeySequence(Qt::CTRL | Qt::Key_L)});
    bar->addMenu(go);

    // The texts' items go above the separator; Esc stops a first rendering only while one runs.
    m.texts = menu(bar, "mnuTexts", QStringLiteral("&Texts"));
    separator(m.texts, "mnuBar4");
    m.stopRendering = item(m.texts, "mnuStopRendering", QStringLiteral("&Stop Rendering"),
                           {QKeySequence(Qt::Key_Escape)});
    m.stopRendering->setEnabled(false);
    bar->addMenu(m.texts);

    QMenu* favorites = menu(bar, "mnuFavorites", QStringLiteral("Fa&vorites"));
    m.showFavorites = item(favorites, "mnuFavoriteVerses", QStringLiteral("Favorite &Verses"));
    bar->addMenu(favorites);

    QMenu* search = menu(bar, "mnuSearch", QStringLiteral("&Search"));
    m.showSearch = item(search, "mnuSearch2", QStringLiteral("&Search Text"),
                        {QKeySequence(Qt::CTRL | Qt::Key_F)});
    bar->addMenu(search);

    QMenu* options = menu(bar, "mnuOptions", QStringLiteral("&Options"));
    m.setFont = item(options, "mnuSetFont", QStringLiteral("Set &Font"));
    options->addSeparator();
    // Ctrl with = as well: on many keyboards + is the shifted =.
    m.biggerText = item(options, "mnuBiggerText", QStringLiteral("&Bigger Text"),
                        {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m.smallerText =
        item(options, "mnuSmallerText", QStringLiteral("&Smaller Text"), {QKeySequence::ZoomOut});
    m.normalSize = item(options, "mnuNormalSize", QStringLiteral("&Normal Size"),
                        {QKeySequence(Qt::CTRL | Qt::Key_0)});
    bar->addMenu(options);

    QMenu* help = menu(bar, "mnuHelp", QStringLiteral("&Help"));
    m.showHelp = item(help, "mnuContents", QStringLiteral("Contents"), {QKeySequence(Qt::Key_F1)});
    bar->addMenu(help);

    return m;
}
