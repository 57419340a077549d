#pragma once

#include <QObject>

class FrmBible;
class MousePointer;
class ScriptureText;

// The verse lookup of the favorites page: the reference field keeps only what a reference may
// hold, and leaving it, Return in it, or changing the book shows the verses it names in the
// result box.
class VerseLookup : public QObject {
    Q_OBJECT
public:
    VerseLookup(FrmBible& window, MousePointer& pointer, ScriptureText& scripture);

    void TextVersesFavorites_Change();
    void TextVersesFavorites_LostFocus();
    void ComboBookFavorites_Change();
    void ListVerses();

signals:
    // A lookup ran: the favorites' changed flag is cleared by it.
    void lookedUp();

private:
    void startLookup();

    FrmBible& m_window;
    MousePointer& m_pointer;
    ScriptureText& m_scripture;
};
