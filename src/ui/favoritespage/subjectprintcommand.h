#pragma once

#include <QObject>

class FrmBible;
struct Services;

// File > Print > Favorite Subject & Verses: prints the favorites list in its own font, in
// lines of at most 40 characters, after the user confirms. The font is made smaller where such
// a line would not fit between the page's margins. Works from either page, since the list
// keeps its text while hidden.
class SubjectPrintCommand : public QObject {
public:
    SubjectPrintCommand(FrmBible& window, Services& services);

    void mnuPrintFavoriteSubject_Click();

private:
    FrmBible& m_window;
    Services& m_services;
};
