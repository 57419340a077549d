#pragma once

#include "favoritespage/favoritesview.h"

#include <QObject>

class QAction;
struct Services;

// File > Print > Favorite Subject & Verses: prints the subject text in its own font, in lines
// of at most 40 characters, after the user confirms. The font is made smaller where such a
// line would not fit between the page's margins. Works from either page, since the subject
// text keeps its text while hidden.
class PrintSubjectCommand : public QObject {
    Q_OBJECT
public:
    PrintSubjectCommand(const FavoritesView& view, QAction* printSubject, Services& services);

    void print();

private:
    FavoritesView m_view;
    Services& m_services;
};
