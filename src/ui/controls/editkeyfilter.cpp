#include "controls/editkeyfilter.h"

#include "controls/editkeys.h"

#include <QMouseEvent>
#include <QWidget>

EditKeyFilter::EditKeyFilter(QWidget* keys, QWidget* mouse, MiddleClick middleClick)
    : QObject(keys)
    , m_mouse(mouse)
    , m_middleClick(std::move(middleClick)) {
    keys->installEventFilter(this);
    if (mouse != keys)
        mouse->installEventFilter(this);
}

bool EditKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) &&
        editkeys::isEditKey(static_cast<QKeyEvent*>(event))) {
        // Not overridden: the window's shortcut runs. A key press that still arrives (no
        // shortcut took it) is dropped rather than handled by Qt.
        event->setAccepted(type == QEvent::KeyPress);
        return true;
    }
    if (watched != m_mouse)
        return false;
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::MiddleButton)
        return false;
    if (type == QEvent::MouseButtonRelease)
        m_middleClick(mouse->position().toPoint());
    return true;
}
