#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class Control;

// Runs lost-focus and got-focus for real focus moves between the controls of one window:
// Tab, a click, SetFocus, or hiding the focused control. A menu, a combo box's drop-down, a
// message box or another application taking the focus moves nothing: when the focus comes
// back to the same control, no handler runs.
class FocusTracker : public QObject {
    Q_OBJECT
public:
    explicit FocusTracker(QWidget* window);

    // The control that has the focus as the window's handlers see it.
    QWidget* activeControl() const { return m_current; }

private:
    void focusChanged(QWidget* now);
    QWidget* controlWidget(QWidget* widget) const;

    QWidget* m_window;
    QPointer<QWidget> m_current;
};
