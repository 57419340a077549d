#include "bibleapp.h"

#include "bookmark/bookmarkfile.h"
#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "favorites/favoritessession.h"
#include "favorites/subjectfiles.h"
#include "favoritespage/subjecteditor.h"
#include "favoritespage/subjectlist.h"
#include "favoritespage/subjectprintcommand.h"
#include "favoritespage/verselookup.h"
#include "fontdialog/setfontcommand.h"
#include "fontdialog/startupfont.h"
#include "mainwindow/editcommands.h"
#include "mainwindow/exitcommand.h"
#include "mainwindow/frmbible.h"
#include "mainwindow/helppage.h"
#include "mainwindow/loadedforms.h"
#include "mainwindow/pageswitcher.h"
#include "mainwindow/printformcommand.h"
#include "prefs/preferencesfile.h"
#include "reading/bookmarkcommands.h"
#include "reading/readingarea.h"
#include "scripture/bookcatalogue.h"
#include "scripture/scripturetext.h"
#include "searchpage/searchpage.h"
#include "services/messageboxes.h"
#include "services/mousepointer.h"
#include "shell/placeholders.h"
#include "shell/welcometext.h"
#include "storage/datafolder.h"
#include "storage/filesystem.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QThread>
#include <QWindow>

#include <utility>

BibleApp::BibleApp(Storage storage, Services services)
    : m_storage(std::move(storage))
    , m_services(services)
    , m_forms(std::make_unique<LoadedForms>())
    , m_window(std::make_unique<FrmBible>()) {
    m_forms->add(m_window.get());
    m_scripture = std::make_unique<ScriptureText>(m_storage.files, m_storage.folder.biblePath());
    m_subjectFiles =
        std::make_unique<SubjectFiles>(m_storage.files, m_storage.folder.versesFolder());
    m_favoritesSession = std::make_unique<FavoritesSession>(*m_subjectFiles);
    m_subjects = std::make_unique<SubjectList>(*m_window, *m_subjectFiles, *m_favoritesSession,
                                               m_services.messages);
    m_subjectEditor = std::make_unique<SubjectEditor>(*m_window, *m_subjects, *m_favoritesSession,
                                                      m_services.messages);
    m_verseLookup = std::make_unique<VerseLookup>(*m_window, m_services.pointer, *m_scripture);
    QObject::connect(m_verseLookup.get(), &VerseLookup::lookedUp, m_subjectEditor.get(),
                     [this] { m_favoritesSession->verseLookedUp(); });
    m_reading = std::make_unique<ReadingArea>(*m_window, m_services.pointer, *m_scripture,
                                              m_services.clipboard);
    m_search = std::make_unique<SearchPage>(*m_window, m_services.pointer, *m_scripture);
    QObject::connect(m_search.get(), &SearchPage::searched, m_reading.get(),
                     &ReadingArea::setSearchedTerms);
    m_pages = std::make_unique<PageSwitcher>(*m_window);
    m_help = std::make_unique<HelpPage>(*m_window, m_storage.folder);
    QObject::connect(m_help.get(), &HelpPage::shown, m_reading.get(), &ReadingArea::forgetChapter);
    m_editCommands = std::make_unique<EditCommands>(*m_window, m_services.clipboard);
    m_printForm = std::make_unique<PrintFormCommand>(*m_window, m_services);
    m_exit = std::make_unique<ExitCommand>(*m_window, *m_forms);
    m_printSubject = std::make_unique<SubjectPrintCommand>(*m_window, m_services);
    m_bookmark = std::make_unique<BookmarkCommands>(*m_window, m_storage, m_services, *m_reading);
    m_setFont = std::make_unique<SetFontCommand>(*m_window, m_storage, m_services.messages);
}

// The handler objects go before the window, and their connections with them.
BibleApp::~BibleApp() = default;

void BibleApp::load() {
    // The text is read beside the rest of start-up, which never waits for it; a request made
    // before it is in waits for it then.
    m_scripture->startLoading();
    BusyScope busy(m_services.pointer);
    fillLists();
    m_window->TextVerses->setText(shell::welcomeText());
    m_window->TextSearch->setText(shell::kSearchPrompt);
    m_window->ListVerse->clear();
    m_window->ListVerse->addItem(shell::kResultHint);
    showFavoritesPage();
    checkScriptureFile();
    prepareDataFolders();
    for (const QString& folder : {m_storage.folder.versesFolder(), m_storage.folder.dataFolder()})
        m_storage.files.removeLeftoverSaves(folder);
    prefs::writeDefaultIfMissing(m_storage);
    bookmark::writeDefaultIfMissing(m_storage);
    if (const std::optional<prefs::FontRequest> font = prefs::savedRequest(m_storage))
        applyFontRequest(*font, m_window->displayControls());
    // Showing the placeholder is a change of the subject box, which counts as an edit until
    // the box or the favorites list first gets the focus.
    m_subjects->ListCategories();
    m_window->ComboCategory->setText(shell::kSelectSubject);
}

void BibleApp::fillLists() {
    const QStringList bookList = scripture::bookList();
    m_window->ComboBooks->setText(shell::kBooks);
    m_window->ComboBooks->addItems(bookList);
    m_window->ComboSearch->setText(shell::kSelectBook);
    m_window->ComboSearch->addItem(shell::kTheBible);
    m_window->ComboSearch->addItems(bookList);
    m_window->ComboBookFavorites->setText(shell::kBooks);
    m_window->ComboBookFavorites->addItems(bookList);
    m_window->ComboChapter->setText(shell::kChapter);
}

void BibleApp::showFavoritesPage() {
    FrmBible& w = *m_window;
    for (QWidget* shown :
         {static_cast<QWidget*>(w.Label1), static_cast<QWidget*>(w.ComboBooks),
          static_cast<QWidget*>(w.ComboChapter), static_cast<QWidget*>(w.TextVerses)})
        shown->setVisible(true);
    for (QWidget* hidden :
         {static_cast<QWidget*>(w.Label2), static_cast<QWidget*>(w.TextSearch),
          static_cast<QWidget*>(w.ComboSearch), static_cast<QWidget*>(w.ListVerse)})
        hidden->setVisible(false);
    for (QWidget* shown :
         {static_cast<QWidget*>(w.Label4), static_cast<QWidget*>(w.TextFavorites),
          static_cast<QWidget*>(w.ComboBookFavorites), static_cast<QWidget*>(w.TextVersesFavorites),
          static_cast<QWidget*>(w.CommandAddFavorite), static_cast<QWidget*>(w.TextFavoritesList)})
        shown->setVisible(true);
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
        reportScriptureProblem(QStringLiteral("Bible.dat could not be read.\r\n") + readable.error);
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
    m_window->show();
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
        m_services.messages.ask(text, MessageBoxes::OkOnly, QStringLiteral("Bible ORV"));
}

// The user hears once, naming the folder and the reason, when what they save cannot be kept;
// a save that fails later names the same reason.
void BibleApp::prepareDataFolders() {
    const QString problem = storage::startupFolderProblem(m_storage.folder);
    if (!problem.isEmpty())
        tellOnceShown(problem);
}
