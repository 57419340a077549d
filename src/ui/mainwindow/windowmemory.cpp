#include "mainwindow/windowmemory.h"

#include "placement/windowplace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <utility>

namespace {

// The screens' free areas, the primary first.
QList<QRect> screenAreas() {
    QList<QRect> areas{QGuiApplication::primaryScreen()->availableGeometry()};
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    return areas;
}

} // namespace

WindowMemory::WindowMemory(QWidget& window, SettingsFile& settings)
    : m_window(window)
    , m_settings(settings) {
    window.installEventFilter(this);
}

void WindowMemory::restore() {
    const std::optional<placement::WindowPlace> saved = placement::savedWindowPlace(m_settings);
    if (!saved)
        return; // where the desktop puts a new window, at the designed size
    const QRect place =
        placement::restoredPlace(saved->normal, m_window.minimumSizeHint(), screenAreas());
    m_window.move(place.topLeft());
    m_window.resize(place.size());
    m_maximize = saved->maximized;
}

// Once the desktop has the normal place, which it goes back to when the user restores the
// window; maximized from the start, it would go back to the maximized size.
void WindowMemory::maximizeIfKept() {
    if (std::exchange(m_maximize, false))
        m_window.setWindowState(m_window.windowState() | Qt::WindowMaximized);
}

void WindowMemory::keep() {
    const QRect normal = m_normal.isValid() ? m_normal : QRect(m_window.pos(), m_window.size());
    placement::saveWindowPlace(m_settings, {normal, m_window.isMaximized()});
}

bool WindowMemory::eventFilter(QObject*, QEvent* event) {
    const bool moved = event->type() == QEvent::Move || event->type() == QEvent::Resize;
    if (moved && !(m_window.windowState() &
                   (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)))
        m_normal = QRect(m_window.pos(), m_window.size());
    return false;
}
