#include "mainwindow/historybuttons.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Every control takes its presses first and most keep them, so the buttons are watched for the
// whole program and taken before any control sees them.
HistoryButtons::HistoryButtons(QWidget* window, QAction* back, QAction* forward)
    : QObject(window)
    , m_window(window)
    , m_back(back)
    , m_forward(forward) {
    qApp->installEventFilter(this);
}

bool HistoryButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != m_window)
        return false;
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    QAction* command = button == Qt::BackButton      ? m_back
                       : button == Qt::ForwardButton ? m_forward
                                                     : nullptr;
    if (!command)
        return false;
    command->trigger(); // does nothing while it leads nowhere
    return true;
}
