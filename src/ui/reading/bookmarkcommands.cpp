#include "reading/bookmarkcommands.h"

#include "bookmark/bookmarkrecord.h"
#include "controls/combobox.h"
#include "controls/textbox.h"
#include "mainwindow/frmbible.h"
#include "reading/readingarea.h"
#include "services/messageboxes.h"
#include "services/mousepointer.h"
#include "services/services.h"
#include "storage/filesystem.h"
#include "storage/storage.h"

#include <QAction>

namespace {
const QString kTitle = QStringLiteral("Bible ORV");
}

BookmarkCommands::BookmarkCommands(FrmBible& window, Storage& storage, Services& services,
                                   ReadingArea& reading)
    : m_window(window)
    , m_storage(storage)
    , m_services(services)
    , m_reading(reading) {
    connect(window.menus.mnuSetBookmark, &QAction::triggered, this,
            &BookmarkCommands::mnuSetBookmark_Click);
    connect(window.menus.mnuGoToBookmark, &QAction::triggered, this,
            &BookmarkCommands::mnuGoToBookmark_Click);
}

void BookmarkCommands::mnuSetBookmark_Click() {
    const QString record =
        bookmark::format(m_window.ComboBooks->text(), m_window.ComboChapter->text(),
                         m_window.TextVerses->selStart());
    const FileSystem::Result written =
        m_storage.files.writeAll(m_storage.folder.bookmarkPath(), record);
    if (!written.ok)
        m_services.messages.ask(QStringLiteral("The bookmark could not be saved.\r\n") +
                                    written.error,
                                MessageBoxes::OkOnly, kTitle);
}

void BookmarkCommands::mnuGoToBookmark_Click() {
    BusyScope busy(m_services.pointer);
    const QString path = m_storage.folder.bookmarkPath();
    if (!m_storage.files.fileExists(path))
        return;
    QStringList lines;
    const FileSystem::ReadResult read =
        m_storage.files.readLines(path, lines, bookmark::kRecordLines);
    if (!read.ok) {
        m_services.messages.ask(QStringLiteral("The bookmark could not be read.\r\n") + read.error,
                                MessageBoxes::OkOnly, kTitle);
        return;
    }
    const bookmark::Position position = bookmark::parse(lines);
    // The chapter list follows the bookmark's book, so that a chapter picked from it next
    // exists.
    m_reading.showBookAndChapter(position.book, position.chapter);
    if (m_reading.showChapter(position.book + QLatin1Char(' ') + position.chapter +
                              QLatin1Char(':'))) {
        m_window.TextVerses->setSelStart(position.caretOffset);
        m_reading.markVerseAt(m_window.TextVerses->selStart());
    }
}
