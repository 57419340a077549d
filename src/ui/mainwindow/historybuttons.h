#pragma once

#include <QObject>

class QAction;
class QWidget;

// The mouse's back and forward buttons, pressed anywhere over the window, run Go > Back and
// Forward, whichever control is under the pointer.
class HistoryButtons : public QObject {
    Q_OBJECT
public:
    HistoryButtons(QWidget* window, QAction* back, QAction* forward);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QAction* m_back;
    QAction* m_forward;
};
