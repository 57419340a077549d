#include "bookmarksdialog/bookmarklist.h"

#include "bookmarksdialog/bookmarksdialog.h"
#include "mainwindow/menus.h"
#include "reading/readingarea.h"
#include "reading/typedplace.h"
#include "scripture/scripturetext.h"
#include "services/messageboxes.h"
#include "study/bookmarklist.h"

#include <QAction>
#include <QMenu>

BookmarkList::BookmarkList(QWidget& window, const Menus& menus, ReadingArea& reading,
                           ScriptureText& scripture, study::MarkStore& store,
                           MessageBoxes& messages)
    : m_window(window)
    , m_menu(menus.bookmarkMenu)
    , m_reading(reading)
    , m_scripture(scripture)
    , m_store(store)
    , m_messages(messages) {
    connect(menus.addBookmark, &QAction::triggered, this, &BookmarkList::add);
    connect(menus.manageBookmarks, &QAction::triggered, this, &BookmarkList::manage);
    connect(m_menu, &QMenu::aboutToShow, this, &BookmarkList::listInMenu);
}

BookmarkList::~BookmarkList() {
    delete m_dialog;
}

bool BookmarkList::reported(const FileSystem::Result& result) {
    if (!result.ok)
        m_messages.ask(study::bookmarksNotSaved(result.error), MessageBoxes::OkOnly,
                       study::kBookmarksTitle);
    return result.ok;
}

// Nothing to keep while no chapter is shown.
void BookmarkList::add() {
    const std::optional<scripture::Reference> verse = m_reading.verseInSight();
    if (!verse)
        return;
    const std::optional<QString> name =
        m_messages.askText(QStringLiteral("Name of the bookmark:"), verse->formatted(),
                           QStringLiteral("Add Bookmark"));
    if (!name)
        return;
    reported(
        m_store.change([&](study::MarkFile& file) { study::addBookmark(file, *verse, *name); }));
    if (m_dialog)
        m_dialog->refresh();
}

void BookmarkList::listInMenu() {
    for (QAction* listed : std::as_const(m_listed))
        delete listed;
    m_listed.clear();
    const study::MarkStore::Read read = m_store.read();
    if (!read.ok) {
        m_listed.append(m_menu->addAction(QStringLiteral("The bookmarks could not be read.")));
        m_listed.last()->setEnabled(false);
    }
    for (const std::size_t bookmark : study::bookmarksInMenu(read.file)) {
        const study::MarkFile::Mark& mark = read.file.marks()[bookmark];
        // The name as it is, with no mnemonic of its own.
        QAction* item = m_menu->addAction(
            study::bookmarkName(mark).replace(QLatin1Char('&'), QStringLiteral("&&")));
        item->setObjectName(QStringLiteral("mnuBookmarkListed"));
        connect(item, &QAction::triggered, this, [this, verse = mark.verse] { open(verse); });
        m_listed.append(item);
    }
}

void BookmarkList::open(const scripture::Reference& verse) {
    m_reading.openVerse(reading::placeOf(verse));
}

bool BookmarkList::inText(const scripture::Reference& verse) {
    const std::optional<scripture::ChapterText> chapter =
        m_scripture.chapter(reading::placeOf(verse).chapter);
    return chapter && chapter->offsetOfVerse(verse.firstVerse);
}

void BookmarkList::manage() {
    if (!m_dialog) {
        m_dialog = new BookmarksDialog(
            &m_window, m_store, m_messages,
            [this](const scripture::Reference& verse) { return inText(verse); });
        connect(m_dialog, &BookmarksDialog::opened, this, &BookmarkList::open);
    }
    m_dialog->refresh();
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}
