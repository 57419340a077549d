#include "mainwindow/openwindows.h"

#include <QApplication>
#include <QEvent>

OpenWindows::OpenWindows() {
    qApp->installEventFilter(this);
}

OpenWindows::~OpenWindows() {
    qApp->removeEventFilter(this);
}

bool OpenWindows::isWindow(const QWidget* widget) {
    if (!widget || !widget->isWindow())
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

void OpenWindows::add(QWidget* window) {
    if (window && !m_windows.contains(window))
        m_windows.append(window);
}

void OpenWindows::remove(const QWidget* window) {
    m_windows.removeIf([window](const QPointer<QWidget>& w) { return w.isNull() || w == window; });
}

void OpenWindows::closeAll() {
    const QList<QPointer<QWidget>> snapshot = m_windows; // closing a window removes it
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
        if (*it)
            (*it)->close();
}

void OpenWindows::closeAfter(const QWidget* window) {
    const QList<QPointer<QWidget>> snapshot = m_windows;
    for (auto it = snapshot.rbegin(); it != snapshot.rend() && *it != window; ++it)
        if (*it)
            (*it)->close();
}

bool OpenWindows::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!isWindow(widget))
        return false;
    if (type == QEvent::Show)
        add(widget);
    else if (!event->spontaneous()) // a minimized window is still open
        remove(widget);
    return false;
}
