#pragma once

#include "reading/textswitchplace.h"
#include "services/services.h"
#include "storage/storage.h"

#include <QStringList>

class QCloseEvent;

#include <memory>

class BookmarkCommands;
class BookmarkList;
class HighlightCommands;
class NoteCommands;
class CompareCommand;
class EditCommands;
class ExitCommand;
class FavoritesPage;
class FontSizeKeys;
class HelpPage;
class MainWindow;
class OpenWindows;
class PageSwitcher;
class PrintSubjectCommand;
class PrintWindowCommand;
class ReadingArea;
class ScriptureText;
class SettingsFile;
class SearchPage;
class SetFontCommand;
class SubjectFiles;
class TextsMenu;
class TextSwitcher;
class VerseLookup;
class WindowMemory;

namespace prefs {
class DisplayFont;
}
namespace texts {
class TextShelf;
}
namespace study {
class MarkStore;
}

// Builds the main window, gives every page's handlers the controls of their page, connects the
// pages, and runs the start-up.
class BibleApp {
public:
    BibleApp(Storage storage, Services services);
    ~BibleApp();

    MainWindow& window() { return *m_window; }

    // Starts reading the scripture text, prepares every list and text, checks the files and
    // applies the saved font; run once, before the window is first shown.
    void load();
    // Shows the window, then what start-up found wrong, each once, over it.
    void show();

    ScriptureText& scripture() { return *m_scripture; }
    ReadingArea& readingArea() { return *m_reading; }
    // What the window remembers between runs: read by load(), written as the window closes.
    SettingsFile& settings() { return *m_settings; }
    // Built, hidden, when asked for before the page was first shown.
    SearchPage& searchPage();

private:
    void checkScriptureFile();
    void reportScriptureProblem(const QString& problem);
    void tellOnceShown(const QString& text);
    void prepareDataFolders();
    void openWhereReadingStopped();
    void startSearchPage();
    void saveSettings(const QCloseEvent* closing);
    void startTexts();
    void startDisplayFont();
    void startMarks();
    void showInTextPicked(const QString& description);

    Storage m_storage;
    Services m_services;
    QStringList m_startupMessages; // told once the window is shown
    std::unique_ptr<OpenWindows> m_windows;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<SettingsFile> m_settings;
    std::unique_ptr<WindowMemory> m_windowMemory;
    std::unique_ptr<ScriptureText> m_scripture;
    std::unique_ptr<texts::TextShelf> m_shelf;
    std::unique_ptr<ReadingArea> m_reading;
    std::unique_ptr<SearchPage> m_search;
    std::unique_ptr<SubjectFiles> m_subjectFiles;
    std::unique_ptr<FavoritesPage> m_favorites;
    std::unique_ptr<VerseLookup> m_verseLookup;
    std::unique_ptr<PageSwitcher> m_pages;
    std::unique_ptr<HelpPage> m_help;
    std::unique_ptr<EditCommands> m_editCommands;
    std::unique_ptr<PrintWindowCommand> m_printWindow;
    std::unique_ptr<ExitCommand> m_exit;
    std::unique_ptr<PrintSubjectCommand> m_printSubject;
    std::unique_ptr<BookmarkCommands> m_bookmark;
    std::unique_ptr<study::MarkStore> m_bookmarkStore;
    std::unique_ptr<BookmarkList> m_bookmarks;
    std::unique_ptr<study::MarkStore> m_highlightStore;
    std::unique_ptr<HighlightCommands> m_highlights;
    std::unique_ptr<SubjectFiles> m_noteFiles;
    std::unique_ptr<NoteCommands> m_notes;
    std::unique_ptr<prefs::DisplayFont> m_displayFont;
    std::unique_ptr<SetFontCommand> m_setFont;
    std::unique_ptr<FontSizeKeys> m_fontSizeKeys;
    std::unique_ptr<TextsMenu> m_textsMenu;
    std::unique_ptr<TextSwitcher> m_textSwitcher; // its rendering stopped before the text goes
    std::optional<reading::PlaceAwaitingText> m_placeAwaitingText; // at start, in a module's text
    std::unique_ptr<CompareCommand> m_compare; // after the shelf: gone before it
};
