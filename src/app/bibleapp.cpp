#include "bibleapp.h"

#include "bookmark/bookmarkfile.h"
#include "bookmarksdialog/bookmarklist.h"
#include "comparedialog/comparecommand.h"
#include "controls/design.h"
#include "controls/textbox.h"
#include "favorites/subjectfiles.h"
#include "favoritespage/favoritespage.h"
#include "favoritespage/printsubjectcommand.h"
#include "favoritespage/verselookup.h"
#include "fontdialog/fontsizekeys.h"
#include "fontdialog/setfontcommand.h"
#include "mainwindow/editcommands.h"
#include "mainwindow/exitcommand.h"
#include "mainwindow/helppage.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/openwindows.h"
#include "mainwindow/pageswitcher.h"
#include "mainwindow/printwindowcommand.h"
#include "mainwindow/windowmemory.h"
#include "notewindow/notecommands.h"
#include "prefs/displayfont.h"
#include "prefs/preferencesfile.h"
#include "reading/bookmarkcommands.h"
#include "reading/highlightcommands.h"
#include "reading/readingarea.h"
#include "reading/startplace.h"
#include "report/logging.h"
#include "scripture/scripturetext.h"
#include "searchpage/searchpage.h"
#include "services/messageboxes.h"
#include "services/mousepointer.h"
#include "settings/settingsfile.h"
#include "storage/datafolder.h"
#include "storage/filesystem.h"
#include "study/markstore.h"
#include "text/linebreak.h"
#include "texts/textshelf.h"
#include "texts/textsmenu.h"
#include "texts/textswitcher.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QMenu>
#include <QThread>
#include <QWindow>

#include <utility>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// A search's lines and the result list's layout are large blocks, made again at every search.
// With a fixed threshold, the C library maps every block from this size up on its own and hands
// it back to the system when it is freed. Left to itself it would raise the threshold to the
// largest block freed so far and keep the next ones on its heap, where the pieces a growing list
// leaves behind stay resident.
void returnLargeBlocksWhenFreed() {
#if defined(__GLIBC__)
    constexpr int kLargeBlock = 128 * 1024; // the library's own starting threshold
    mallopt(M_MMAP_THRESHOLD, kLargeBlock);
#endif
}

} // namespace

BibleApp::BibleApp(Storage storage, Services services)
    : m_storage(std::move(storage))
    , m_services(services)
    , m_windows(std::make_unique<OpenWindows>())
    , m_window(std::make_unique<MainWindow>()) {
    returnLargeBlocksWhenFreed();
    m_windows->add(m_window.get());
    MainWindow& w = *m_window;
    const Menus& menus = w.menus();
    m_settings = std::make_unique<SettingsFile>(m_storage.files, m_storage.folder.settingsPath());
    m_windowMemory = std::make_unique<WindowMemory>(w, *m_settings);
    m_scripture = std::make_unique<ScriptureText>(m_storage.files, m_storage.folder.biblePath());
    m_subjectFiles =
        std::make_unique<SubjectFiles>(m_storage.files, m_storage.folder.versesFolder());
    m_favorites =
        std::make_unique<FavoritesPage>(w.favoritesView(), *m_subjectFiles, m_services.messages);
    QObject::connect(&w, &MainWindow::closing, m_favorites.get(), &FavoritesPage::onWindowClosing);
    m_verseLookup =
        std::make_unique<VerseLookup>(w.favoritesView(), m_services.pointer, *m_scripture);
    QObject::connect(m_verseLookup.get(), &VerseLookup::lookedUp, m_favorites.get(),
                     &FavoritesPage::onVerseLookedUp);
    const ReadingCommands reading{menus.nextChapter,
                                  menus.previousChapter,
                                  menus.copyWithReference,
                                  menus.compareTexts,
                                  menus.highlightMenu->menuAction(),
                                  menus.noteOnVerse,
                                  menus.goToReference,
                                  menus.back,
                                  menus.forward};
    m_reading = std::make_unique<ReadingArea>(w.readingView(), reading, m_services.pointer,
                                              *m_scripture, m_services.clipboard);
    QObject::connect(&w, &MainWindow::searchPageBuilt, &w, [this] { startSearchPage(); });
    m_pages = std::make_unique<PageSwitcher>(w);
    m_help = std::make_unique<HelpPage>(*w.readingView().readingText, menus, m_storage.folder);
    QObject::connect(m_help.get(), &HelpPage::shown, m_reading.get(), &ReadingArea::forgetChapter);
    m_editCommands = std::make_unique<EditCommands>(w, m_services.clipboard);
    m_printWindow = std::make_unique<PrintWindowCommand>(w, menus, m_services);
    m_exit = std::make_unique<ExitCommand>(w, menus, *m_windows);
    m_printSubject =
        std::make_unique<PrintSubjectCommand>(w.favoritesView(), menus.printSubject, m_services);
    m_bookmark = std::make_unique<BookmarkCommands>(
        w.readingView(), menus.setBookmark, menus.goToBookmark, m_storage, m_services, *m_reading);
    startMarks();
    startDisplayFont();
    startTexts();
    m_compare = std::make_unique<CompareCommand>(w, menus, *m_reading, *m_shelf, m_services.pointer,
                                                 m_services.clipboard);
    // After every handler that may keep the window open has had its say.
    QObject::connect(&w, &MainWindow::closing, &w,
                     [this](const QCloseEvent* closing) { saveSettings(closing); });
}

