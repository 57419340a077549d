#include "reading/bookmarkcommands.h"

#include "bookmark/bookmarkfile.h"
#include "bookmark/bookmarkrecord.h"
#include "controls/combobox.h"
#include "controls/textbox.h"
#include "reading/readingarea.h"
#include "scripture/chapterwalk.h"
#include "services/messageboxes.h"
#include "services/mousepointer.h"
#include "services/services.h"
#include "storage/filesystem.h"
#include "storage/storage.h"
#include "text/linebreak.h"

#include <QAction>
#include <QStatusBar>

namespace {
constexpr int kSummaryShownMs = 8000;
} // namespace

BookmarkCommands::BookmarkCommands(const ReadingView& view, QAction* setBookmark,
                                   QAction* goToBookmark, Storage& storage, Services& services,
                                   ReadingArea& reading)
    : m_view(view)
    , m_storage(storage)
    , m_services(services)
    , m_reading(reading) {
    connect(setBookmark, &QAction::triggered, this, &BookmarkCommands::setBookmark);
    connect(goToBookmark, &QAction::triggered, this, &BookmarkCommands::goToBookmark);
}

// The status line tells where it was set, for a while: a bookmark set leaves no other sign.
void BookmarkCommands::setBookmark() {
    const QString book = m_view.bookBox->text();
    const QString chapter = m_view.chapterBox->text();
    const FileSystem::Result written =
        bookmark::save(m_storage, book, chapter, m_view.readingText->selStart());
    if (written.ok)
        m_view.statusLine->showMessage(bookmark::setSummary(book, chapter), kSummaryShownMs);
    if (!written.ok)
        m_services.messages.ask(QStringLiteral("The bookmark could not be saved.") + text::kCrLf +
                                    written.error,
                                MessageBoxes::OkOnly, kProgramMessageTitle);
}

void BookmarkCommands::goToBookmark() {
    BusyScope busy(m_services.pointer);
    const RecordFile::Contents saved = bookmark::read(m_storage);
    if (saved.status == RecordFile::Contents::Missing)
        return;
    if (saved.status == RecordFile::Contents::Failed) {
        m_services.messages.ask(QStringLiteral("The bookmark could not be read.") + text::kCrLf +
                                    saved.error,
                                MessageBoxes::OkOnly, kProgramMessageTitle);
        return;
    }
    const bookmark::Position position = bookmark::parse(saved.fields);
    // The chapter list follows the bookmark's book, so that a chapter picked from it next
    // exists.
    m_reading.showBookAndChapter(position.book, position.chapter);
    if (m_reading.showChapter(scripture::typedChapter(position.book, position.chapter))) {
        m_view.readingText->setSelStart(position.caretOffset);
        m_reading.arrived(m_reading.markVerseAt(m_view.readingText->selStart()));
    }
}
