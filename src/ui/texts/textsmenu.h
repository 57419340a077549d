#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

// Texts: an item a text, by its description, the text shown checked, Ctrl+1 to Ctrl+9 for the
// first nine. Until the menu is first opened it holds Bible.dat's item alone, so that listing
// the SWORD library's modules waits until they are asked for; Ctrl+2 to Ctrl+9 list them then.
class TextsMenu : public QObject {
    Q_OBJECT
public:
    // Every text's description, Bible.dat's first, and why no more could be listed, if so.
    struct Listing {
        QStringList descriptions;
        QString problem;
    };
    // list: called once, when the texts are first asked for.
    TextsMenu(QMenu* menu, QWidget* window, QString bibleDatDescription,
              std::function<Listing()> list);

    // Lists every text in the menu, once.
    void fill();
    void check(int index);

signals:
    void picked(int index);

private:
    QAction* addText(const QString& description, int index);

    QMenu* m_menu;
    QActionGroup* m_group;
    QList<QAction*> m_beforeListed; // Ctrl+2 to Ctrl+9 until the texts are listed
    std::function<Listing()> m_list;
    bool m_filled = false;
};
