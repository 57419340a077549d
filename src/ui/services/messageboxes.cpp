#include "services/messageboxes.h"

#include <QMessageBox>

MessageBoxes::Answer WidgetMessageBoxes::ask(const QString& text, Buttons buttons,
                                             const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, m_parent);
    switch (buttons) {
    case OkOnly:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Ok;
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    default:
        // Closing the box with Escape or its close button is the safe answer.
        return buttons == YesNo ? No : (buttons == OkOnly ? Ok : Cancel);
    }
}
