#include "mainwindow/loadedforms.h"

#include <QApplication>
#include <QEvent>

LoadedForms::LoadedForms() {
    qApp->installEventFilter(this);
}

LoadedForms::~LoadedForms() {
    qApp->removeEventFilter(this);
}

bool LoadedForms::isForm(const QWidget* widget) {
    if (!widget || !widget->isWindow())
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

void LoadedForms::add(QWidget* form) {
    if (form && !m_forms.contains(form))
        m_forms.append(form);
}

void LoadedForms::remove(const QWidget* form) {
    m_forms.removeIf([form](const QPointer<QWidget>& f) { return f.isNull() || f == form; });
}

QList<QWidget*> LoadedForms::forms() const {
    QList<QWidget*> alive;
    for (const QPointer<QWidget>& form : m_forms)
        if (form)
            alive.append(form);
    return alive;
}

void LoadedForms::unloadAll() {
    const QList<QPointer<QWidget>> snapshot = m_forms; // closing a form removes it
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
        if (*it)
            (*it)->close();
}

void LoadedForms::unloadAfter(const QWidget* form) {
    const QList<QPointer<QWidget>> snapshot = m_forms;
    for (auto it = snapshot.rbegin(); it != snapshot.rend() && *it != form; ++it)
        if (*it)
            (*it)->close();
}

bool LoadedForms::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!isForm(widget))
        return false;
    if (type == QEvent::Show)
        add(widget);
    else if (!event->spontaneous()) // a minimized window is still open
        remove(widget);
    return false;
}
