#pragma once

#include "controls/control.h"

#include <QComboBox>

// An editable drop-down combo box with the classic event rules: assigning or typing the text
// runs change; only a pick from the list runs click (and not change); adding items and
// clearing run nothing, and adding never alters the text. Once the program has assigned the
// text or changed the list, the current item is the one the text names.
class ComboBox : public QComboBox, public TextControl {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    void addItem(const QString& item);
    void addItems(const QStringList& items);
    // Empties the list and the text.
    void clear();
    QStringList items() const;

    QString text() const override;
    void setText(const QString& text) override;
    int selStart() const override;
    void setSelStart(int offset) override;
    int selLength() const override;
    void setSelLength(int length) override;
    QString selText() const override;
    void setSelText(const QString& text) override;
    void deleteForward() override;
    void undoEdit() override;
    void raiseGotFocus() override { emit gotFocus(); }
    void raiseLostFocus() override { emit lostFocus(); }

signals:
    void changed();
    void picked();
    // Enter or Return in the box's text.
    void entered();
    void gotFocus();
    void lostFocus();
    void pasteSelectionRequested();

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void keepTextWhile(const std::function<void()>& listChange);
    void followText();
};