// The handler objects go before the window, and their connections with them.
BibleApp::~BibleApp() = default;

void BibleApp::load() {
    // The text is read beside the rest of start-up, which never waits for it; a request made
    // before it is in waits for it then.
    m_scripture->startLoading();
    BusyScope busy(m_services.pointer);
    m_reading->prepare();
    m_verseLookup->prepare();
    m_pages->show(PageSwitcher::Page::Favorites);
    checkScriptureFile();
    prepareDataFolders();
    for (const QString& folder : {m_storage.folder.versesFolder(), m_storage.folder.dataFolder()})
        m_storage.files.removeLeftoverSaves(folder);
    prefs::writeDefaultIfMissing(m_storage);
    bookmark::writeDefaultIfMissing(m_storage);
    m_displayFont->takeSaved();
    m_favorites->prepare();
    m_settings->load();
    openWhereReadingStopped();
}

// The reader's own bookmarks, highlights and notes, each file read as it is needed.
void BibleApp::startMarks() {
    const Menus& menus = m_window->menus();
    m_bookmarkStore =
        std::make_unique<study::MarkStore>(m_storage.files, m_storage.folder.bookmarksPath());
    m_bookmarks = std::make_unique<BookmarkList>(*m_window, menus, *m_reading, *m_scripture,
                                                 *m_bookmarkStore, m_services.messages);
    m_highlightStore =
        std::make_unique<study::MarkStore>(m_storage.files, m_storage.folder.highlightsPath());
    m_highlights = std::make_unique<HighlightCommands>(
        menus.highlight, menus.clearHighlight, *m_reading, *m_highlightStore, m_services.messages);
    m_noteFiles = std::make_unique<SubjectFiles>(m_storage.files, m_storage.folder.notesFolder());
    m_notes = std::make_unique<NoteCommands>(*m_window, menus.noteOnVerse, *m_reading, *m_noteFiles,
                                             m_services.messages);
    QObject::connect(m_window.get(), &MainWindow::closing, m_notes.get(), &NoteCommands::onClosing);
}

// The dialog and the size keys set the display font; the window shows it as it changes.
void BibleApp::startDisplayFont() {
    MainWindow& w = *m_window;
    const Menus& menus = w.menus();
    m_displayFont = std::make_unique<prefs::DisplayFont>(m_storage, design::font().pointSizeF());
    QObject::connect(m_displayFont.get(), &prefs::DisplayFont::changed, &w,
                     &MainWindow::showDisplayFont);
    m_setFont =
        std::make_unique<SetFontCommand>(menus.setFont, w, *m_displayFont, m_services.messages);
    m_fontSizeKeys = std::make_unique<FontSizeKeys>(
        FontSizeKeys::Commands{menus.biggerText, menus.smallerText, menus.normalSize,
                               w.readingView().readingText->viewport()},
        *m_displayFont, m_services.messages);
}

// The SWORD library's texts beside Bible.dat: listed when the Texts menu is first opened, so
// that a start on Bible.dat never loads the library.
void BibleApp::startTexts() {
    MainWindow& w = *m_window;
    m_shelf = std::make_unique<texts::TextShelf>(
        texts::TextShelf::ofThisProgram(m_storage.files, m_storage.folder.biblePath()));
    // Without the SWORD library the menu holds Bible.dat alone, and says why.
    m_textsMenu =
        std::make_unique<TextsMenu>(w.menus().texts, &w, texts::kBibleDatDescription, [this] {
            TextsMenu::Listing listing;
            for (const texts::Text& text : m_shelf->texts())
                listing.descriptions << text.description;
            listing.problem = m_shelf->problemText();
            return listing;
        });
    m_textSwitcher = std::make_unique<TextSwitcher>(*m_shelf, *m_scripture, *m_textsMenu,
                                                    w.menus().stopRendering, w.statusBar());
    QObject::connect(m_textSwitcher.get(), &TextSwitcher::switched, &w,
                     [this](const QString& description) { showInTextPicked(description); });
    // A chapter the reader goes to while the remembered text is read is not taken from them.
    QObject::connect(m_reading.get(), &ReadingArea::chapterShown, &w,
                     [this] { m_placeAwaitingText.reset(); });
}

