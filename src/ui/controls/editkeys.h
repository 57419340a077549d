#pragma once

#include <QKeyEvent>
#include <QKeySequence>
#include <QList>

// The keys of the Edit menu's commands: the platform's own bindings, and the classic keys
// (Shift+Del, Ctrl+Ins, Shift+Ins) wherever the platform lacks them. A text control never
// handles them itself: they reach the menu, whose commands guard what Qt's own would not
// (pasting from a clipboard that holds nothing, line breaks on the clipboard).
namespace editkeys {

// The platform's bindings first, so that the menu shows the one its users know.
inline QList<QKeySequence> bindings(QKeySequence::StandardKey command,
                                    const QKeySequence& classic = {}) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    if (!classic.isEmpty() && !keys.contains(classic))
        keys.append(classic);
    return keys;
}

inline QList<QKeySequence> undo() {
    return bindings(QKeySequence::Undo);
}
inline QList<QKeySequence> cut() {
    return bindings(QKeySequence::Cut, QKeySequence(Qt::SHIFT | Qt::Key_Delete));
}
inline QList<QKeySequence> copy() {
    return bindings(QKeySequence::Copy, QKeySequence(Qt::CTRL | Qt::Key_Insert));
}
inline QList<QKeySequence> paste() {
    return bindings(QKeySequence::Paste, QKeySequence(Qt::SHIFT | Qt::Key_Insert));
}
// Add Bookmark: where the platform binds it to Delete as well (X11), Delete leaves it.
inline QList<QKeySequence> addBookmark() {
    return {QKeySequence(Qt::CTRL | Qt::Key_D)};
}
inline QList<QKeySequence> deleteKey() {
    QList<QKeySequence> keys = bindings(QKeySequence::Delete);
    keys.removeIf([](const QKeySequence& key) { return addBookmark().contains(key); });
    return keys;
}
inline QList<QKeySequence> selectAll() {
    return bindings(QKeySequence::SelectAll);
}

// Compare Translations: where the platform binds it to deleting to the line's end (X11), a text
// control would take it before the menu does.
inline QList<QKeySequence> compareTexts() {
    return {QKeySequence(Qt::CTRL | Qt::Key_K)};
}

inline bool isEditKey(const QKeyEvent* event) {
    // The Del of the keypad is the same key.
    const QKeySequence pressed(
        QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
    for (const QList<QKeySequence>& keys : {undo(), cut(), copy(), paste(), deleteKey(),
                                            selectAll(), compareTexts(), addBookmark()}) {
        if (keys.contains(pressed))
            return true;
    }
    return false;
}

} // namespace editkeys
