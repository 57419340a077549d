#include "controls/combobox.h"

#include "controls/editkeyfilter.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QWheelEvent>

#include <algorithm>

namespace {

// Qt names an editable combo box on Linux by the text it holds ("13"), leaving what it is for
// to a label that names it as its buddy, which the reading area's boxes have none of. Here the
// name is the box's accessible name and the value its text, as on other systems.
class AccessibleComboBox : public QAccessibleWidget {
public:
    explicit AccessibleComboBox(ComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? box()->text() : QAccessibleWidget::text(kind);
    }
    // The list, then the text part.
    int childCount() const override { return 2; }
    QAccessibleInterface* child(int index) const override {
        const QList<QObject*> parts = {box()->view(), box()->lineEdit()};
        return index >= 0 && index < parts.size()
                   ? QAccessible::queryAccessibleInterface(parts[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return int(QList<QObject*>{box()->view(), box()->lineEdit()}.indexOf(child->object()));
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        state.editable = true;
        return state;
    }

private:
    ComboBox* box() const { return static_cast<ComboBox*>(widget()); }
};

QAccessibleInterface* accessibleComboBox(const QString& className, QObject* object) {
    auto* box = qobject_cast<ComboBox*>(object);
    return box && className == QLatin1String("ComboBox") ? new AccessibleComboBox(box) : nullptr;
}

} // namespace

ComboBox::ComboBox(QWidget* parent)
    : QComboBox(parent) {
    static const bool named = (QAccessible::installFactory(accessibleComboBox), true);
    Q_UNUSED(named);
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
    connect(lineEdit(), &QLineEdit::returnPressed, this, &ComboBox::entered);
}

void ComboBox::keepTextWhile(const std::function<void()>& listChange) {
    const QString kept = lineEdit()->text();
    listChange(); // Qt selects the first item added to an empty list
    if (lineEdit()->text() != kept)
        lineEdit()->setText(kept);
    followText();
}

// The arrow keys and the drop-down start from the current item: it is the one the text names,
// or none, never one the box showed before. Qt writes the current item's text into the box,
// an empty one for none, so the text is put back as it was.
void ComboBox::followText() {
    const QString shown = lineEdit()->text();
    const int named = findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (named == currentIndex())
        return;
    setCurrentIndex(named);
    if (lineEdit()->text() != shown)
        lineEdit()->setText(shown);
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
    followText();
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

void ComboBox::undoEdit() {
    lineEdit()->undo();
}

void ComboBox::wheelEvent(QWheelEvent* event) {
    // The wheel scrolls the window, never silently picks another book or subject.
    event->ignore();
}
