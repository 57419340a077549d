#pragma once

#include "favoritespage/favoritesview.h"

#include <QObject>

class MousePointer;
class ScriptureText;

// The verse lookup of the favorites page: the reference box keeps only what a reference may
// hold, and leaving it, Return in it, or changing the book shows the verses it names in the
// box of looked-up verses.
class VerseLookup : public QObject {
    Q_OBJECT
public:
    VerseLookup(const FavoritesView& view, MousePointer& pointer, ScriptureText& scripture);

    // The book list and its placeholder, as the program starts.
    void prepare();

    void onReferenceChanged();
    void onReferenceBoxLeft();
    void onLookupBookChanged();
    void lookUpVerses();

signals:
    // A lookup ran: the favorites' changed flag is cleared by it.
    void lookedUp();

private:
    void lookUpWhenReady();

    FavoritesView m_view;
    MousePointer& m_pointer;
    ScriptureText& m_scripture;
};
