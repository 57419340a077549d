#include "bookmark/bookmarkcommands.h"

#include "app/filesystem.h"
#include "app/frmbible.h"
#include "app/platform/messageboxes.h"
#include "app/platform/mousepointer.h"
#include "app/platform/platform.h"
#include "app/toolkit/combobox.h"
#include "app/toolkit/textbox.h"
#include "bookmark/bookmarkrecord.h"
#include "scripture/bookcatalogue.h"
#include "scripture/scripturetext.h"

#include <QAction>

namespace {
const QString kTitle = QStringLiteral("Bible ORV");
}

BookmarkCommands::BookmarkCommands(FrmBible& window, Platform& platform, ScriptureText& scripture)
    : m_window(window)
    , m_platform(platform)
    , m_scripture(scripture) {
    connect(window.menus.mnuSetBookmark, &QAction::triggered, this,
            &BookmarkCommands::mnuSetBookmark_Click);
    connect(window.menus.mnuGoToBookmark, &QAction::triggered, this,
            &BookmarkCommands::mnuGoToBookmark_Click);
}

void BookmarkCommands::mnuSetBookmark_Click() {
    const QString strText =
        bookmark::format(m_window.ComboBooks->text(), m_window.ComboChapter->text(),
                         m_window.TextVerses->selStart());
    const FileSystem::Result written =
        m_platform.files.writeAll(m_platform.folder.bookmarkPath(), strText);
    if (!written.ok)
        m_platform.messages.ask(QStringLiteral("The bookmark could not be saved.\r\n") +
                                    written.error,
                                MessageBoxes::OkOnly, kTitle);
}

void BookmarkCommands::mnuGoToBookmark_Click() {
    BusyScope busy(m_platform.pointer);
    const QString path = m_platform.folder.bookmarkPath();
    if (!m_platform.files.fileExists(path))
        return;
    QStringList lines;
    const FileSystem::ReadResult read = m_platform.files.readLines(path, lines);
    if (!read.ok) {
        m_platform.messages.ask(QStringLiteral("The bookmark could not be read.\r\n") + read.error,
                                MessageBoxes::OkOnly, kTitle);
        return;
    }
    const bookmark::Position position = bookmark::parse(lines);
    showChapterList(position.book, position.chapter);
    showChapter(position.book + QLatin1Char(' ') + position.chapter + QLatin1Char(':'),
                position.caretOffset);
}

// The chapter list follows the bookmark's book, so that a chapter picked from it next exists.
// A text that names no book gets an empty list.
void BookmarkCommands::showChapterList(const QString& book, const QString& chapter) {
    m_window.ComboBooks->setText(book);
    m_window.ComboChapter->clear(); // empties the text as well
    if (const std::optional<int> count = books::chapterCount(book))
        m_window.ComboChapter->addItems(books::chapterList(*count));
    m_window.ComboChapter->setText(chapter);
}

void BookmarkCommands::showChapter(const QString& prefix, int caretOffset) {
    const std::optional<QString> strText = m_scripture.chapterText(prefix);
    if (!strText)
        return; // no Bible.dat: the reading area keeps what it shows
    m_window.TextVerses->setText(*strText);
    m_window.TextVerses->setFocus(Qt::OtherFocusReason);
    m_window.TextVerses->setSelStart(caretOffset);
}
