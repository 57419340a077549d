#pragma once

#include <QObject>

class FrmBible;

// Favorites > Favorite Verses and Search > Search Text: the right-hand column shows one of its
// two pages. The pages differ only in which controls are visible; texts, lists and selections
// of the hidden page stay as they were.
class PageSwitcher : public QObject {
public:
    explicit PageSwitcher(FrmBible& window);

    void mnuFavoriteVerses_Click();
    void mnuSearch2_Click();

private:
    FrmBible& m_window;
};
