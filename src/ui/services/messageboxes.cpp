#include "services/messageboxes.h"

#include "placement/placement.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace {

// Qt centres a box by guessing the frame of its owner from the frames of the windows shown,
// and guesses wrong when they have no side borders (a maximized window, or no window
// manager); so the box is centred here, once its size is known.
class CentredMessageBox : public QMessageBox {
    Q_OBJECT
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (parentWidget()) // shown already: a move now places what is inside the frame
            placeOver(*this, *parentWidget()->window(), Placing::Client);
    }
};

} // namespace

// The window's frame is not known before it is shown: it is taken to be as wide as the owner's.
void placeOver(QWidget& window, const QWidget& owner, Placing placing) {
    const QRect framed = owner.frameGeometry();
    const QRect client = owner.geometry();
    const QMargins frame(client.left() - framed.left(), client.top() - framed.top(),
                         framed.right() - client.right(), framed.bottom() - client.bottom());
    const QRect placed = placement::centredOver(window.size().grownBy(frame), framed,
                                                owner.screen()->availableGeometry());
    window.move(placed.topLeft() +
                (placing == Placing::Client ? QPoint(frame.left(), frame.top()) : QPoint()));
}

MessageBoxes::Answer WidgetMessageBoxes::ask(const QString& text, Buttons buttons,
                                             const QString& title) {
    CentredMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, m_parent);
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
    CentredMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, m_parent);
    QList<QPushButton*> buttons;
    for (const QString& choice : choices)
        buttons.append(box.addButton(choice, QMessageBox::ActionRole));
    box.setDefaultButton(buttons.value(safeChoice));
    box.setEscapeButton(buttons.value(safeChoice));
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return chosen < 0 ? safeChoice : int(chosen);
}

#include "messageboxes.moc"

std::optional<QString> WidgetMessageBoxes::askText(const QString& label, const QString& offered,
                                                   const QString& title) {
    bool ok = false;
    const QString typed =
        QInputDialog::getText(m_parent, title, label, QLineEdit::Normal, offered, &ok);
    return ok ? std::optional(typed) : std::nullopt;
}
