#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

// The program's open windows in the order they were loaded. A window joins when it is added
// or first shown, and leaves when the program hides it (closing does) or it is destroyed;
// minimizing it does not count. Menus, drop-downs and tool tips are not windows here.
class LoadedForms : public QObject {
public:
    LoadedForms();
    ~LoadedForms() override;

    // Adds a window that is loaded before it is shown (the main window).
    void add(QWidget* form);
    QList<QWidget*> forms() const;

    // Closes every open window, the one loaded last first; each runs its own closing.
    void unloadAll();
    // Closes the windows loaded after the given one, the last first.
    void unloadAfter(const QWidget* form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool isForm(const QWidget* widget);
    void remove(const QWidget* form);

    QList<QPointer<QWidget>> m_forms;
};
