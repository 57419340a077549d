#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;

// Keeps Qt's own clipboard handling out of a text control. The edit keys are not taken by the
// control, so they reach the window's Edit commands (and never Qt's paste, which can crash on a
// clipboard that no application owns); a middle click is not pasted by Qt either, but handed
// to the control to place its caret and ask for the paste itself.
class EditKeyFilter : public QObject {
    Q_OBJECT
public:
    using MiddleClick = std::function<void(const QPoint& at)>;

    // Watches the widget that takes the focus, and the one that takes the mouse (the same
    // widget, a scroll area's viewport, or a combo box's line edit); both may get the keys.
    EditKeyFilter(QWidget* keys, QWidget* mouse, MiddleClick middleClick);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_mouse;
    MiddleClick m_middleClick;
};
