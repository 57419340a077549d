#pragma once

#include "controls/control.h"

#include <QListView>

#include <memory>

class ListItemModel;

// The items of a list box, each made when asked for: a list box asks only for those it shows,
// so a list of every verse costs what is on the screen, not what is in the list.
class ListItems {
public:
    ListItems() = default;
    Q_DISABLE_COPY_MOVE(ListItems)
    virtual ~ListItems() = default;
    virtual int count() const = 0;
    virtual QString item(int row) const = 0;
    // The first row whose item is the text, or -1. By default each item is made in turn.
    virtual int find(const QString& text) const;
};

// A single-selection, unsorted list box. Click runs when the user selects an item (mouse or
// keyboard, also a click on the item already selected) and when code assigns the text; while
// it runs, pickedByKeyboard() tells a key's move from the rest. Enter or Return raises
// returnPressed, having selected the item under the keyboard's cursor first when it was not.
// A new set of items arrives in one step, however many there are. An item cut at the list's
// edge shows whole as its tooltip.
class ListBox : public QListView, public Control {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    void addItem(const QString& item);
    void setItems(const QStringList& items);
    // Items made as they are shown; the list keeps them until it is given others.
    void setItemSource(std::shared_ptr<const ListItems> items);
    void clear();
    // Every item, made.
    QStringList items() const;
    int count() const;

    // The selected item, or the empty text.
    QString text() const;
    // Selects the first item of that text and runs click; with no such item the list is
    // left without a selection and nothing runs.
    void setText(const QString& text);
    int listIndex() const;
    bool pickedByKeyboard() const { return m_byKeyboard; }
    void raiseGotFocus() override { emit gotFocus(); }
    void raiseLostFocus() override { emit lostFocus(); }

signals:
    void picked();
    void returnPressed();
    void gotFocus();
    void lostFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    ListItemModel* m_model;
    bool m_assigning = false;
    bool m_reclickPending = false;
    bool m_byKeyboard = false;
};
