#pragma once

#include "app/platform/platform.h"

#include <memory>

class FrmBible;
class ReadingArea;
class ScriptureText;
class SubjectList;

// Builds the main window, attaches every subsystem's handlers to it, and runs the start-up.
class BibleApp {
public:
    explicit BibleApp(Platform platform);
    ~BibleApp();

    FrmBible& window() { return *m_window; }
    Platform& platform() { return m_platform; }

    // Prepares every list and text, checks the files and applies the saved font; run once,
    // before the window is first shown.
    void load();

    QString helpFile() const { return m_helpFile; }
    SubjectList& subjects() { return *m_subjects; }
    ScriptureText& scripture() { return *m_scripture; }
    ReadingArea& readingArea() { return *m_reading; }

private:
    void fillLists();
    void showFavoritesPage();
    void checkScriptureFile();
    void createVersesFolder();

    Platform m_platform;
    std::unique_ptr<FrmBible> m_window;
    std::unique_ptr<ScriptureText> m_scripture;
    std::unique_ptr<ReadingArea> m_reading;
    std::unique_ptr<SubjectList> m_subjects;
    QString m_helpFile;
};
