#include "controls/focustracker.h"

#include "controls/control.h"

#include <QApplication>

FocusTracker::FocusTracker(QWidget* window)
    : QObject(window)
    , m_window(window) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
}

QWidget* FocusTracker::controlWidget(QWidget* widget) const {
    // The focus may sit on a part of a control (a combo box's line edit); the control is the
    // nearest ancestor that is one. Popups are windows of their own and are not ours.
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (dynamic_cast<Control*>(w))
            return w->window() == m_window ? w : nullptr;
        if (w->isWindow())
            return nullptr;
    }
    return nullptr;
}

void FocusTracker::focusChanged(QWidget* now) {
    QWidget* next = controlWidget(now);
    if (!next || next == m_current)
        return;
    QPointer<QWidget> previous = m_current;
    m_current = next;
    if (auto* control = dynamic_cast<Control*>(previous.data()))
        control->raiseLostFocus();
    // A lost-focus handler may have moved the focus on already; then that move has run.
    if (m_current == next)
        dynamic_cast<Control*>(next)->raiseGotFocus();
}
