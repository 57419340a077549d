#pragma once

#include "services/services.h"
#include "storage/storage.h"

#include <QStringList>

#include <memory>

class EditCommands;
class ExitCommand;
class FrmBible;
class HelpPage;
class LoadedForms;
class PageSwitcher;
class PrintFormCommand;
class ReadingArea;
class SearchPage;
class ScriptureText;
class FavoritesSession;
class SubjectEditor;
class SubjectList;
class SubjectFiles;
class SubjectPrintCommand;
class BookmarkCommands;
class SetFontCommand;
class VerseLookup;

// Builds the main window, attaches every subsystem's handlers to it, and runs the start-up.
class BibleApp {
public:
    BibleApp(Storage storage, Services services);
    ~BibleApp();

    FrmBible& window() { return *m_window; }

    // Starts reading the scripture text, prepares every list and text, checks the files and
    // applies the saved font; run once, before the window is first shown.
    void load();
    // Shows the window, then what start-up found wrong, each once, over it.
    void show();

    SubjectList& subjects() { return *m_subjects; }
    FavoritesSession& favoritesSession() { return *m_favoritesSession; }
    ScriptureText& scripture() { return *m_scripture; }
    ReadingArea& readingArea() { return *m_reading; }
    SearchPage& searchPage() { return *m_search; }
    // The open windows in load order; File > Exit closes them, the last loaded first.
    LoadedForms& forms() { return *m_forms; }

private:
    void fillLists();
    void showFavoritesPage();
    void checkScriptureFile();
    void reportScriptureProblem(const QString& problem);
    void tellOnceShown(const QString& text);
    void prepareDataFolders();

    Storage m_storage;
    Services m_services;
    QStringList m_startupMessages; // told once the window is shown
    std::unique_ptr<LoadedForms> m_forms;
    std::unique_ptr<FrmBible> m_window;
    std::unique_ptr<ScriptureText> m_scripture;
    std::unique_ptr<ReadingArea> m_reading;
    std::unique_ptr<SearchPage> m_search;
    std::unique_ptr<SubjectFiles> m_subjectFiles;
    std::unique_ptr<FavoritesSession> m_favoritesSession;
    std::unique_ptr<SubjectList> m_subjects;
    std::unique_ptr<SubjectEditor> m_subjectEditor;
    std::unique_ptr<VerseLookup> m_verseLookup;
    std::unique_ptr<PageSwitcher> m_pages;
    std::unique_ptr<HelpPage> m_help;
    std::unique_ptr<EditCommands> m_editCommands;
    std::unique_ptr<PrintFormCommand> m_printForm;
    std::unique_ptr<ExitCommand> m_exit;
    std::unique_ptr<SubjectPrintCommand> m_printSubject;
    std::unique_ptr<BookmarkCommands> m_bookmark;
    std::unique_ptr<SetFontCommand> m_setFont;
};
