#pragma once

#include "bibleapp.h"
#include "mainwindow/frmbible.h"
#include "services/clipboard.h"
#include "support/fakeplatform.h"

#include <QTemporaryDir>

#include <memory>

// A whole program in a temporary program folder, with scripted message boxes, a recorded
// pointer, a private clipboard and a PDF printer.
class AppFixture {
public:
    enum class Bible { Real, Missing };
    explicit AppFixture(Bible bible = Bible::Real);

    QString folder() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QByteArray readBytes(const QString& name) const;
    void writeBytes(const QString& name, const QByteArray& bytes) const;

    // Builds the program, runs its start-up, shows the window and waits until it is active.
    BibleApp& start();
    BibleApp& app() { return *m_app; }
    FrmBible& window() { return m_app->window(); }

    FaultyFileSystem files;
    ScriptedMessageBoxes messages;
    RecordingMousePointer pointer;
    MemoryClipboard clipboard;
    // The desktop's own clipboard instead, for tests of what Qt does with it.
    SystemClipboard systemClipboard;
    bool useSystemClipboard = false;
    std::unique_ptr<PdfPrintService> printer;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<BibleApp> m_app;
};

// Moves the keyboard focus as a user would, and lets the focus events run.
void focusOn(QWidget* widget);
// Presses Tab in the focused control.
void pressTab(QWidget* window);
// Picks the item from the combo box's drop-down list, as a user does.
void pickItem(ComboBox* combo, const QString& item);
// Focuses the control, selects all its text and types over it (an empty text deletes it).
void typeOver(QWidget* control, const QString& text);
// The verse text of a reference such as "John 3:16", read straight from the scripture file.
QString verseText(const QString& verseReference);
// Runs a command-line tool; its standard output, or nothing when it fails.
QString runTool(const QString& program, const QStringList& arguments);
// The page count pdfinfo reads from a PDF file, or -1.
int pdfPages(const QString& pdf);
