#include "services/mousepointer.h"

#include <QCursor>
#include <QGuiApplication>

CursorMousePointer::~CursorMousePointer() {
    setBusy(false);
}

void CursorMousePointer::setBusy(bool busy) {
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}
