#pragma once

#include "bibleapp.h"
#include "controls/combobox.h"
#include "controls/textbox.h"
#include "mainwindow/mainwindow.h"
#include "placement/designnames.h"
#include "services/clipboard.h"
#include "services/messageboxes.h"
#include "services/mousepointer.h"
#include "services/printservice.h"
#include "support/faultyfilesystem.h"
#include "support/testfiles.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

// Message boxes that answer from a script and remember what they were asked. Unscripted, they
// answer as Enter does: with the default button.
struct ScriptedMessageBoxes : MessageBoxes {
    struct Asked {
        QString text;
        Buttons buttons;
        bool overAWindow; // some window was shown when it was asked
    };
    Answer ask(const QString& text, Buttons buttons, const QString&) override {
        asked.append({text, buttons, aWindowIsShown()});
        return !answers.isEmpty()                 ? answers.takeFirst()
               : buttons == YesNo                 ? Yes
               : buttons == OkCancelDefaultCancel ? Cancel
                                                  : Ok;
    }
    int choose(const QString& text, const QStringList&, int safeChoice, const QString&) override {
        asked.append({text, OkOnly, aWindowIsShown()});
        return chosen.isEmpty() ? safeChoice : chosen.takeFirst();
    }
    std::optional<QString> askText(const QString& label, const QString& offered,
                                   const QString&) override {
        asked.append({label, OkOnly, aWindowIsShown()});
        return typed.isEmpty() ? std::optional(offered) : typed.takeFirst();
    }
    static bool aWindowIsShown() {
        return std::ranges::any_of(QApplication::topLevelWidgets(), &QWidget::isVisible);
    }
    QList<Answer> answers; // taken from the front
    QList<int> chosen;     // likewise, for the questions whose buttons say what they do
    QList<std::optional<QString>> typed; // likewise, for a line asked for (nothing: cancelled)
    QList<Asked> asked;
};

struct RecordingMousePointer : MousePointer {
    void setBusy(bool busy) override { history.append(busy); }
    QList<bool> history;
};

struct MemoryClipboard : Clipboard {
    QString text() const override { return held.value_or(QString()); }
    void setText(const QString& text) override { held = text; }
    bool hasText() const override { return held.has_value(); }
    QString selectionText() const override { return {}; }
    std::optional<QString> held;
};

struct PdfPrintService : PrintService {
    explicit PdfPrintService(QString folder)
        : folder(std::move(folder)) {}
    Outcome print(const QString& documentName, const Painter& paint) override;
    const QString folder;
    QStringList printedFiles;
};

// A whole program in a temporary program folder with a copy of the real Bible.dat.
class AppFixture {
    QTemporaryDir m_dir; // first: the printer writes into it
    std::unique_ptr<BibleApp> m_app;

public:
    AppFixture();

    QString folder() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QByteArray readBytes(const QString& name) const { return testfiles::bytesOf(path(name)); }
    bool writeBytes(const QString& name, const QByteArray& bytes) const {
        return testfiles::put(path(name), bytes);
    }

    // Starts the program and waits for its window, and for the scripture text unless told not to.
    BibleApp& start(bool waitForText = true);
    BibleApp& app() { return *m_app; }
    MainWindow& window() { return m_app->window(); }
    // A control or menu item of the main window, found by the design's name for it, which the
    // window keeps as its object name; a name the window lacks ends the test program.
    template <typename Widget = QWidget> Widget* control(const char* name) {
        Widget* found = window().findChild<Widget*>(QLatin1String(name));
        if (!found)
            qFatal("The main window has no %s", name);
        return found;
    }
    template <typename Widget = QWidget> Widget* control(placement::Control placed) {
        return control<Widget>(placement::designName(placed).data());
    }
    ComboBox* combo(placement::Control placed) { return control<ComboBox>(placed); }
    TextBox* textBox(placement::Control placed) { return control<TextBox>(placed); }
    QAction* menuItem(const char* name) { return control<QAction>(name); }
    void trigger(const char* name) { menuItem(name)->trigger(); }
    // Picks a book, then a chapter, as a user does; and the two as the boxes show them.
    void showChapter(const QString& book, const QString& chapter);
    QString chapterShown();

    FaultyFileSystem files;
    ScriptedMessageBoxes messages;
    RecordingMousePointer pointer;
    MemoryClipboard clipboard;
    Clipboard* clipboardInUse = &clipboard; // or the desktop's own, to test what Qt does with it
    PdfPrintService printer{m_dir.path()};
};

// As a user does, letting the focus events run: focus, Tab, a pick from a combo box's list, and
// typing over all of a control's text (an empty text deletes it).
void focusOn(QWidget* widget);
void pressTab();
void pick(ComboBox* combo, const QString& item);
void typeOver(QWidget* control, const QString& text);
// The font of the boxes that show scripture, as "family [bold] [italic] size", or "mixed".
QString displayFont(MainWindow& w);
// Around every pixel darker than the gray level given.
QRect inkIn(const QImage& picture, int lighterThan);
