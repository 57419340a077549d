#pragma once

#include <QKeyEvent>
#include <QKeySequence>
#include <QList>

// The keys of the Edit menu's commands. A text control never handles them itself: they reach
// the menu, whose commands guard what Qt's own would not (pasting from a clipboard that holds
// nothing, line breaks on the clipboard).
namespace editkeys {

inline QList<QKeySequence> cut() {
    return {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)};
}
inline QList<QKeySequence> copy() {
    return {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)};
}
inline QList<QKeySequence> paste() {
    return {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)};
}
inline QList<QKeySequence> deleteKey() {
    return {QKeySequence(Qt::Key_Delete)};
}
inline QList<QKeySequence> selectAll() {
    return {QKeySequence(Qt::CTRL | Qt::Key_A)};
}

inline bool isEditKey(const QKeyEvent* event) {
    // The Del of the keypad is the same key.
    const QKeySequence pressed(
        QKeyCombination(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key())));
    for (const QList<QKeySequence>& keys : {cut(), copy(), paste(), deleteKey(), selectAll()}) {
        if (keys.contains(pressed))
            return true;
    }
    return false;
}

} // namespace editkeys
