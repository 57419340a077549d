#pragma once

#include "controls/control.h"

#include <QListView>

class QStringListModel;

// A single-selection, unsorted list box. Click runs when the user selects an item (mouse or
// keyboard, also a click on the item already selected) and when code assigns the text.
// The items live in a string model, so thousands of them arrive in one step.
class ListBox : public QListView, public Control {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    void addItem(const QString& item);
    void setItems(const QStringList& items);
    void clear();
    QStringList items() const;
    int count() const;

    // The selected item, or the empty text.
    QString text() const;
    // Selects the first item of that text and runs click; with no such item the list is
    // left without a selection and nothing runs.
    void setText(const QString& text);
    int listIndex() const;
    void raiseGotFocus() override { emit gotFocus(); }
    void raiseLostFocus() override { emit lostFocus(); }

signals:
    void picked();
    void gotFocus();
    void lostFocus();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QStringListModel* m_model;
    bool m_assigning = false;
    bool m_reclickPending = false;
};
