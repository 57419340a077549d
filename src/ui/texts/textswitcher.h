#pragma once

#include "texts/textshelf.h"

#include <QObject>

#include <thread>

class QAction;
class QStatusBar;
class ScriptureText;
class TextsMenu;

// The text the window reads, picked in the Texts menu: read from then on once its file is there.
// A module's first rendering runs on a thread of its own, so the window keeps answering; its
// progress is in the status line, and Texts > Stop Rendering (Esc) stops it, leaving the text
// shown as it was. A later pick of it reads its rendering at once.
class TextSwitcher : public QObject {
    Q_OBJECT
public:
    TextSwitcher(texts::TextShelf& shelf, ScriptureText& scripture, TextsMenu& menu,
                 QAction* stopRendering, QStatusBar* status);

    void pick(int index);
    // At start: the text read last, by name; when it has gone, Bible.dat stays, and the status
    // line says so.
    void reopen(const QString& name);
    // The text read, by name; empty for Bible.dat.
    QString shownName() const;

signals:
    // The text read is now another: what is shown of the last one is to be shown of this one.
    void switched(const QString& description);

private:
    void take(int index, const texts::Rendering& rendering);
    void showProgress(const QString& description, int booksDone, int bookCount);
    void endRendering();

    texts::TextShelf& m_shelf;
    ScriptureText& m_scripture;
    TextsMenu& m_menu;
    QAction* m_stopRendering;
    QStatusBar* m_status;
    int m_shown = 0;       // in the shelf's texts; Bible.dat first
    int m_rendering = -1;  // the text being rendered, or none
    std::jthread m_worker; // last: stopped and waited for before the rest goes
};
