#include "notewindow/notewindow.h"

#include "study/notelinks.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

NoteWindow::NoteWindow(QWidget* parent)
    : QDialog(parent)
    , m_heading(new QLabel(this))
    , m_text(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frmNote"));
    resize(360, 300);
    m_heading->setObjectName(QStringLiteral("lblNote"));
    m_text->setObjectName(QStringLiteral("txtNote"));
    m_text->setToolTip(
        QStringLiteral("Ctrl+Enter or Ctrl+click on a reference (Rom 8:28) opens its verse"));
    m_heading->setBuddy(m_text);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_text);
    m_text->installEventFilter(this);
    m_text->viewport()->installEventFilter(this);
}

void NoteWindow::showNote(const scripture::Reference& verse, const QString& text) {
    m_verse = verse;
    const QString name = QStringLiteral("Note on ") + verse.formatted();
    setWindowTitle(name);
    m_heading->setText(QStringLiteral("&") + name);
    m_text->setAccessibleName(name);
    m_text->setPlainText(text);
    QDialog::show();
    raise();
    activateWindow();
    m_text->setFocus(Qt::OtherFocusReason);
}

QString NoteWindow::text() const {
    return m_text->toPlainText();
}

bool NoteWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text && event->type() == QEvent::FocusOut)
        emit left();
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers().testFlag(Qt::ControlModifier)) {
            activateReferenceAt(m_text->textCursor().position());
            return true;
        }
    }
    if (watched == m_text->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->modifiers().testFlag(Qt::ControlModifier))
            activateReferenceAt(m_text->cursorForPosition(mouse->position().toPoint()).position());
    }
    return QDialog::eventFilter(watched, event);
}

void NoteWindow::activateReferenceAt(int position) {
    const QTextBlock block = m_text->document()->findBlock(position);
    if (const auto verse = study::referenceAt(block.text(), position - block.position()))
        emit referenceActivated(*verse);
}

void NoteWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closing(event);
}