// The chapter read stays, the verse at its top line at the top in the other text; the place
// saved at the last start in this text as it was saved.
void BibleApp::showInTextPicked(const QString& description) {
    m_window->nameText(description);
    const std::optional<reading::ReadingPlace> shown = m_reading->shownPlace();
    const std::optional<reading::PlaceAwaitingText> awaiting =
        std::exchange(m_placeAwaitingText, std::nullopt);
    if (!shown)
        return;
    const VerseText& text = m_scripture->text();
    std::optional<reading::ReadingPlace> place =
        awaiting ? reading::awaitedPlace(*awaiting, m_textSwitcher->shownName(), text)
                 : std::nullopt;
    if (!place)
        place = reading::sameVerseIn(*shown, m_reading->readingText().text(), text);
    m_reading->showPlace(place.value_or(reading::ReadingPlace{shown->chapter, 0}));
}

// The search page's handlers, once its controls are built.
void BibleApp::startSearchPage() {
    m_search =
        std::make_unique<SearchPage>(m_window->searchView(), m_services.pointer, *m_scripture);
    QObject::connect(m_search.get(), &SearchPage::searched, m_reading.get(),
                     &ReadingArea::setSearchedTerms);
    QObject::connect(m_search.get(), &SearchPage::resultPicked, m_reading.get(),
                     &ReadingArea::openResult);
    QObject::connect(m_search.get(), &SearchPage::resultEntered, m_reading.get(),
                     &ReadingArea::focusReadingText);
    m_search->prepare();
}

SearchPage& BibleApp::searchPage() {
    m_window->buildSearchPage();
    return *m_search;
}

// Waits for the text, which start-up otherwise never does, only when there is a chapter to open.
void BibleApp::openWhereReadingStopped() {
    const reading::StartPlace start = reading::savedStartPlace(*m_settings);
    if (start.searchPageShown)
        m_pages->show(PageSwitcher::Page::Search);
    m_favorites->reopen(start.subject);
    if (start.place) {
        m_scripture->refresh();
        if (const std::optional<reading::ReadingPlace> place =
                reading::placeInText(*start.place, m_scripture->text()))
            m_reading->showPlace(*place);
        if (!start.text.isEmpty())
            m_placeAwaitingText = {start.text, *start.place};
    }
    m_textSwitcher->reopen(start.text);
}

// What the window remembers is no word of the user's: a settings file that cannot be written is
// logged, and the window closes as it would have.
void BibleApp::saveSettings(const QCloseEvent* closing) {
    if (!closing->isAccepted())
        return;
    m_windowMemory->keep();
    reading::keepStartPlace(*m_settings, {m_reading->shownPlace(),
                                          m_pages->shown() == PageSwitcher::Page::Search,
                                          m_favorites->subjectToReopen().value_or(QString()),
                                          m_textSwitcher->shownName()});
    if (const FileSystem::Result saved = m_settings->save(); !saved.ok)
        qCWarning(report::lcFiles) << "settings not saved:" << saved.error;
}

// The text is read on a thread of its own: a file that is there but cannot be read is found
// here by opening it, so that the problem is told at start-up, once, like a missing file.
void BibleApp::checkScriptureFile() {
    const QString path = m_storage.folder.biblePath();
    if (!m_storage.files.fileExists(path)) {
        tellOnceShown(storage::scriptureMissingText(m_storage.folder));
        return;
    }
    const FileSystem::Result readable = m_storage.files.canRead(path);
    if (!readable.ok)
        reportScriptureProblem(QStringLiteral("Bible.dat could not be read.") + text::kCrLf +
                               readable.error);
}

void BibleApp::reportScriptureProblem(const QString& problem) {
    tellOnceShown(QDir::toNativeSeparators(m_storage.folder.scriptureFolder()) + QDir::separator() +
                  problem);
}

// Told over the window, once it is there, rather than at the screen's corner before it.
void BibleApp::tellOnceShown(const QString& text) {
    m_startupMessages << text;
}

void BibleApp::show() {
    m_windowMemory->restore();
    m_window->show();
    m_windowMemory->maximizeIfKept();
    // The box is centred over the window, whose place the window manager gives only as it maps
    // it; without a window manager that answers, the box goes on after a second.
    const QDeadlineTimer deadline(1000);
    const QWindow* handle = m_window->windowHandle();
    while (!m_startupMessages.isEmpty() && handle && !handle->isExposed() &&
           !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    for (const QString& text : std::exchange(m_startupMessages, {}))
        m_services.messages.ask(text, MessageBoxes::OkOnly, kProgramMessageTitle);
}

// The user hears once, naming the folder and the reason, when what they save cannot be kept;
// a save that fails later names the same reason.
void BibleApp::prepareDataFolders() {
    const QString problem = storage::startupFolderProblem(m_storage.folder);
    if (!problem.isEmpty())
        tellOnceShown(problem);
}
