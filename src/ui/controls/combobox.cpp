#include "controls/combobox.h"

#include "controls/editkeyfilter.h"

#include <QLineEdit>
#include <QWheelEvent>

#include <algorithm>

ComboBox::ComboBox(QWidget* parent)
    : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(16);
    // The combo box has the focus and hands its keys to the line edit directly.
    new EditKeyFilter(this, lineEdit(), [this](const QPoint& at) {
        lineEdit()->setCursorPosition(lineEdit()->cursorPositionAt(at));
        emit pasteSelectionRequested();
    });
    // Typing is a change; Qt's own text updates for a pick are not.
    connect(lineEdit(), &QLineEdit::textEdited, this, &ComboBox::changed);
    connect(this, &QComboBox::activated, this, &ComboBox::picked);
    // Qt also reports an activation when the text matches an item as the box loses the focus
    // or Enter is pressed; neither is a pick from the list.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
}

void ComboBox::keepTextWhile(const std::function<void()>& listChange) {
    const QString kept = lineEdit()->text();
    const bool wasEmpty = count() == 0;
    listChange();
    if (wasEmpty && count() > 0)
        setCurrentIndex(-1); // Qt selects the first item added to an empty list
    if (lineEdit()->text() != kept)
        lineEdit()->setText(kept);
}

void ComboBox::addItem(const QString& item) {
    keepTextWhile([&] { QComboBox::addItem(item); });
}

void ComboBox::addItems(const QStringList& items) {
    keepTextWhile([&] { QComboBox::addItems(items); });
}

void ComboBox::clear() {
    QComboBox::clear();
    lineEdit()->clear();
}

QStringList ComboBox::items() const {
    QStringList all;
    all.reserve(count());
    for (int i = 0; i < count(); ++i)
        all.append(itemText(i));
    return all;
}

QString ComboBox::text() const {
    return lineEdit()->text();
}

void ComboBox::setText(const QString& text) {
    if (text == lineEdit()->text())
        return;
    lineEdit()->setText(text);
    emit changed();
}

int ComboBox::selStart() const {
    return lineEdit()->hasSelectedText() ? lineEdit()->selectionStart()
                                         : lineEdit()->cursorPosition();
}

void ComboBox::setSelStart(int offset) {
    lineEdit()->setCursorPosition(std::clamp(offset, 0, int(text().size())));
}

int ComboBox::selLength() const {
    return int(lineEdit()->selectedText().size());
}

void ComboBox::setSelLength(int length) {
    const int start = selStart();
    lineEdit()->setSelection(start, std::clamp(length, 0, int(text().size()) - start));
}

QString ComboBox::selText() const {
    return lineEdit()->selectedText();
}

// Qt counts insert and del as edits: textEdited runs the change handler, once.
void ComboBox::setSelText(const QString& text) {
    lineEdit()->insert(text);
}

void ComboBox::deleteForward() {
    lineEdit()->del();
}

void ComboBox::wheelEvent(QWheelEvent* event) {
    // The wheel scrolls the window, never silently picks another book or subject.
    event->ignore();
}
