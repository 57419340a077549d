#include "bookmark/bookmarkcommands.h"

#include "app/filesystem.h"
#include "app/frmbible.h"
#include "app/platform/messageboxes.h"
#include "app/platform/mousepointer.h"
#include "app/platform/platform.h"
#include "app/toolkit/combobox.h"
#include "app/toolkit/textbox.h"
#include "bookmark/bookmarkrecord.h"
#include "scripture/readingarea.h"

#include <QAction>

namespace {
const QString kTitle = QStringLiteral("Bible ORV");
}

BookmarkCommands::BookmarkCommands(FrmBible& window, Platform& platform, ReadingArea& reading)
    : m_window(window)
    , m_platform(platform)
    , m_reading(reading) {
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
    // The chapter list follows the bookmark's book, so that a chapter picked from it next
    // exists.
    m_reading.showBookAndChapter(position.book, position.chapter);
    if (m_reading.showChapter(position.book + QLatin1Char(' ') + position.chapter +
                              QLatin1Char(':')))
        m_window.TextVerses->setSelStart(position.caretOffset);
}
