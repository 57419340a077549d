#include "reading/bookmarkcommands.h"

#include "bookmark/bookmarkrecord.h"
#include "controls/combobox.h"
#include "controls/textbox.h"
#include "mainwindow/menus.h"
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

BookmarkCommands::BookmarkCommands(const ReadingView& view, const Menus& menus, Storage& storage,
                                   Services& services, ReadingArea& reading)
    : m_view(view)
    , m_storage(storage)
    , m_services(services)
    , m_reading(reading) {
    connect(menus.setBookmark, &QAction::triggered, this, &BookmarkCommands::setBookmark);
    connect(menus.goToBookmark, &QAction::triggered, this, &BookmarkCommands::goToBookmark);
}

void BookmarkCommands::setBookmark() {
    const QString record = bookmark::format(m_view.bookBox->text(), m_view.chapterBox->text(),
                                            m_view.readingText->selStart());
    const FileSystem::Result written =
        m_storage.files.writeAll(m_storage.folder.bookmarkPath(), record);
    if (!written.ok)
        m_services.messages.ask(QStringLiteral("The bookmark could not be saved.\r\n") +
                                    written.error,
                                MessageBoxes::OkOnly, kTitle);
}

void BookmarkCommands::goToBookmark() {
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
        m_view.readingText->setSelStart(position.caretOffset);
        m_reading.markVerseAt(m_view.readingText->selStart());
    }
}
