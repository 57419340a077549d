#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

// The program's open windows in the order they were loaded. A window joins when it is added
// or first shown, and leaves when the program hides it (closing does) or it is destroyed;
// minimizing it does not count. Menus, drop-downs and tool tips are not windows here.
class OpenWindows : public QObject {
    Q_OBJECT
public:
    OpenWindows();
    ~OpenWindows() override;

    // Adds a window that is loaded before it is shown (the main window).
    void add(QWidget* window);

    // Closes every open window, the one loaded last first; each runs its own closing.
    void closeAll();
    // Closes the windows loaded after the given one, the last first.
    void closeAfter(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isWindow(const QWidget* widget);
    void remove(const QWidget* window);

    QList<QPointer<QWidget>> m_windows;
};
