#include "services/messageboxes.h"

#include <QMessageBox>
#include <QPushButton>

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
    case OkCancelDefaultCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
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

int WidgetMessageBoxes::choose(const QString& text, const QStringList& choices, int safeChoice,
                               const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, m_parent);
    QList<QPushButton*> buttons;
    for (const QString& choice : choices)
        buttons.append(box.addButton(choice, QMessageBox::ActionRole));
    box.setDefaultButton(buttons.value(safeChoice));
    box.setEscapeButton(buttons.value(safeChoice));
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return chosen < 0 ? safeChoice : int(chosen);
}
